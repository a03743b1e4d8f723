#include "reports/classement_equipes.h"

#include "data/competition.h"
#include "data/copie_compet.h"
#include "data/nombres.h"
#include "reports/ordre.h"
#include "scoring/calcul_notes.h"

namespace palmora {

long totalEquipe(const Enregistrement& e) {
    long total = 0;
    for (int s = 1; s <= 6; ++s)
        total += static_cast<long>(e.nombre(champs::NoteEquipe(s)));
    return total;
}

namespace {

EntreeEquipe entree(const Enregistrement& premier) {
    EntreeEquipe equipe{std::string(premier.lire(champs::NomEquip)),
                        std::string(premier.lire(champs::Ville)),
                        static_cast<long>(premier.nombre(champs::TotalEquipe)),
                        {}};
    for (int s = 1; s <= 6; ++s) {
        const Champ c = champs::NoteEquipe(s);
        equipe.notes[static_cast<std::size_t>(s - 1)] =
            premier.nombre(c) == 0 ? "0000" : std::string(premier.lire(c));
    }
    return equipe;
}

// Every record of `contenu` in file order with its fresh team total (the records whose total
// changes go into `derives`), and the table of its whole teams.
ClassementEquipes totaliser(std::string_view contenu, std::int64_t nbEquipes, int effectif,
                            ChangementsEnreg& derives) {
    ClassementEquipes cl;
    cl.NbEnreg = static_cast<std::int64_t>(contenu.size() / kTailleEnreg);
    cl.NbEquipes = nbEquipes;
    cl.TabEnreg.reserve(static_cast<std::size_t>(cl.NbEnreg));
    for (std::int64_t k = 0; k < cl.NbEnreg; ++k) {
        const std::string_view avant = contenu.substr(k * kTailleEnreg, kTailleEnreg);
        Enregistrement e(avant);
        e.poser(champs::TotalEquipe, chiffres(totalEquipe(e), champs::TotalEquipe.longueur));
        derives.ajouter(k + 1, e.octets(), avant);
        cl.TabEnreg.push_back(e);
    }
    for (std::int64_t t = 1; t <= cl.NbEquipes; ++t)
        cl.TabEquipes.push_back(entree(cl.TabEnreg[static_cast<std::size_t>(effectif * (t - 1))]));
    return cl;
}

} // namespace

ClassementEquipes ClasserEquipes(Competition& etat, bool SansTriEquipes) {
    CalculNotes(etat);
    const std::string contenu = etat.contenu();
    ChangementsEnreg derives;
    ClassementEquipes cl = totaliser(contenu, etat.nbEquipes(), etat.EffectEquip(), derives);
    // A finished competition is ranked with its fresh totals but stays as it is; a record that
    // cannot be written is left as it is, so that it can still be viewed.
    if (!etat.Protege()) etat.ecrireDerives(derives);
    if (!SansTriEquipes) OrdonnerEquipes(cl.TabEquipes);
    return cl;
}

ClassementEquipes ClasserEquipes(const CopieCompet& copie, bool SansTriEquipes) {
    ChangementsEnreg derives;
    ClassementEquipes cl =
        totaliser(copie.contenu, copie.nbEquipes(), copie.EffectEquip(), derives);
    if (!SansTriEquipes) OrdonnerEquipes(cl.TabEquipes);
    return cl;
}

void OrdonnerEquipes(std::vector<EntreeEquipe>& tab) {
    const std::vector<std::size_t> ordre =
        ordreParIntervalles(tab.size(), [&](std::size_t a, std::size_t b) {
            const EntreeEquipe& j = tab[a];
            const EntreeEquipe& m = tab[b];
            if (j.TotalEquipe != m.TotalEquipe) return j.TotalEquipe > m.TotalEquipe;
            return j.NomEquip <= m.NomEquip;
        });
    std::vector<EntreeEquipe> trie;
    trie.reserve(ordre.size());
    for (std::size_t i : ordre)
        trie.push_back(std::move(tab[i]));
    tab = std::move(trie);
}

std::optional<PlacesEquipes::Place> PlacesEquipes::suivante(const EntreeEquipe& equipe) {
    const bool exAequo = totalPrecedent_ == equipe.TotalEquipe;
    totalPrecedent_ = equipe.TotalEquipe;
    if (equipeIndividuelle(equipe.NomEquip)) return std::nullopt;
    return Place{++compteur_, exAequo};
}

} // namespace palmora
