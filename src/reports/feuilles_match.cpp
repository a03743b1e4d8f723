#include "reports/feuilles_match.h"

#include "data/competition.h"
#include "data/titre_fichier.h"
#include "platform/surface_impression.h"
#include "reports/impression.h"
#include "reports/mise_en_page.h"

#include <cmath>
#include <span>

namespace palmora {

namespace {

constexpr double kDemiPage = 148.5;
constexpr double kLargeurTitre = 185;

constexpr std::string_view kOrdreF[] = {"Poutre", "Barres", "Saut", "Sol"};
constexpr std::string_view kOrdreM[] = {"Anneaux", "Arçons", "Fixe", "Barres", "Saut", "Sol"};

struct Etiquette {
    const char* texte;
    double taille;
    double x;
    double y; // below the top of the half page
};
constexpr Etiquette kEtiquettes[] = {
    {"N°", 11, 94, 36},       {"Juge", 11, 106.5, 36},    {"Juge", 11, 117.5, 36},
    {"Juge", 11, 128.5, 36},  {"Juge", 11, 139.5, 36},    {"Juge", 11, 150.5, 36},
    {"Juge", 11, 161.5, 36},  {"Déduc", 10, 171.5, 36.4}, {"NOTE", 12, 183.3, 35.5},
    {"licence", 11, 89, 42},  {"Arbitre", 9, 106, 42.2},  {"1", 11, 121, 42},
    {"2", 11, 132, 42},       {"3", 11, 143, 42},         {"4", 11, 154, 42},
    {"5", 11, 165, 42},       {"Finale", 11, 183.5, 42},  {"Epreuve :", 12, 6, 37},
    {"Equipe :", 12, 6, 26.6}};
constexpr double kColonnesHautes[] = {85, 105, 116, 127, 138, 149, 160, 171, 182, 196};

// One print job: the half page of the last sheet and the team being printed.
class Feuilles {
public:
    Feuilles(Competition& etat, const TitreCompet& titre, const ChoixFeuilles& choix,
             SurfaceImpression& s)
        : etat_(etat), titre_(titre), choix_(choix), s_(s) {}

    void equipe(std::int64_t t) {
        EquipeImprimee_ = t;
        lu_ = etat_.LireEnreg(etat_.premierEnregEquipe(t));
        if (choix_.EpreuveChoisie > 0) {
            ImprimerFeuille(kEpreuves[static_cast<std::size_t>(choix_.EpreuveChoisie - 1)]);
            return;
        }
        const std::span<const std::string_view> ordre =
            etat_.CodeAgres() == 'M' ? std::span<const std::string_view>(kOrdreM)
                                     : std::span<const std::string_view>(kOrdreF);
        for (std::string_view agres : ordre)
            ImprimerFeuille(agres);
    }

    void ImprimerFeuille(std::string_view agres) {
        DemiPage_ = (DemiPage_ + 1) % 2;
        const double y0 = DemiPage_ * kDemiPage;
        s_.couleur(kNoir);
        s_.gras(false);
        if (choix_.AvecGrille) grille(y0);
        if (!choix_.GrilleSeule) textes(y0, agres);
        if (DemiPage_ == 1) s_.nouvellePage();
    }

private:
    void grille(double y0) {
        const double n = etat_.EffectEquip();
        const double bas = y0 + 48 + 10 * n;
        s_.rectangle(6, y0 + 2, 196, y0 + 12);
        for (int k = 0; k <= etat_.EffectEquip(); ++k)
            s_.ligne(6, y0 + 48 + 10 * k, 196, y0 + 48 + 10 * k);
        for (double x : {6.0, 11.0, 78.0})
            s_.ligne(x, y0 + 48, x, bas);
        for (double x : kColonnesHautes)
            s_.ligne(x, y0 + 34, x, bas);
        s_.ligne(85, y0 + 34, 196, y0 + 34);
        s_.rectangle(182, bas, 196, y0 + 59 + 10 * n);
        for (const Etiquette& e : kEtiquettes) {
            s_.taille(e.taille);
            s_.texte(e.x, y0 + e.y, e.texte);
        }
        s_.taille(12);
        s_.texte(152, y0 + 52 + 10 * n, "Total équipe :");
    }

