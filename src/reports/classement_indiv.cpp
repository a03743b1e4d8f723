#include "reports/classement_indiv.h"

#include "data/competition.h"
#include "data/copie_compet.h"
#include "data/nombres.h"
#include "reports/mise_en_page.h"
#include "reports/ordre.h"
#include "scoring/calcul_notes.h"

#include <cstring>

namespace palmora {

int totalIndiv(const Enregistrement& e) {
    int total = 0;
    for (int s = 1; s <= 6; ++s) {
        const Champ note = champs::NoteAgres(s);
        total += centiemesScore(e.lire(note));
    }
    return total;
}

namespace {

// Every record of `contenu` in file order with its fresh total; the records whose total
// changes go into `derives`.
ClassementIndiv totaliser(std::string_view contenu, ChangementsEnreg& derives) {
    ClassementIndiv cl;
    cl.NbEnreg = static_cast<std::int64_t>(contenu.size() / kTailleEnreg);
    cl.TabEnreg.reserve(static_cast<std::size_t>(cl.NbEnreg));
    cl.TotIndiv.reserve(cl.TabEnreg.capacity());
    for (std::int64_t k = 0; k < cl.NbEnreg; ++k) {
        const std::string_view avant = contenu.substr(k * kTailleEnreg, kTailleEnreg);
        Enregistrement e(avant);
        if (!gymnasteVide(e)) ++cl.NbGymnastes;
        const int total = totalIndiv(e);
        e.poser(champs::TotalIndiv, chiffres(total, champs::TotalIndiv.longueur));
        derives.ajouter(k + 1, e.octets(), avant);
        cl.TabEnreg.push_back(e);
        cl.TotIndiv.push_back(total);
    }
    return cl;
}

} // namespace

ClassementIndiv ClasserIndiv(Competition& etat) {
    CalculNotes(etat);
    const std::string contenu = etat.contenu();
    ChangementsEnreg derives;
    ClassementIndiv cl = totaliser(contenu, derives);
    etat.ecrireDerives(derives); // a record that cannot be written is left as it is
    OrdonnerIndiv(cl);
    return cl;
}

ClassementIndiv ClasserIndiv(const CopieCompet& copie) {
    ChangementsEnreg derives;
    ClassementIndiv cl = totaliser(copie.contenu, derives);
    OrdonnerIndiv(cl);
    return cl;
}

void OrdonnerIndiv(ClassementIndiv& cl) {
    const std::vector<Enregistrement>& tab = cl.TabEnreg;
    const std::vector<int>& totaux = cl.TotIndiv;
    constexpr std::size_t kDebut = champs::Nom.position - 1;
    const std::vector<std::size_t> ordre =
        ordreParIntervalles(tab.size(), [&](std::size_t i, std::size_t j) {
            if (totaux[i] != totaux[j]) return totaux[i] > totaux[j];
            // Equal entries stop the walk: their order is free, and a file of thousands of
            // identical records would otherwise take minutes to rank.
            return std::memcmp(tab[i].data() + kDebut, tab[j].data() + kDebut,
                               kTailleEnreg - kDebut) <= 0;
        });
    ClassementIndiv trie{cl.NbEnreg, cl.NbGymnastes, {}, {}};
    trie.TabEnreg.reserve(ordre.size());
    trie.TotIndiv.reserve(ordre.size());
    for (std::size_t i : ordre) {
        trie.TabEnreg.push_back(tab[i]);
        trie.TotIndiv.push_back(totaux[i]);
    }
    cl = std::move(trie);
}

PlacesIndiv::Place PlacesIndiv::suivante(const Enregistrement& e, int total) {
    const bool exAequo = compteur_ > 0 && total == totalPrecedent_;
    ++compteur_;
    totalPrecedent_ = total;
    return {compteur_, exAequo, e.lire(champs::SurCl) == "H"};
}

} // namespace palmora
