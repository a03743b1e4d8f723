#include "reports/feuilles_match.h"

#include "data/titre_fichier.h"
#include "reports/impression_outils.h"
#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr double kBas = 148.5;

struct FeuillesMatch : CompetOuverte {
    SurfaceEnregistree s;
    ChoixFeuilles choix;
    TitreCompet titre{"Coupe d'hiver", "Vienne, 6 décembre 2026"};

    // Teams of 4 gymnasts named after their team: "A1" … "A4", "B1" …
    void equipes(int nombre) {
        std::string contenu;
        for (int t = 0; t < nombre; ++t) {
            const std::string lettre(1, static_cast<char>('A' + t));
            for (int k = 1; k <= 4; ++k)
                contenu +=
                    gymnaste("EQUIPE " + lettre, "01 BOURG", lettre + std::to_string(k)).octets();
        }
        ouvrir(contenu);
    }
    void imprimer() { ImprimerFeuilles(etat, titre, choix, s); }
    // The apparatus printed in blue at the apparatus place of the half page starting at y0.
    std::string agres(std::size_t page, double y0) const {
        for (const Trace& t : s.textes(page))
            if (t.x == 26 && std::abs(t.y - (y0 + 36.6)) < 1e-9) return t.texte;
        return "";
    }
    std::string equipe(std::size_t page, double y0) const {
        for (const Trace& t : s.textes(page))
            if (t.x == 26 && std::abs(t.y - (y0 + 26)) < 1e-9) return t.texte;
        return "";
    }
};

} // namespace

TEST_F(FeuillesMatch, ThreeWomensTeamsGiveTwelveSheetsOnSixPagesInApparatusOrder) {
    equipes(3);
    imprimer();
    ASSERT_EQ(s.pages.size(), 6U);
    EXPECT_EQ(s.documents, std::vector{dossier / "Feuilles de match.pdf"});
    EXPECT_EQ(s.documentsTermines, 1);
    const std::vector<std::string> attendus = {"Poutre", "Barres", "Saut", "Sol"};
    for (std::size_t feuille = 0; feuille < 12; ++feuille) {
        const std::size_t page = feuille / 2;
        const double y0 = feuille % 2 == 0 ? 0 : kBas;
        EXPECT_EQ(agres(page, y0), attendus[feuille % 4]) << feuille;
        EXPECT_EQ(equipe(page, y0),
                  "EQUIPE " + std::string(1, char('A' + feuille / 4)) + "       ");
    }
}

TEST_F(FeuillesMatch, AMensCompetitionPrintsSixSheetsPerTeam) {
    nom = "M_2_PS00.PLM";
    equipes(1);
    imprimer();
    ASSERT_EQ(s.pages.size(), 3U);
    EXPECT_EQ(agres(0, 0), "Anneaux");
    EXPECT_EQ(agres(0, kBas), "Arçons");
    EXPECT_EQ(agres(1, 0), "Fixe");
    EXPECT_EQ(agres(2, kBas), "Sol");
}

TEST_F(FeuillesMatch, OneTeamAndOneApparatusEndOnAHalfEmptyPage) {
    equipes(3);
    choix.EquipeChoisie = 2;
    choix.EpreuveChoisie = 5;
    imprimer();
    ASSERT_EQ(s.pages.size(), 1U);
    EXPECT_EQ(agres(0, 0), "Saut");
    EXPECT_EQ(equipe(0, 0), "EQUIPE B       ");
    EXPECT_EQ(agres(0, kBas), "");
}

TEST_F(FeuillesMatch, ATeamOfFourHasFourRowsAndItsTotalBox) {
    equipes(1);
    choix.EpreuveChoisie = 6;
    imprimer();
    std::vector<double> horizontales;
    for (const Trace& l : s.traces(0, Trace::Genre::Ligne)) {
        if (l.y == l.y2 && l.x == 6) {
            EXPECT_EQ(l.x2, 196);
            horizontales.push_back(l.y);
        } else if (l.x == l.x2) {
            EXPECT_EQ(l.y2, 88) << l.x;
            EXPECT_EQ(l.y, l.x < 80 ? 48 : 34) << l.x;
        }
    }
    EXPECT_EQ(horizontales, (std::vector<double>{48, 58, 68, 78, 88}));
    const std::vector<Trace> cadres = s.traces(0, Trace::Genre::Rectangle);
    ASSERT_EQ(cadres.size(), 3U); // title frame, total box, description box
    EXPECT_EQ(std::tie(cadres[0].x, cadres[0].y, cadres[0].x2, cadres[0].y2),
              std::make_tuple(6.0, 2.0, 196.0, 12.0));
    EXPECT_EQ(std::tie(cadres[1].x, cadres[1].y, cadres[1].x2, cadres[1].y2),
              std::make_tuple(182.0, 88.0, 196.0, 99.0));
    attendreTexte(s, 0, "Total équipe :", 152, 92, 12);
    attendreTexte(s, 0, "Déduc", 171.5, 36.4, 10);
    attendreTexte(s, 0, "Arbitre", 106, 42.2, 9);
}