    void textes(double y0, std::string_view agres) {
        s_.gras(true);
        const std::string titre = titre_.ligne1 + " - " + titre_.ligne2;
        double taille = 14;
        s_.taille(taille);
        while (s_.largeur(titre) > kLargeurTitre && taille > 1)
            s_.taille(--taille);
        s_.couleur(kRouge);
        texteCentre(s_, 101, y0 + 4.3, titre);

        s_.taille(12);
        const double w = s_.largeur(etat_.DescriptionCompet());
        s_.couleur(kNoir);
        s_.rectangle(103 - w / 2, y0 + 17, 106 + w / 2, y0 + 24.5);
        s_.couleur(kBleu);
        s_.texte(105 - w / 2, y0 + 18, etat_.DescriptionCompet());

        s_.taille(14);
        s_.texte(26, y0 + 26, imprimable(lu_.lire(champs::NomEquip)));
        s_.texte(26, y0 + 36.6, std::string(agres));
        s_.couleur(kNoir);
        s_.gras(false);
        for (int k = 1; k <= etat_.EffectEquip(); ++k)
            gymnaste(k, y0 + 52 + 10 * (k - 1));
    }

    void gymnaste(int k, double y) {
        lu_ = etat_.LireEnreg(etat_.premierEnregEquipe(EquipeImprimee_) + k - 1);
        const Enregistrement& e = lu_;
        const std::string nom = imprimable(rogner(e.lire(champs::Nom)));
        if (nom.empty() || slotVide(e)) return;
        s_.taille(11);
        s_.texte(12, y, nom);
        const double xSuite = 12 + s_.largeur(nom);
        s_.taille(9);
        const std::string prenom = imprimable(rogner(e.lire(champs::Prénom)));
        if (!prenom.empty()) s_.texte(xSuite, y + 0.7, "  " + prenom);
        if (e.nombre(champs::NoLic) != 0)
            s_.texte(86, y + 0.7, imprimable(rogner(e.lire(champs::NoLic))));
        s_.taille(11);
        s_.texte(79, y, imprimable(e.lire(champs::Naissance)));
    }

    Competition& etat_;
    const TitreCompet& titre_;
    const ChoixFeuilles& choix_;
    SurfaceImpression& s_;
    int DemiPage_ = 1;
    std::int64_t EquipeImprimee_ = 0;
    Enregistrement lu_; // the record read last: the sheets take the team name from it
};

} // namespace

std::int64_t equipesFeuilles(const Competition& etat) {
    if (etat.EffectEquip() <= 0) return 0;
    return static_cast<std::int64_t>(
        std::nearbyint(static_cast<double>(etat.NbEnreg()) / etat.EffectEquip()));
}

std::string nomEquipeFeuille(Competition& etat, std::int64_t equipe) {
    return imprimable(etat.LireEnreg(etat.premierEnregEquipe(equipe)).lire(champs::NomEquip));
}

void ImprimerFeuilles(Competition& etat, const TitreCompet& titre, const ChoixFeuilles& choix,
                      SurfaceImpression& surface) {
    surface.commencer(etat.DossierTravail() / "Feuilles de match.pdf");
    surface.epaisseur(kEpaisseurTrait);
    Feuilles feuilles(etat, titre, choix, surface);
    if (choix.GrilleSeule) {
        feuilles.ImprimerFeuille("");
        feuilles.ImprimerFeuille("");
    } else if (choix.EquipeChoisie > 0) {
        feuilles.equipe(choix.EquipeChoisie);
    } else {
        for (std::int64_t t = 1, T = equipesFeuilles(etat); t <= T; ++t)
            feuilles.equipe(t);
    }
    surface.terminer();
}

} // namespace palmora
