#include "app/etat_appli.h"
#include "reports/impression_outils.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"
#include "reports/voir_pages.h"

#include <cstdio>

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr double kPremiereLigne = 30 + 2 * 11 * SurfaceEnregistree::kHauteurParPoint;
constexpr double kInterligne = 9 * SurfaceEnregistree::kHauteurParPoint;

double ligneY(int rang) {
    return kPremiereLigne + (rang - 1) * kInterligne;
}

std::string nomNumero(int i) {
    char nom[8];
    std::snprintf(nom, sizeof nom, "N%03d", i);
    return nom;
}

// n gymnasts ranked by a Saut score going down by one hundredth each, with `egaux` giving
// the index (from 1) whose score equals the previous one.
ClassementIndiv gymnastes(int n, int egal = 0) {
    ClassementIndiv cl;
    int note = 900;
    for (int i = 1; i <= n; ++i) {
        if (i != egal) --note;
        Enregistrement e = G("ALPHA", "01 BOURG", nomNumero(i)).note(5, std::to_string(note));
        cl.TabEnreg.push_back(e);
        cl.TotIndiv.push_back(totalIndiv(e));
        ++cl.NbGymnastes;
    }
    cl.NbEnreg = n;
    return cl;
}

// The place printed on a row, "" when none.
std::string place(const SurfaceEnregistree& s, std::size_t page, int rang) {
    for (const Trace& t : surLaLigne(s, page, ligneY(rang)))
        if (t.x + largeur(t.texte, 9) <= 11 + 1e-6) return t.texte;
    return "";
}

struct ImpressionIndiv : ::testing::Test {
    SurfaceEnregistree s;
    TextesPage textes = textesDeTest();
};

} // namespace

TEST_F(ImpressionIndiv, EveryPageStartsWithTheHeadAndTheColumnLabels) {
    imprimerClIndiv(gymnastes(1), false, textes, s);
    ASSERT_EQ(s.pages.size(), 1U);
    const std::string entete = "Fédération sportive Orvane - Gymnastique";
    const std::optional<Trace> t = chercher(s, 0, entete);
    ASSERT_TRUE(t);
    EXPECT_NEAR(t->x, 100 - largeur(entete, 12) / 2, 1e-6);
    EXPECT_EQ(t->y, 0);
    EXPECT_TRUE(t->gras && t->souligne);
    EXPECT_EQ(t->couleur, kNoir);
    const std::optional<Trace> titre = chercher(s, 0, "Coupe <Orvane> & Cie");
    ASSERT_TRUE(titre);
    EXPECT_EQ(titre->y, 7);
    EXPECT_EQ(titre->couleur, kRouge);
    EXPECT_FALSE(titre->souligne);
    EXPECT_EQ(chercher(s, 0, "Vienne, 6 décembre 2026")->y, 14);
    const std::optional<Trace> description = chercher(s, 0, "Féminines Honneur . 9-10 ans");
    EXPECT_EQ(description->couleur, kBleu);
    EXPECT_EQ(description->y, 21);
    const std::vector<Trace> lignes = s.traces(0, Trace::Genre::Ligne);
    ASSERT_EQ(lignes.size(), 1U);
    EXPECT_EQ(std::tie(lignes[0].x, lignes[0].y, lignes[0].x2, lignes[0].y2),
              std::make_tuple(60.0, 28.0, 143.0, 28.0));
    EXPECT_EQ(s.epaisseurTrait, 0.3);
    attendreTexte(s, 0, "NOM", 18, 30, 11);
    attendreTexte(s, 0, "VILLE", 101, 30, 11);
    attendreTexte(s, 0, "Saut", 139, 30.5, 10);
    attendreTexte(s, 0, "Sol", 176, 30.5, 10);
    attendreTexte(s, 0, "TOTAL", 186, 30, 11);
    EXPECT_FALSE(chercher(s, 0, "NOM")->gras);
}

TEST_F(ImpressionIndiv, SixtyOneGymnastsMakeTwoNumberedPages) {
    imprimerClIndiv(gymnastes(61), false, textes, s);
    ASSERT_EQ(s.pages.size(), 2U);
    const std::string pied1 = "Page  1 /  2";
    attendreTexte(s, 0, pied1, 174 - largeur(pied1, 9), ligneY(61) + 2 * kInterligne, 9);
    const std::string pied2 = "Page  2 /  2";
    attendreTexte(s, 1, pied2, 184 - largeur(pied2, 9), ligneY(2) + 2 * kInterligne, 9);
    EXPECT_TRUE(chercher(s, 0, nomNumero(60) + std::string(11, ' ')));
    EXPECT_FALSE(chercher(s, 0, nomNumero(61) + std::string(11, ' ')));
    EXPECT_EQ(chercher(s, 1, nomNumero(61) + std::string(11, ' '))->y, ligneY(1));
    EXPECT_TRUE(chercher(s, 1, "NOM"));
    EXPECT_EQ(place(s, 1, 1), "61");
}