TEST_F(FeuillesMatch, TitleDescriptionTeamAndGymnastsTakeTheirPlaces) {
    std::string contenu =
        fichier({gymnaste("ALPHA", "01 BOURG", "MARTIN"), gymnaste("ALPHA", "01 BOURG", "DURAND"),
                 slotLibre("ALPHA", "01 BOURG"), gymnaste("ALPHA", "", "")});
    Enregistrement licencie = gymnaste("ALPHA", "01 BOURG", "DURAND");
    licencie.poser(champs::Prénom, "");
    licencie.poser(champs::NoLic, "0001234567");
    contenu.replace(300, 300, licencie.octets());
    ouvrir(contenu);
    choix.EpreuveChoisie = 7;
    imprimer();
    const std::string t = "Coupe d'hiver - Vienne, 6 décembre 2026";
    const std::optional<Trace> tt = chercher(s, 0, t);
    ASSERT_TRUE(tt);
    EXPECT_EQ(tt->taille, 14);
    EXPECT_EQ(tt->couleur, kRouge);
    EXPECT_TRUE(tt->gras);
    EXPECT_NEAR(tt->x, 101 - largeur(t, 14) / 2, 1e-9);
    EXPECT_NEAR(tt->y, 4.3, 1e-9);
    const double w = largeur(etat.DescriptionCompet(), 12);
    attendreTexte(s, 0, etat.DescriptionCompet(), 105 - w / 2, 18, 12);
    EXPECT_EQ(chercher(s, 0, etat.DescriptionCompet())->couleur, kBleu);
    const Trace cadre = s.traces(0, Trace::Genre::Rectangle).back();
    EXPECT_EQ(std::tie(cadre.x, cadre.y, cadre.x2, cadre.y2),
              std::make_tuple(103 - w / 2, 17.0, 106 + w / 2, 24.5));
    EXPECT_EQ(cadre.couleur, kNoir);
    EXPECT_EQ(chercher(s, 0, "Poutre")->couleur, kBleu);

    attendreTexte(s, 0, "MARTIN", 12, 52, 11);
    EXPECT_FALSE(chercher(s, 0, "MARTIN")->gras);
    attendreTexte(s, 0, "  Anne", 12 + largeur("MARTIN", 11), 52.7, 9);
    attendreTexte(s, 0, "95", 79, 52, 11);
    attendreTexte(s, 0, "DURAND", 12, 62, 11);
    attendreTexte(s, 0, "0001234567", 86, 62.7, 9);
    EXPECT_TRUE(surLaLigne(s, 0, 72).empty());
    EXPECT_TRUE(surLaLigne(s, 0, 82).empty());
    EXPECT_EQ(s.textes(0).back().couleur, kNoir);
}

TEST_F(FeuillesMatch, ALongTitleShrinksUntilItFits) {
    equipes(1);
    titre = {std::string(60, 'T'), std::string(20, 'L')};
    choix.EpreuveChoisie = 6;
    imprimer();
    const std::string t = titre.ligne1 + " - " + titre.ligne2;
    const std::optional<Trace> tt = chercher(s, 0, t);
    ASSERT_TRUE(tt);
    // 83 characters: 232.4 mm at 14 pt, 182.6 mm at 11 pt.
    EXPECT_EQ(tt->taille, 11);
    EXPECT_NEAR(tt->x, 101 - largeur(t, 11) / 2, 1e-9);
}

TEST_F(FeuillesMatch, GridOnlyGivesOnePageOfTwoBlankGrids) {
    equipes(3);
    choix.AvecGrille = true;
    choix.GrilleSeule = true;
    choix.EquipeChoisie = 2;
    imprimer();
    ASSERT_EQ(s.pages.size(), 1U);
    EXPECT_EQ(s.traces(0, Trace::Genre::Rectangle).size(), 4U);
    EXPECT_EQ(agres(0, 0), "");
    EXPECT_FALSE(chercher(s, 0, "B1"));
    EXPECT_TRUE(chercher(s, 0, "Epreuve :"));
    int juges = 0;
    for (const Trace& t : s.textes(0))
        juges += t.texte == "Juge" ? 1 : 0;
    EXPECT_EQ(juges, 12);
}

TEST_F(FeuillesMatch, WithoutTheGridNoLineNorLabelIsDrawn) {
    equipes(1);
    choix.AvecGrille = false;
    choix.EpreuveChoisie = 4;
    imprimer();
    ASSERT_EQ(s.pages.size(), 1U);
    EXPECT_TRUE(s.traces(0, Trace::Genre::Ligne).empty());
    EXPECT_EQ(s.traces(0, Trace::Genre::Rectangle).size(), 1U);
    EXPECT_FALSE(chercher(s, 0, "Juge"));
    EXPECT_FALSE(chercher(s, 0, "Equipe :"));
    EXPECT_EQ(agres(0, 0), "Barres");
    EXPECT_TRUE(chercher(s, 0, "A4"));
}

TEST_F(FeuillesMatch, APlaceholderAloneMakesNoTeamUnlessTeamsHoldOneGymnast) {
    ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)}));
    imprimer();
    EXPECT_TRUE(s.pages.empty());
    EXPECT_EQ(s.documentsTermines, 1);
    EXPECT_EQ(equipesFeuilles(etat), 0);

    SurfaceEnregistree seule;
    ouvrir(fichier({enregistrementProvisoire("0130004444")}));
    ImprimerFeuilles(etat, titre, choix, seule);
    ASSERT_EQ(seule.pages.size(), 2U);
    EXPECT_FALSE(seule.traces(0, Trace::Genre::Ligne).empty());
}

TEST_F(FeuillesMatch, AHalfTeamGoesToTheEvenNeighbour) {
    for (auto [enreg, equipes] : {std::pair{1, 0}, {3, 2}, {5, 2}, {7, 4}, {4, 2}}) {
        std::string contenu;
        for (int k = 0; k < enreg; ++k)
            contenu += gymnaste("A", "01 BOURG", "X", "0220004444").octets();
        ouvrir(contenu);
        EXPECT_EQ(equipesFeuilles(etat), equipes) << enreg;
    }
}
