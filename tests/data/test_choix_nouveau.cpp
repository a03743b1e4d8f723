#include "data/creation.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::nouveau;

namespace {

// Codes of the levels and letters of the categories offered, in option order.
std::string niveauxOfferts(const ChoixNouveau& c) {
    std::string codes;
    for (int n = 0; n < kNiveaux; ++n)
        if (c.niveauVisible[n]) codes += "12EC3HPSXU"[n];
    return codes;
}

std::string catégoriesOffertes(const ChoixNouveau& c) {
    std::string lettres;
    for (int k = 0; k < kCategories; ++k)
        if (c.catégorieVisible[k]) lettres += "PBMJTN"[k];
    return lettres;
}

} // namespace

TEST(ChoixNouveau, OpensOnWomenNiveau1SevenToEightWithoutMembership) {
    const ChoixNouveau c;
    EXPECT_EQ(c.NomNouveau, "F_1_NS");
    EXPECT_EQ(c.etiquette(), "F_1_NS.PLM");
    EXPECT_EQ(niveauxOfferts(c), "12E3HPSXU");
    EXPECT_EQ(catégoriesOffertes(c), "PBMTN");
    EXPECT_EQ(c.catégorie, Ans7_8);
    EXPECT_FALSE(c.cadreAppartenance());
    EXPECT_EQ(c.effectif, 6);
    EXPECT_EQ(c.retenues, 5);
    EXPECT_EQ(c.legendeEffectif(), "Concurrentes par équipe");
    EXPECT_EQ(c.CodeSexe, 'F');
    EXPECT_EQ(c.CodeAppart, 'S');
}

TEST(ChoixNouveau, TheOrderOfSexAndHonneurDecidesCategoriesAndRetainedCount) {
    ChoixNouveau hommesPuisHonneur;
    hommesPuisHonneur.choisirSexe(Masculins);
    EXPECT_EQ(niveauxOfferts(hommesPuisHonneur), "12ECHPSX");
    EXPECT_EQ(hommesPuisHonneur.legendeEffectif(), "Concurrents par équipe");
    hommesPuisHonneur.choisirNiveau(Honneur);
    EXPECT_EQ(catégoriesOffertes(hommesPuisHonneur), "MT");
    EXPECT_EQ(hommesPuisHonneur.catégorie, Ans9_14);
    EXPECT_EQ(hommesPuisHonneur.effectif, 4);
    EXPECT_EQ(hommesPuisHonneur.retenues, 3);
    EXPECT_EQ(hommesPuisHonneur.NomNouveau, "M_H_MS");

    // Honneur stays offered to men, so it is not chosen again: only the sex's own rules apply.
    ChoixNouveau honneurPuisHommes;
    honneurPuisHommes.choisirNiveau(Honneur);
    EXPECT_EQ(catégoriesOffertes(honneurPuisHommes), "JT");
    honneurPuisHommes.choisirSexe(Masculins);
    EXPECT_EQ(catégoriesOffertes(honneurPuisHommes), "JT");
    EXPECT_EQ(honneurPuisHommes.catégorie, Ans11_14);
    EXPECT_EQ(honneurPuisHommes.effectif, 4);
    EXPECT_EQ(honneurPuisHommes.retenues, 4);
    EXPECT_EQ(honneurPuisHommes.NomNouveau, "M_H_JS");
}

TEST(ChoixNouveau, ALevelTheNewSexDoesNotOfferGivesWayToTheOneBefore) {
    ChoixNouveau critérium;
    critérium.choisirNiveau(Criterium);
    EXPECT_EQ(catégoriesOffertes(critérium), "PBMT");
    EXPECT_EQ(critérium.catégorie, Ans9_10);
    critérium.choisirSexe(Masculins);
    EXPECT_EQ(critérium.niveau, Excellence);
    EXPECT_EQ(catégoriesOffertes(critérium), "T");
    EXPECT_EQ(critérium.catégorie, Toutes);
    EXPECT_FALSE(critérium.cadreAppartenance());
    EXPECT_EQ(critérium.effectif, 4);
    EXPECT_EQ(critérium.retenues, 3);
    EXPECT_EQ(critérium.NomNouveau, "M_X_TS");

    ChoixNouveau niveau3;
    niveau3.choisirNiveau(Niveau3);
    niveau3.choisirSexe(Masculins);
    EXPECT_EQ(niveau3.niveau, CircuitPreparatoire);
    EXPECT_EQ(catégoriesOffertes(niveau3), "PB");
    EXPECT_EQ(niveau3.NomNouveau, "M_C_PS");

    niveau3.choisirSexe(Feminines);
    EXPECT_EQ(niveau3.niveau, MiniEnchainement);
    EXPECT_EQ(catégoriesOffertes(niveau3), "PBN");
    EXPECT_EQ(niveau3.catégorie, Ans7_8);
    EXPECT_EQ(niveau3.NomNouveau, "F_E_NS");
}

