#include "data/controle_naissances.h"

#include "data/nom_compet.h"
#include "data/nombres.h"
#include "platform/dialogues.h"

namespace palmora {

namespace {

// The empty-slot mark (code 160) as the boxes hold it, in UTF-8.
constexpr std::string_view kMarqueVide = "\xC2\xA0";

bool ligneVide(const LigneNaissance& l) {
    return l.Nom.empty() || l.Nom.starts_with(kMarqueVide);
}

// A gymnast may be younger than the category when moved up or out of competition, never
// older; in Toutes catégories nobody may belong to the younger bands.
bool horsCategorie(char categorie, const Bornes& b, int annee, std::string_view surCl) {
    if (categorie == 'T') return annee > b.derniere;
    return annee < b.premiere || (annee > b.derniere && surCl == "N");
}

} // namespace

ControleNaissances verifierNaissances(std::string_view fichierCompet,
                                      const BornesCategories& bornesAges,
                                      const std::vector<LigneNaissance>& lignes) {
    const char sexe = caractereNom(fichierCompet, 1);
    if (sexe != 'F' && sexe != 'M') return {};
    const char categorie = caractereNom(fichierCompet, 5);
    const Bornes* bornes = bornesAges.de(sexe, categorie); // none for an unknown category
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneNaissance& l = lignes[i];
        if (ligneVide(l)) break;
        const long long annee = lireNombre(l.Naissance);
        if (annee == 0) return {ErreurNaissance::NonSaisie, static_cast<int>(i)};
        if (bornes && horsCategorie(categorie, *bornes, elargirAnnee(annee), l.SurCl))
            return {ErreurNaissance::Incompatible, static_cast<int>(i)};
    }
    return {};
}

ControleNaissances ControlerNaissances(std::string_view fichierCompet,
                                       const BornesCategories& BornesAges,
                                       const std::vector<LigneNaissance>& lignes,
                                       Dialogues& dialogues,
                                       const std::function<void(int)>& placerFocus) {
    const ControleNaissances controle = verifierNaissances(fichierCompet, BornesAges, lignes);
    if (controle.erreur == ErreurNaissance::NonSaisie) {
        dialogues.message({"Année de naissance\nnon saisie", "Erreur", Icone::Critique});
    } else if (controle.erreur == ErreurNaissance::Incompatible) {
        if (placerFocus) placerFocus(controle.ligne);
        dialogues.bip();
        dialogues.message(
            {"Année de naissance\nincompatible avec\n   la catégorie", "Erreur", Icone::Critique});
    }
    return controle;
}

} // namespace palmora