TEST_F(ImpressionIndiv, SixtyGymnastsAndEmptySlotsMakeOneUnnumberedPage) {
    ClassementIndiv cl = gymnastes(60);
    for (int k = 0; k < 3; ++k) {
        cl.TabEnreg.push_back(slotLibre("ALPHA", "01 BOURG", kSansJuges));
        cl.TotIndiv.push_back(0);
    }
    cl.NbEnreg = 63;
    imprimerClIndiv(cl, false, textes, s);
    ASSERT_EQ(s.pages.size(), 1U);
    for (const Trace& t : s.textes(0))
        EXPECT_EQ(t.texte.find("Page"), std::string::npos);
}

TEST_F(ImpressionIndiv, ATieShowsNoPlaceExceptOnTheFirstRowOfAPage) {
    imprimerClIndiv(gymnastes(61, 61), false, textes, s);
    EXPECT_EQ(place(s, 0, 1), "1");
    EXPECT_EQ(place(s, 0, 60), "60");
    EXPECT_EQ(place(s, 1, 1), "60");
    SurfaceEnregistree autre;
    imprimerClIndiv(gymnastes(3, 3), false, textes, autre);
    EXPECT_EQ(place(autre, 0, 2), "2");
    EXPECT_EQ(place(autre, 0, 3), "");
}

TEST_F(ImpressionIndiv, ScoresLineUpOnTheirCommasAndTheTotalIsBold) {
    Enregistrement e =
        G("INDIV *", "01 BOURG", "MARTIN").note(5, "999").note(4, "950").note(6, "  1");
    imprimerClIndiv(classement({e}), false, textes, s);
    const double y = ligneY(1);
    attendreTexte(s, 0, "10", 142 - largeur("10", 9), y, 9);
    attendreTexte(s, 0, ",00  -", 142, y, 9);
    attendreTexte(s, 0, "9", 154 - largeur("9", 9), y, 9);
    attendreTexte(s, 0, "0", 178 - largeur("0", 9), y, 9);
    attendreTexte(s, 0, ",01  -", 178, y, 9);
    for (const Trace& t : surLaLigne(s, 0, y))
        EXPECT_FALSE(t.x > 160 && t.x < 172) << "Poutre has no score: " << t.texte;
    attendreTexte(s, 0, "19", 192 - largeur("19", 9), y, 9);
    const std::optional<Trace> total = chercher(s, 0, ",51 *");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->x, 192);
    EXPECT_TRUE(total->gras);
    EXPECT_FALSE(chercher(s, 0, ",00  -")->gras);
}

TEST_F(ImpressionIndiv, NamesTownAndDashLeaderTakeTheirPlaces) {
    imprimerClIndiv(classement({G("ALPHA", "01 BOURG", "MARTIN", "Élodie").note(6, "950")}), false,
                    textes, s);
    const double y = ligneY(1);
    attendreTexte(s, 0, "MARTIN         ", 13, y, 9);
    attendreTexte(s, 0, "Élodie         ", 38, y, 9);
    attendreTexte(s, 0, "95", 58, y, 9);
    attendreTexte(s, 0, "ALPHA          ", 65, y, 9);
    attendreTexte(s, 0, "01 BOURG ", 93, y, 9);
    // No vault score: 140 − 93 − 16.2 = 30.8 rounds to 31 mm, 17 dashes of 1.8 mm.
    attendreTexte(s, 0, std::string(17, '-'), 93 + largeur("01 BOURG ", 9), y, 9);
    attendreTexte(s, 0, ",50 ", 192, y, 9);
}

TEST_F(ImpressionIndiv, TheDashLeaderStopsASpaceBeforeTheFirstScore) {
    imprimerClIndiv(classement({G("ALPHA", "01 BOURG", "DURAND").note(5, "999"),
                                G("ALPHA", "01 BOURG", "MARTIN").note(5, "950")}),
                    false, textes, s);
    const double debut = 93 + largeur("01 BOURG ", 9);
    // 10,00 begins at 142 − 3.6 = 138.4; a space before: 136.6 − 109.2 = 27.4, 15 dashes.
    attendreTexte(s, 0, std::string(15, '-'), debut, ligneY(1), 9);
    // 9,50 begins at 140.2; a space before: 138.4 − 109.2 = 29.2, 16 dashes.
    attendreTexte(s, 0, std::string(16, '-'), debut, ligneY(2), 9);
}

