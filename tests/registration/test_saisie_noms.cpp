#include "registration/saisie_noms.h"

#include "support/dossier_temporaire.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

TEST(Casse, FirstNamesAreCapitalisedAfterHyphensAndSpaces) {
    EXPECT_EQ(capitaliserPrénom("jean-pierre"), "Jean-Pierre");
    EXPECT_EQ(capitaliserPrénom("JEAN-PIERRE"), "Jean-Pierre");
    EXPECT_EQ(capitaliserPrénom("marie claire"), "Marie Claire");
    EXPECT_EQ(capitaliserPrénom("ÉLOÏSE"), "Éloïse");
    EXPECT_EQ(capitaliserPrénom("éva-ève"), "Éva-Ève");
    // Only a separator among the first 14 characters lifts the next one.
    EXPECT_EQ(capitaliserPrénom("aaaaaaaaaaaaa-b"), "Aaaaaaaaaaaaa-B");
    EXPECT_EQ(capitaliserPrénom("aaaaaaaaaaaaaa-b"), "Aaaaaaaaaaaaaa-b");
    EXPECT_EQ(capitaliserPrénom(""), "");
}

TEST(Casse, UpperCaseCoversTheAccentedLettersOfTheCodePage) {
    EXPECT_EQ(majuscules("42 saint-étienne"), "42 SAINT-ÉTIENNE");
    EXPECT_EQ(majuscules("cœur ÿ š"), "CŒUR Ÿ Š");
    EXPECT_EQ(majuscules("÷ ß"), "÷ ß"); // no upper case of its own
}

TEST(Touches, SurnamesTakeUnaccentedLettersAsTyped) {
    for (const char* bon : {"a", "Z", " ", "'", "-"})
        EXPECT_EQ(toucheNom(bon), std::string(bon));
    for (const char* refuse : {"é", "1", ".", "&"})
        EXPECT_FALSE(toucheNom(refuse)) << refuse;
}

TEST(Touches, FirstNamesAlsoTakeTheAccentedSmallLetters) {
    for (const char* bon : {"a", "Z", "-", "à", "é", "ï", "ü"})
        EXPECT_EQ(touchePrénom(bon), std::string(bon));
    for (const char* refuse : {"÷", "ÿ", "É", "ł", "1"})
        EXPECT_FALSE(touchePrénom(refuse)) << refuse;
}

TEST(Touches, TheMovedUpFlagIsNOOrHInUpperCase) {
    EXPECT_EQ(toucheSurCl("o"), "O");
    EXPECT_EQ(toucheSurCl("H"), "H");
    EXPECT_EQ(toucheSurCl("n"), "N");
    EXPECT_FALSE(toucheSurCl("x"));
    EXPECT_FALSE(toucheSurCl("1"));
}

namespace {

EquipeSaisie equipe(std::string nom, std::string ville, std::vector<LigneGymnaste> lignes = {}) {
    lignes.resize(3);
    return {std::move(nom), std::move(ville), std::move(lignes)};
}

} // namespace

TEST(Focus, TheTeamBoxesMustBeFilledBeforeTheRows) {
    EquipeSaisie e = equipe("", "");
    EXPECT_EQ(entrerBoite(e, {Boite::Ville}), (Place{Boite::NomEquip}));
    e.NomEquip = "alpha";
    EXPECT_EQ(entrerBoite(e, {Boite::Ville}), std::nullopt);
    EXPECT_EQ(e.NomEquip, "ALPHA");
    EXPECT_EQ(entrerBoite(e, {Boite::Nom, 0}), (Place{Boite::Ville}));
    e.Ville = "01 bourg";
    EXPECT_EQ(entrerBoite(e, {Boite::Nom, 0}), std::nullopt);
    EXPECT_EQ(e.Ville, "01 BOURG");
    // Other rows do not look at the team.
    EquipeSaisie sansEquipe = equipe("", "");
    EXPECT_EQ(entrerBoite(sansEquipe, {Boite::Nom, 2}), std::nullopt);
}

