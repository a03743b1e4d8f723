#include "scoring/modi_juge.h"

#include "data/competition.h"
#include "data/nombres.h"
#include "platform/dialogues.h"

#include <optional>

namespace palmora {

bool ModiJugePermis(const Competition& etat, Dialogues& dialogues) {
    if (!etat.ouvert()) return false;
    if (!etat.Protege()) return true;
    dialogues.message({"Fichier protégé", "Modification interdite", Icone::Critique});
    return false;
}

namespace {

constexpr const char* kPhraseDeLigne[kLignesJuges] = {" aux anneaux", " aux arçons", " à la fixe",
                                                      " aux barres",  " au saut",    " au sol",
                                                      " à la poutre "};

struct JugeAyantNote {
    int ligne;
    int juge;
};

bool aNote(std::string_view contenu, int slot, int juge) {
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k) {
        const Champ note = champs::Notes(slot, juge);
        if (lireNombre(contenu.substr(k * kTailleEnreg + note.position - 1, note.longueur)) != 0)
            return true;
    }
    return false;
}

// The first removed judge with a mark: lines in order, then judges upwards.
std::optional<JugeAyantNote> jugeAyantNote(std::string_view contenu, const NbJuges& avant,
                                           const NbJuges& apres) {
    for (int ligne = 0; ligne < kLignesJuges; ++ligne)
        for (int juge = apres[ligne] + 1; juge <= avant[ligne]; ++juge)
            if (aNote(contenu, kLignes[ligne].slot, juge)) return JugeAyantNote{ligne, juge};
    return std::nullopt;
}

} // namespace

bool ControlerRetraitJuges(const Competition& etat, const NbJuges& AncienNbJuges,
                           const NbJuges& nouveaux, Dialogues& dialogues) {
    const auto refus = jugeAyantNote(etat.contenu(), AncienNbJuges, nouveaux);
    if (!refus) return true;
    dialogues.message({"Le juge n° " + std::to_string(refus->juge) + kPhraseDeLigne[refus->ligne] +
                           "\na déjà mis des notes",
                       "Modification impossible", Icone::Critique});
    return false;
}

bool EcrireJuges(Competition& etat, const NbJuges& nouveaux, Dialogues& dialogues) {
    if (!etat.ouvert()) return false;
    std::string contenu = etat.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k)
        for (int ligne = 0; ligne < kLignesJuges; ++ligne)
            contenu[k * kTailleEnreg + champs::JugesSlot(1).position - 1 + ligne] =
                static_cast<char>('0' + nouveaux[ligne]);

    // A failure leaves the old file whole: the counts stay those it holds.
    return etat.Remplacer(FichierTempo, contenu, dialogues);
}

} // namespace palmora
