#include "reports/verif_notes.h"

#include "data/competition.h"
#include "data/cp1252.h"
#include "platform/dialogues.h"
#include "reports/mise_en_page.h"

#include <algorithm>
#include <vector>

namespace palmora {

namespace {

constexpr int kJugesMax = 6;

struct AgresVerifie {
    std::string_view nom;
    int juges;
    int slot;
};

std::vector<AgresVerifie> agresVerifies(const Competition& etat) {
    if (etat.CodeAgres() == 'M')
        return {{"Anneaux", etat.juges(champs::JugesSlot(1)), 1},
                {"Arçons", etat.juges(champs::JugesSlot(2)), 2},
                {"Barre fixe", etat.juges(champs::JugesSlot(3)), 3},
                {"Parallèles", etat.juges(champs::JugesSlot(4)), 4},
                {"Saut", etat.juges(champs::JugesSlot(5)), 5},
                {"Sol", etat.juges(champs::JugesSlot(6)), 6}};
    return {{"Poutre", etat.juges(champs::JugesPoutre), 3},
            {"Asymétriques", etat.juges(champs::JugesSlot(4)), 4},
            {"Saut", etat.juges(champs::JugesSlot(5)), 5},
            {"Sol", etat.juges(champs::JugesSlot(6)), 6}};
}

std::string texte(std::string_view champ) {
    return depuisCp1252(rogner(champ));
}

} // namespace

bool VerifNotes(Competition& etat, Dialogues& dialogues, std::string_view ModeVerif) {
    const std::vector<AgresVerifie> agres = agresVerifies(etat);
    const std::string contenu = etat.contenu();
    const std::size_t n = contenu.size() / kTailleEnreg;
    for (std::size_t k = 0; k < n; ++k) {
        const Enregistrement e(std::string_view(contenu).substr(k * kTailleEnreg, kTailleEnreg));
        // Empty slots and the placeholder of a competition without teams hold no gymnast.
        if (rogner(e.lire(champs::Nom)) == std::string_view(&kCode160, 1) || estProvisoire(e))
            continue;
        for (const AgresVerifie& a : agres) {
            // A record holds the marks of six judges at most.
            for (int j = 1; j <= std::min(a.juges, kJugesMax); ++j) {
                if (e.lire(champs::Notes(a.slot, j)) != std::string_view("\0\0\0", 3)) continue;
                if (ModeVerif != "prot")
                    dialogues.message({texte(e.lire(champs::Nom)) + " " +
                                           texte(e.lire(champs::Prénom)) +
                                           "\nde l'équipe : " + texte(e.lire(champs::NomEquip)) +
                                           "\n\nManque la note du juge n° " + std::to_string(j) +
                                           "\nà l'épreuve : " + std::string(a.nom),
                                       "Impression impossible", Icone::Critique});
                return true;
            }
        }
    }
    return false;
}

} // namespace palmora
