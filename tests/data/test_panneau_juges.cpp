#include "data/competition.h"
#include "data/panneau_juges.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr int F1 = 1, F2 = 2, F3 = 3, F4 = 4, F6 = 6, F7 = 7, F8 = 8;

bool ctrl(PanneauJuges& p, int touche) {
    return p.appuyer(touche, true, false, false);
}
bool alt(PanneauJuges& p, int touche) {
    return p.appuyer(touche, false, true, false);
}

} // namespace

TEST(PanneauJuges, ANewCompetitionStartsWithOneJudgeOnEachLineItUses) {
    EXPECT_EQ(panneauNouveau('F', '1').comptes(), (NbJuges{0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(panneauNouveau('M', 'H').comptes(), (NbJuges{1, 1, 1, 1, 1, 1, 0}));
    // Mini-enchaînements use the women's apparatus whatever the sex.
    const PanneauJuges miniHommes = panneauNouveau('M', 'E');
    EXPECT_TRUE(miniHommes.femmes());
    EXPECT_EQ(miniHommes.comptes(), (NbJuges{0, 0, 0, 1, 1, 1, 1}));
    EXPECT_FALSE(miniHommes.actif(0));
    EXPECT_TRUE(miniHommes.actif(6));
}

TEST(PanneauJuges, CtrlAddsAndAltRemovesWithinOneToSix) {
    PanneauJuges p = panneauNouveau('F', '2');
    EXPECT_FALSE(alt(p, F7)) << "Alt+F7 on 1 leaves 1";
    EXPECT_EQ(p.comptes()[5], 1);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(ctrl(p, F7));
    EXPECT_FALSE(ctrl(p, F7)) << "Ctrl+F7 on 6 leaves 6";
    EXPECT_EQ(p.comptes()[5], 6);
    EXPECT_TRUE(alt(p, F7));
    EXPECT_EQ(p.comptes()[5], 5);
    EXPECT_TRUE(ctrl(p, F8));
    EXPECT_TRUE(ctrl(p, F4));
    EXPECT_EQ(p.comptes(), (NbJuges{0, 0, 0, 2, 1, 5, 2}));
}

TEST(PanneauJuges, KeysOfUnusedApparatusF6AndOtherModifiersDoNothing) {
    PanneauJuges femmes = panneauNouveau('F', '3');
    PanneauJuges hommes = panneauNouveau('M', '1');
    const NbJuges avantFemmes = femmes.comptes();
    const NbJuges avantHommes = hommes.comptes();
    for (int touche : {F1, F2, F3, F6})
        EXPECT_FALSE(ctrl(femmes, touche)) << "F" << touche;
    EXPECT_FALSE(ctrl(hommes, F8));
    EXPECT_FALSE(ctrl(hommes, F6));
    EXPECT_FALSE(hommes.appuyer(F2, false, false, false));
    EXPECT_FALSE(hommes.appuyer(F2, true, false, true));
    EXPECT_FALSE(hommes.appuyer(F2, true, true, false));
    EXPECT_FALSE(hommes.appuyer(12, true, false, false));
    EXPECT_EQ(femmes.comptes(), avantFemmes);
    EXPECT_EQ(hommes.comptes(), avantHommes);
    EXPECT_EQ(hommes.comptes()[6], 0);
}

using PanneauOuvert = CompetOuverte;

TEST_F(PanneauOuvert, TheOpenCompetitionShowsItsCountsAndZeroOnUnusedLines) {
    // A stray digit (3) at Anneaux, an apparatus the women do not use.
    ouvrir("F_E_NS00.PLM", fichier({enregistrementProvisoire("S653002456")}));
    EXPECT_EQ(jugesDe(etat), (NbJuges{3, 0, 0, 2, 4, 5, 6}));
    EXPECT_EQ(panneauOuvert(etat).comptes(), (NbJuges{0, 0, 0, 2, 4, 5, 6}));
}