TEST(Focus, ARowNeedsItsSurnameThenItsBirthYear) {
    EquipeSaisie e = equipe("ALPHA", "01 BOURG");
    for (Boite b : {Boite::Prénom, Boite::Naissance, Boite::SurCl})
        EXPECT_EQ(entrerBoite(e, {b, 1}), (Place{Boite::Nom, 1}));
    e.lignes[1] = {"dupont", "jean-pierre", "", "", ""};
    EXPECT_EQ(entrerBoite(e, {Boite::Prénom, 1}), std::nullopt);
    EXPECT_EQ(e.lignes[1].Nom, "DUPONT");
    EXPECT_EQ(entrerBoite(e, {Boite::Naissance, 1}), std::nullopt);
    EXPECT_EQ(e.lignes[1].Prénom, "Jean-Pierre");
    EXPECT_EQ(entrerBoite(e, {Boite::SurCl, 1}), (Place{Boite::Naissance, 1}));
    e.lignes[1].Naissance = "95";
    EXPECT_EQ(entrerBoite(e, {Boite::SurCl, 1}), std::nullopt);
    EXPECT_EQ(e.lignes[1].SurCl, "N");
    e.lignes[1].SurCl = "O";
    entrerBoite(e, {Boite::SurCl, 1});
    EXPECT_EQ(e.lignes[1].SurCl, "O");
}

TEST(Entree, EnterFollowsTheTabOrder) {
    DossierTemporaire programme;
    EquipeSaisie e = equipe("ALPHA", "01 BOURG");
    const std::pair<Place, Place> suites[] = {
        {{Boite::NomEquip}, {Boite::Ville}},        {{Boite::Ville}, {Boite::Nom, 0}},
        {{Boite::Nom, 2}, {Boite::Prénom, 2}},      {{Boite::Prénom, 2}, {Boite::Naissance, 2}},
        {{Boite::Naissance, 2}, {Boite::SurCl, 2}}, {{Boite::SurCl, 2}, {Boite::NoLic, 2}},
    };
    for (const auto& [depuis, vers] : suites)
        EXPECT_EQ(toucheEntree(programme.chemin(), e, depuis), vers);
}

TEST(Entree, TheLicenceBoxFillsARowFromTheRegistry) {
    DossierTemporaire programme;
    std::string entree = "0000000123DURAND         L\xE9"
                         "a            96"
                         "01 BOURG";
    entree.resize(62, ' ');
    entree += "O";
    entree.resize(100, ' ');
    ecrireFichier(programme / "Orvane.lic", entree);

    EquipeSaisie e = equipe("ALPHA", "01 BOURG");
    e.lignes[0].NoLic = "123";
    EXPECT_EQ(toucheEntree(programme.chemin(), e, {Boite::NoLic, 0}), (Place{Boite::Nom, 0}));
    EXPECT_EQ(e.lignes[0], (LigneGymnaste{"DURAND", "Léa", "96", "O", "123"}));
    // Once the row has its surname, Enter goes on to the next row.
    EXPECT_EQ(toucheEntree(programme.chemin(), e, {Boite::NoLic, 0}), (Place{Boite::Nom, 1}));

    e.lignes[1].NoLic = "0000000999";
    EXPECT_EQ(toucheEntree(programme.chemin(), e, {Boite::NoLic, 1}), (Place{Boite::Nom, 1}));
    EXPECT_EQ(e.lignes[1], LigneGymnaste{});
    EXPECT_EQ(toucheEntree(programme.chemin(), e, {Boite::NoLic, 1}), (Place{Boite::Nom, 1}));
}

TEST(Entree, EnterInTheLastRowsLicenceBoxValidates) {
    DossierTemporaire programme;
    EquipeSaisie e = equipe("ALPHA", "01 BOURG");
    e.lignes[2].Nom = "DURAND";
    EXPECT_EQ(toucheEntree(programme.chemin(), e, {Boite::NoLic, 2}), std::nullopt);
}
