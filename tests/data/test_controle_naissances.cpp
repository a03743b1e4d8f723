#include "data/controle_naissances.h"

#include "support/dialogues_scriptes.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

// The 2005-2006 season: 7-8 ans 1997-98, 9-10 ans 1995-96, 11-12 ans 1993-94,
// 13-14 ans 1991-92, the same for both sexes.
const BornesCategories kSaison = deriverBornes(anneesDeTable("97989596939491929798959693949192"));

struct Naissances : ::testing::Test {
    DialoguesScriptes dialogues;
    std::vector<int> focus;

    ControleNaissances controler(std::string_view fichier, std::vector<LigneNaissance> lignes) {
        const int bips = dialogues.bips;
        const std::size_t messages = dialogues.messages.size();
        return ControlerNaissances(fichier, kSaison, lignes, dialogues, [&](int ligne) {
            // The row takes the focus before the beep and the message.
            EXPECT_EQ(dialogues.bips, bips);
            EXPECT_EQ(dialogues.messages.size(), messages);
            focus.push_back(ligne);
        });
    }
    bool passe(std::string_view fichier, const std::string& annee, const std::string& surCl) {
        return controler(fichier, {{"DURAND", annee, surCl}}).ok();
    }
};

} // namespace

TEST_F(Naissances, NineToTenYearsYoungerOnlyWhenMovedUpNeverOlder) {
    constexpr char kPoussines[] = "F_1_PS00.PLM";
    EXPECT_TRUE(passe(kPoussines, "95", "N"));
    EXPECT_TRUE(passe(kPoussines, "96", "N"));
    EXPECT_FALSE(passe(kPoussines, "97", "N"));
    EXPECT_TRUE(passe(kPoussines, "97", "O"));
    EXPECT_TRUE(passe(kPoussines, "97", "H"));
    for (const char* surCl : {"N", "O", "H"})
        EXPECT_FALSE(passe(kPoussines, "94", surCl)) << surCl;
}

TEST_F(Naissances, SevenToEightYearsAndTheOtherCategories) {
    EXPECT_TRUE(passe("M_1_NS00.PLM", "98", "N"));
    EXPECT_FALSE(passe("M_1_NS00.PLM", "99", "N"));
    EXPECT_TRUE(passe("M_1_NS00.PLM", "99", "H"));
    EXPECT_FALSE(passe("M_1_NS00.PLM", "96", "O"));
    EXPECT_TRUE(passe("F_2_BS00.PLM", "93", "N"));
    EXPECT_FALSE(passe("F_2_BS00.PLM", "92", "N"));
    EXPECT_TRUE(passe("M_3_JD00.PLM", "91", "N"));
    EXPECT_FALSE(passe("M_3_JD00.PLM", "95", "N"));
    EXPECT_TRUE(passe("m_3_jd00.plm", "94", "N")) << "the name is read in any case";
}

TEST_F(Naissances, AllCategoriesRefuseTheYoungerBandsWhateverSurCl) {
    EXPECT_TRUE(passe("F_S_TS00.PLM", "94", "N"));
    EXPECT_TRUE(passe("F_S_TS00.PLM", "60", "N"));
    for (const char* surCl : {"N", "O", "H"}) {
        EXPECT_FALSE(passe("F_S_TS00.PLM", "95", surCl)) << surCl;
        EXPECT_FALSE(passe("F_S_TS00.PLM", "02", surCl)) << surCl;
    }
}

TEST_F(Naissances, FailingRowGetsTheFocusThenTheBeepAndTheMessage) {
    const ControleNaissances c =
        controler("F_1_PS00.PLM", {{"DURAND", "95", "N"}, {"MARTIN", "97", "N"}});
    EXPECT_EQ(c.erreur, ErreurNaissance::Incompatible);
    EXPECT_EQ(c.ligne, 1);
    EXPECT_EQ(focus, std::vector<int>{1});
    EXPECT_EQ(dialogues.bips, 1);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "Année de naissance\nincompatible avec\n   la catégorie");
    EXPECT_EQ(m.titre, "Erreur");
    EXPECT_EQ(m.icone, Icone::Critique);
    EXPECT_EQ(m.boutons, Boutons::Ok);
}

TEST_F(Naissances, AYearNotEnteredStopsTheCheckWithItsMessage) {
    for (const char* annee : {"", "0", "00"}) {
        dialogues.messages.clear();
        const ControleNaissances c =
            controler("F_1_PS00.PLM", {{"DURAND", "95", "N"}, {"MARTIN", annee, "N"}});
        EXPECT_EQ(c.erreur, ErreurNaissance::NonSaisie);
        EXPECT_EQ(c.ligne, 1);
        ASSERT_EQ(dialogues.messages.size(), 1u);
        EXPECT_EQ(dialogues.messages[0].texte, "Année de naissance\nnon saisie");
        EXPECT_EQ(dialogues.messages[0].titre, "Erreur");
        EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    }
    EXPECT_TRUE(focus.empty());
    EXPECT_EQ(dialogues.bips, 0);
}

TEST_F(Naissances, TheCheckStopsAtTheFirstEmptySurname) {
    EXPECT_TRUE(
        controler("F_1_PS00.PLM", {{"DURAND", "95", "N"}, {"", "", ""}, {"MARTIN", "80", "N"}})
            .ok());
    EXPECT_TRUE(controler("F_1_PS00.PLM", {{"\xC2\xA0", "", ""}, {"MARTIN", "", "N"}}).ok());
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Naissances, UnknownSexChecksNothingUnknownCategoryOnlyTheEntry) {
    EXPECT_TRUE(controler("X_1_PS00.PLM", {{"DURAND", "", "N"}}).ok());
    EXPECT_TRUE(passe("F_1_ZS00.PLM", "60", "N"));
    EXPECT_EQ(controler("F_1_ZS00.PLM", {{"DURAND", "", "N"}}).erreur, ErreurNaissance::NonSaisie);
}