TEST_F(ImpressionIndiv, HorsConcoursPrintsItsTextInsteadOfPlaceScoresAndTotal) {
    const Enregistrement premier = G("ALPHA", "01 BOURG", "MARTIN").note(5, "950");
    const Enregistrement hc = G("ALPHA", "01 BOURG", "DURAND").note(5, "900").horsConcours();
    imprimerClIndiv(classement({premier, hc}), false, textes, s);
    const std::vector<Trace> ligne = surLaLigne(s, 0, ligneY(2));
    std::vector<std::string> textesLigne;
    for (const Trace& t : ligne)
        textesLigne.push_back(t.texte);
    EXPECT_EQ(textesLigne, (std::vector<std::string>{"DURAND         ", "Anne           ", "95",
                                                     "ALPHA          ", "01 BOURG ",
                                                     "H o r s   C o n c o u r s"}));
    EXPECT_EQ(ligne.back().x, 153);
}

TEST_F(ImpressionIndiv, TheMensSetHasItsOwnColumnsAndMarks) {
    const Enregistrement e = G("SOLO*", "01 BOURG", "MARTIN").note(6, "950").note(3, "800");
    const Enregistrement hc = G("ALPHA", "01 BOURG", "DURAND").horsConcours();
    imprimerClIndiv(classement({e, hc}), true, textes, s);
    const double y = ligneY(1);
    attendreTexte(s, 0, "1", 5 - largeur("1", 9), y, 9);
    attendreTexte(s, 0, "MARTIN         ", 7, y, 9);
    attendreTexte(s, 0, "9", 124 - largeur("9", 9), y, 9);
    attendreTexte(s, 0, "8", 179 - largeur("8", 9), y, 9);
    attendreTexte(s, 0, ",50*", 192, y, 9);
    attendreTexte(s, 0, "H  o  r  s     C  o  n  c  o  u  r  s", 135, ligneY(2), 9);
    attendreTexte(s, 0, "Parallèles", 162.3, 30.5, 9);
    attendreTexte(s, 0, "TOTAL", 187, 30, 11);
}

namespace {

struct CommandeImpression : CompetOuverte {
    EtatAppli appli;
    SurfaceEnregistree s;

    void preparer(std::string_view bloc) {
        ecrireFichier(dossier / nom,
                      fichier({G("ALPHA", "01 BOURG", "MARTIN", "Anne", bloc).note(5, "950")}));
        appli.compet.changerDossier(dossier.chemin());
        ASSERT_TRUE(appli.compet.Ouvrir(nom, dialogues));
        appli.titre = {"Coupe", "Vienne"};
    }
    std::filesystem::path page() const { return cheminClIndiv(appli.compet, ".htm"); }
};

} // namespace

TEST_F(CommandeImpression, NoPrintsNothingAndWritesNoPage) {
    preparer(kSansJuges);
    dialogues.reponses = {Reponse::Non};
    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, s);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "Imprimer le classement individuel");
    EXPECT_EQ(m.titre, "Impression");
    EXPECT_EQ(m.boutons, Boutons::OuiNon);
    EXPECT_EQ(m.defaut, Reponse::Non);
    EXPECT_TRUE(s.documents.empty());
    EXPECT_FALSE(std::filesystem::exists(page()));
}

TEST_F(CommandeImpression, YesWritesThePageThenPrintsOneDocument) {
    preparer(kSansJuges);
    dialogues.reponses = {Reponse::Oui};
    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, s);
    EXPECT_TRUE(std::filesystem::exists(page()));
    EXPECT_EQ(s.documents,
              std::vector{dossier / (appli.compet.DescriptionCompet() + " (indiv).pdf")});
    EXPECT_EQ(s.documentsTermines, 1);
    EXPECT_TRUE(chercher(s, 0, "MARTIN         "));
}

TEST_F(CommandeImpression, AMissingMarkStopsBeforeTheQuestion) {
    preparer(kBlocFeminin);
    ImprimClEquip(appli.compet, textesPage(appli), dialogues, s);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    EXPECT_EQ(dialogues.messages[0].titre, "Impression impossible");
    EXPECT_TRUE(s.documents.empty());
}
