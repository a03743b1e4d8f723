#include "data/table_ages.h"
#include "data/touches.h"
#include "support/systeme_simule.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

constexpr DateHeure kOctobre2005{2005, 10, 14};
constexpr DateHeure kSeptembre2006{2006, 9, 1};
constexpr char kTable2005[] = "97989596939491929798959693949192";

// Women and men differ, so that a bound taken from the wrong sex shows.
// F: 7-8 = 2000-01, 9-10 = 98-99, 11-12 = 96-97, 13-14 = 94-95; M: each band one year older.
constexpr char kTableDistincte[] = "00019899969794959900979895969394";

struct TableAges : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    BornesCategories bornes;
    std::string age() const { return lireFichier(programme / "AGE.AGE"); }
    void TearDown() override { simulerPanne(std::nullopt); }
};

} // namespace

TEST(ToucheChiffre, DigitsAndTheFrenchTopRowGiveDigitsAnythingElseIsRefused) {
    const char* rangee[] = {"&", "é", "\"", "'", "(", "-", "è", "_", "ç", "à"};
    const char* attendus[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(toucheChiffre(rangee[k]), attendus[k]) << rangee[k];
        EXPECT_EQ(toucheChiffre(attendus[k]), attendus[k]);
    }
    for (const char* refuse : {"a", "E", " ", ",", "É", "ù", ")", "=", "12"})
        EXPECT_EQ(toucheChiffre(refuse), std::nullopt) << refuse;
}

TEST(Annees, TwoDigitYearsUpTo50AreThisCentury) {
    EXPECT_EQ(elargirAnnee(50), 2050);
    EXPECT_EQ(elargirAnnee(51), 1951);
    EXPECT_EQ(elargirAnnee(0), 2000);
    EXPECT_EQ(elargirAnnee(99), 1999);
}

TEST(Annees, BoundsOfEveryCategoryForBothSexes) {
    const BornesCategories b = deriverBornes(anneesDeTable(kTableDistincte));
    const auto bornes = [&](char sexe, char categorie) { return *b.de(sexe, categorie); };
    EXPECT_EQ(bornes('F', 'N'), (Bornes{2000, 2001}));
    EXPECT_EQ(bornes('F', 'P'), (Bornes{1998, 1999}));
    EXPECT_EQ(bornes('F', 'B'), (Bornes{1996, 1999}));
    EXPECT_EQ(bornes('F', 'M'), (Bornes{1994, 1999}));
    EXPECT_EQ(bornes('F', 'J'), (Bornes{1994, 1997}));
    EXPECT_EQ(bornes('F', 'T'), (Bornes{0, 1997}));
    EXPECT_EQ(bornes('M', 'N'), (Bornes{1999, 2000}));
    EXPECT_EQ(bornes('M', 'P'), (Bornes{1997, 1998}));
    EXPECT_EQ(bornes('M', 'B'), (Bornes{1995, 1998}));
    EXPECT_EQ(bornes('M', 'M'), (Bornes{1993, 1998}));
    EXPECT_EQ(bornes('M', 'J'), (Bornes{1993, 1996}));
    EXPECT_EQ(bornes('M', 'T'), (Bornes{0, 1996}));
    EXPECT_EQ(b.de('X', 'P'), nullptr);
    EXPECT_EQ(b.de('F', 'Z'), nullptr);
    EXPECT_EQ(BornesCategories{}.de('M', 'J')->premiere, 0);
}

TEST(Annees, BuiltInTableByDate) {
    EXPECT_EQ(tableDeSaison({1999, 1, 1}), "94959293909188899495929390918889");
    EXPECT_EQ(tableDeSaison({2003, 8, 31}), "94959293909188899495929390918889");
    EXPECT_EQ(tableDeSaison({2003, 9, 1}), "95969394919289909596939491928990");
    EXPECT_EQ(tableDeSaison({2004, 8, 1}), "95969394919289909596939491928990");
    EXPECT_EQ(tableDeSaison({2004, 9, 1}), "96979495929390919697949592939091");
    EXPECT_EQ(tableDeSaison({2005, 9, 1}), kTable2005);
    EXPECT_EQ(tableDeSaison({2006, 8, 31}), kTable2005);
    EXPECT_EQ(tableDeSaison(kSeptembre2006), "");
    EXPECT_EQ(tableDeSaison({2026, 12, 5}), "");

    EXPECT_FALSE(saisieAgesObligatoire({2006, 8, 31}));
    EXPECT_TRUE(saisieAgesObligatoire(kSeptembre2006));
    // The command for the birth years waits one month more.
    EXPECT_FALSE(saisieAgesPermise(kSeptembre2006));
    EXPECT_TRUE(saisieAgesPermise({2006, 10, 1}));
    EXPECT_TRUE(saisieAgesPermise({2026, 1, 1}));
}

