#include "data/cp1252.h"
#include "registration/lignes_import.h"

#include <gtest/gtest.h>

using namespace palmora;

namespace {

std::size_t k(Colonne c) {
    return static_cast<std::size_t>(c);
}

// Every column, in the order of the model file.
const Colonnes kToutes = {0, 1, 2, 3, 4, 5, 6};

// A registry entry: licence, surname, first name, year, town, flag, then blanks.
std::string entree(std::string_view licence, std::string_view nom, std::string_view prenom,
                   std::string_view annee, char surCl) {
    const auto pad = [](std::string_view t, std::size_t n) {
        std::string s(t);
        s.resize(n, ' ');
        return s;
    };
    return pad(licence, 10) + pad(nom, 15) + pad(versCp1252(prenom), 15) + pad(annee, 2) +
           pad("", 20) + surCl + std::string(37, ' ');
}

} // namespace

TEST(ColonnesImport, HeadersAreFoundInAnyOrderCaseAndAccents) {
    const auto c = trouverColonnes({"N° Licence", " CLUB ", "Né(e) en", "Prénom", "ville", "Nom",
                                    "Surclassement", "Remarques"});
    ASSERT_TRUE(c);
    EXPECT_EQ((*c)[k(Colonne::Equipe)], 1u);
    EXPECT_EQ((*c)[k(Colonne::Ville)], 4u);
    EXPECT_EQ((*c)[k(Colonne::Nom)], 5u);
    EXPECT_EQ((*c)[k(Colonne::Prénom)], 3u);
    EXPECT_EQ((*c)[k(Colonne::Naissance)], 2u);
    EXPECT_EQ((*c)[k(Colonne::SurCl)], 6u);
    EXPECT_EQ((*c)[k(Colonne::NoLic)], 0u);
    EXPECT_EQ((*trouverColonnes({"Equipe", "Ville", "Nom", "AN", "No licence"}))[k(Colonne::NoLic)],
              4u);
    EXPECT_FALSE(trouverColonnes({"Equipe", "Nom", "Prenom"})); // no town
    EXPECT_FALSE(trouverColonnes({"Ville", "Nom", "Prenom"}));  // no team
}

// Each field becomes what the registration box would have stored typed.
TEST(LigneImport, FieldsAreStoredAsTheBoxesStoreThem) {
    struct Cas {
        std::vector<std::string> champs;
        LigneGymnaste attendu;
        std::string refus;
    };
    const Cas cas[] = {
        {{"gym", "01 bourg", "dupont", "JEAN-PIERRE", "1996", "", ""},
         {"DUPONT", "Jean-Pierre", "96", "N", ""},
         ""},
        {{"gym", "01 bourg", "Lefèvre-Ødegård", "élodie", "96", "o", "0123"},
         {"LEFEVRE-ODEGARD", "Élodie", "96", "O", "0123"},
         ""},
        {{"gym", "01 bourg", "d'Artagnan", "anne", "95", "h", ""},
         {"D'ARTAGNAN", "Anne", "95", "H", ""},
         ""},
        {{"gym", "01 bourg", "Dupont2", "Anne", "95", "", ""},
         {},
         "caractère « 2 » refusé dans le nom"},
        {{"gym", "01 bourg", "Dupont", "Anne", "95", "X", ""},
         {},
         "surclassement « X » refusé (N, O ou H)"},
        {{"gym", "01 bourg", "Dupont", "Anne", "95", "", "12a"},
         {},
         "n° de licence « 12a » refusé"},
        {{"gym", "01 bourg", "Dupont", "Anne", "95", "", "12345678901"},
         {},
         "n° de licence « 12345678901 » refusé"},
    };
    for (const Cas& c : cas) {
        std::vector<Probleme> problemes;
        const auto l = lireLigneImport({7, c.champs}, kToutes, "", problemes);
        ASSERT_TRUE(l) << c.champs[2];
        EXPECT_EQ(l->NomEquip, "GYM");
        EXPECT_EQ(l->Ville, "01 BOURG");
        EXPECT_EQ(l->refus, c.refus) << c.champs[2];
        if (c.refus.empty()) {
            EXPECT_EQ(l->gymnaste, c.attendu) << c.champs[2];
        }
        EXPECT_TRUE(problemes.empty()) << c.champs[2];
    }
}

TEST(LigneImport, CutsUnreadableYearsAndMissingFieldsAreListed) {
    std::vector<Probleme> problemes;
    const auto l = lireLigneImport(
        {4, {"gym", "01 bourg", "Vandenberghe-Delacroix", "Marie-Antoinette-Jo", "vers 96"}},
        {0, 1, 2, 3, 4}, "", problemes);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->gymnaste, (LigneGymnaste{"VANDENBERGHE-DE", "Marie-Antoinett", "", "N", ""}));
    EXPECT_EQ(problemes,
              (std::vector<Probleme>{{4, "année de naissance « vers 96 » illisible"},
                                     {4, "nom coupé à 15 caractères : « VANDENBERGHE-DE »"},
                                     {4, "prénom coupé à 15 caractères : « Marie-Antoinett »"}}));
    problemes.clear();
    EXPECT_FALSE(lireLigneImport({5, {"gym", "", "Dupont"}}, kToutes, "", problemes));
    EXPECT_EQ(problemes,
              (std::vector<Probleme>{{5, "équipe, ville ou nom manquant : ligne ignorée"}}));
}

// As the licence box: the registry fills what the line leaves empty; the line wins elsewhere.
TEST(LigneImport, TheLicenceRegistryFillsWhatTheLineLeavesEmpty) {
    const std::string registre = entree("0000000042", "MARTIN", "Léa", "96", 'O') +
                                 entree("0000000123", "DURAND", "Zoé", "95", 'N');
    std::vector<Probleme> problemes;
    const auto seule = lireLigneImport({2, {"gym", "01 bourg", "", "", "", "", "42"}}, kToutes,
                                       registre, problemes);
    ASSERT_TRUE(seule);
    EXPECT_EQ(seule->gymnaste, (LigneGymnaste{"MARTIN", "Léa", "96", "O", "42"}));
    EXPECT_TRUE(problemes.empty());
    const auto differente = lireLigneImport(
        {3, {"gym", "01 bourg", "Durand", "Chloé", "", "", "123"}}, kToutes, registre, problemes);
    ASSERT_TRUE(differente);
    EXPECT_EQ(differente->gymnaste, (LigneGymnaste{"DURAND", "Chloé", "95", "N", "123"}));
    EXPECT_EQ(problemes, (std::vector<Probleme>{
                             {3, "prénom « Chloé », le registre des licences donne « Zoé »"}}));
}