TEST(ChoixNouveau, PromotionOffersOtherCategoriesWhenTheSexChangesAfterIt) {
    ChoixNouveau c;
    c.choisirNiveau(Promotion);
    EXPECT_EQ(catégoriesOffertes(c), "JT");
    EXPECT_EQ(c.effectif, 5);
    EXPECT_EQ(c.retenues, 4);
    c.choisirSexe(Masculins);
    // The sex shows 9-12 and 9-14, hides 9-10 and 11-14, and leaves Toutes as it was.
    EXPECT_EQ(catégoriesOffertes(c), "BMT");
    EXPECT_EQ(c.catégorie, Ans9_12);
    EXPECT_EQ(c.NomNouveau, "M_P_BS");
}

TEST(ChoixNouveau, MiniEnchainementSelectsSevenToEightAndKeepsTheTeamSettings) {
    ChoixNouveau c;
    c.choisirCatégorie(Ans9_12);
    c.changerEffectif(-1);
    c.changerRetenues(-1);
    c.choisirNiveau(MiniEnchainement);
    EXPECT_EQ(c.catégorie, Ans7_8);
    EXPECT_EQ(catégoriesOffertes(c), "PBN");
    EXPECT_TRUE(c.cadreAppartenance());
    EXPECT_EQ(c.effectif, 5);
    EXPECT_EQ(c.retenues, 4);
    EXPECT_EQ(c.NomNouveau, "F_E_NS");

    // Every level after it hides 7-8 ans.
    c.choisirNiveau(Niveau3);
    EXPECT_EQ(catégoriesOffertes(c), "PBMT");
    EXPECT_EQ(c.catégorie, Ans9_10);
}

TEST(ChoixNouveau, Niveau3OffersTheMembershipExceptInNineToTen) {
    ChoixNouveau c;
    c.choisirNiveau(Niveau3);
    EXPECT_EQ(c.catégorie, Ans9_10);
    EXPECT_FALSE(c.cadreAppartenance());
    c.choisirCatégorie(Ans9_12);
    EXPECT_TRUE(c.cadreAppartenance());
    c.choisirAppartenance(Double);
    EXPECT_EQ(c.CodeAppart, 'D');
    EXPECT_EQ(c.etiquette(), "F_3_BD.PLM");
    // A later category keeps the membership character.
    c.choisirCatégorie(Toutes);
    EXPECT_EQ(c.etiquette(), "F_3_TD.PLM");
    c.choisirCatégorie(Ans9_10);
    EXPECT_FALSE(c.cadreAppartenance());
}

TEST(ChoixNouveau, LoweringTheTeamSizeLowersTheRetainedCountOnlyWhenItWouldExceedIt) {
    ChoixNouveau c;
    ASSERT_EQ(c.retenues, 5);
    const int attendues[] = {5, 4, 3};
    for (int attendue : attendues) {
        c.changerEffectif(-1);
        EXPECT_EQ(c.retenues, attendue) << "effectif " << c.effectif;
    }
    EXPECT_EQ(c.effectif, 3);

    c.changerRetenues(+1);
    EXPECT_EQ(c.retenues, 3) << "never above the team size";
    for (int k = 0; k < 5; ++k)
        c.changerEffectif(+1);
    EXPECT_EQ(c.effectif, 6);
    EXPECT_EQ(c.retenues, 3) << "raising the team size leaves the retained count";
    for (int k = 0; k < 8; ++k) {
        c.changerEffectif(-1);
        c.changerRetenues(-1);
    }
    EXPECT_EQ(c.effectif, 1);
    EXPECT_EQ(c.retenues, 1);
}
