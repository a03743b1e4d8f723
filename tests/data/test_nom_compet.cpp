#include "data/nom_compet.h"

#include <gtest/gtest.h>

using namespace palmora;

TEST(DecrireCompet, BuildsTheDescriptionFromTheName) {
    EXPECT_EQ(DecrireCompet("F_H_PS00.PLM"), "Féminines Honneur . 9-10 ans . Simple appartenance");
    EXPECT_EQ(DecrireCompet("M_X_TS00.PLM"), "Masculins Excellence . Simple appartenance");
    EXPECT_EQ(DecrireCompet("F_S_TD03.PLM"), "Féminines Espoirs . Double appartenance (plateau 4)");
    EXPECT_EQ(DecrireCompet("M_S_TS00.PLM"),
              "Masculins Espoirs Toutes catégories . Simple appartenance");
    EXPECT_EQ(DecrireCompet("M_E_PS01.PLM"),
              "Mini-enchaînements . 9-10 ans . Simple appartenance (plateau 2)");
    EXPECT_EQ(DecrireCompet("f_2_m000.plm"), "Féminines Niveau 2 .  9-14 ans");
    EXPECT_EQ(DecrireCompet("M_U_JD00.PLM"),
              "Masculins Critérium . 11-14 ans . Double appartenance");
    EXPECT_EQ(DecrireCompet("F_C_NS00.PLM"),
              "Féminines Circuit préparatoire . 7-8 ans . Simple appartenance");
    EXPECT_EQ(DecrireCompet("M_P_BS00.PLM"),
              "Masculins Promotion . 9-12 ans . Simple appartenance");
    EXPECT_EQ(DecrireCompet("F_3_TS00.PLM"),
              "Féminines Niveau 3 Toutes catégories . Simple appartenance");
}

TEST(DecrireCompet, UnknownCharactersLeaveTheirPartOut) {
    EXPECT_EQ(DecrireCompet("Z_Q_Q?00.PLM"), "");
    // Characters 3 and 5 of "A.PLM" are "P" and "M": read as any other name.
    EXPECT_EQ(DecrireCompet("A.PLM"), "Promotion .  9-14 ans (plateau 1)");
    EXPECT_EQ(DecrireCompet(""), " (plateau 1)");
}

TEST(NomCompet, CharactersAreReadInUpperCaseAndTheExtensionInAnyCase) {
    EXPECT_EQ(caractereNom("f_e_ns00.plm", 1), 'F');
    EXPECT_EQ(caractereNom("F_E", 5), ' ');
    EXPECT_TRUE(estNomCompetition("F_1_NS00.PLM"));
    EXPECT_TRUE(estNomCompetition("essai.Plm"));
    EXPECT_FALSE(estNomCompetition("F_1_NS00.PLM.txt"));
    EXPECT_FALSE(estNomCompetition("plm"));
}