TEST_F(TableAges, October2005ReplacesAnyOtherStoredTable) {
    ecrireFichier(programme / "AGE.AGE", kTableDistincte);
    ASSERT_TRUE(ChargerAges(programme.chemin(), kOctobre2005, bornes, dialogues));
    EXPECT_EQ(age(), kTable2005);
    EXPECT_EQ(*bornes.de('F', 'B'), (Bornes{1993, 1996}));
    EXPECT_EQ(*bornes.de('M', 'J'), (Bornes{1991, 1994}));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(TableAges, MissingOrMalformedTableAsksForTheDialog) {
    EXPECT_FALSE(ChargerAges(programme.chemin(), kOctobre2005, bornes, dialogues));
    EXPECT_TRUE(fs::exists(programme / "AGE.AGE")) << "created empty";
    EXPECT_EQ(age(), "");
    ecrireFichier(programme / "AGE.AGE", std::string(kTable2005) + "9");
    EXPECT_FALSE(ChargerAges(programme.chemin(), kOctobre2005, bornes, dialogues));
    EXPECT_EQ(bornes, BornesCategories{}) << "bounds stay 0";
    for (const std::string& t : lireTextesAges(programme.chemin()))
        EXPECT_EQ(t, "") << "the dialog shows empty boxes";
}

TEST_F(TableAges, FromSeptember2006TheDialogOpensAtEveryStart) {
    ecrireFichier(programme / "AGE.AGE", kTableDistincte);
    EXPECT_FALSE(ChargerAges(programme.chemin(), kSeptembre2006, bornes, dialogues));
    EXPECT_FALSE(ChargerAges(programme.chemin(), {2026, 12, 5}, bornes, dialogues));
    EXPECT_EQ(age(), kTableDistincte);
    const TextesAges textes = lireTextesAges(programme.chemin());
    EXPECT_EQ(textes[0], "00");
    EXPECT_EQ(textes[3], "99");
    EXPECT_EQ(textes[15], "94");
}

TEST_F(TableAges, AReplacementThatCannotBeWrittenIsReported) {
    ecrireFichier(programme / "AGE.AGE", kTableDistincte);
    simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
    ASSERT_TRUE(ChargerAges(programme.chemin(), kOctobre2005, bornes, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Le fichier\n" + (programme / "AGE.AGE").string() + "\nne peut pas être écrit.");
    EXPECT_EQ(*bornes.de('F', 'B'), (Bornes{1993, 1996})) << "the season table still holds";
}

TEST_F(TableAges, OuiStoresTheBoxesPaddedTo32AndDerivesTheBounds) {
    TextesAges textes = {"97", "98", "95", "96", "93", "94", "91", "92",
                         "97", "98", "95", "96", "93", "94", "5",  ""};
    const BornesCategories b = EnregistrerAges(programme.chemin(), textes, dialogues);
    EXPECT_EQ(age(), "97989596939491929798959693945   ");
    EXPECT_EQ(*b.de('M', 'M'), (Bornes{2005, 1996}));
    EXPECT_EQ(*b.de('M', 'J'), (Bornes{2005, 1994}));
    EXPECT_EQ(*b.de('F', 'J'), (Bornes{1991, 1994}));
}

TEST_F(TableAges, OuiReportsATableThatCannotBeWrittenAndKeepsTheBounds) {
    simulerPanne(PanneSimulee{EtapeRemplacement::Ecriture, ENOSPC});
    TextesAges textes;
    textes.fill("99");
    const BornesCategories b = EnregistrerAges(programme.chemin(), textes, dialogues);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Années de naissance");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    EXPECT_EQ(b.de('F', 'P')->premiere, 1999);
}

TEST_F(TableAges, AnnulerEndsTheProgramOnlyWithoutAUsableTable) {
    EXPECT_THROW(AbandonnerAges(programme.chemin(), dialogues), ProgrammeArrete);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Années non saisies");
    EXPECT_EQ(dialogues.messages[0].titre, "Sortie du programme");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);

    ecrireFichier(programme / "AGE.AGE", "97989596939");
    EXPECT_THROW(AbandonnerAges(programme.chemin(), dialogues), ProgrammeArrete);
    ecrireFichier(programme / "AGE.AGE", "979895969394");
    EXPECT_NO_THROW(AbandonnerAges(programme.chemin(), dialogues));
    EXPECT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(age(), "979895969394") << "nothing written";
}
