#include "data/competition.h"
#include "data/registre_licences.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// A licensed gymnast of team ALPHA, 01 BOURG (first name Anne, born 95, not moved up).
Enregistrement licencie(std::string_view nom, std::string_view licence,
                        std::string_view ville = "01 BOURG") {
    return palmora::test::licencie("ALPHA", ville, nom, licence);
}

// The registry entry of such a gymnast, written out field by field.
std::string entree(std::string_view licence, std::string_view nom,
                   std::string_view ville = "01 BOURG") {
    std::string e = std::string(licence) + std::string(nom);
    e.resize(25, ' ');
    e += "Anne           95" + std::string(ville);
    e.resize(62, ' ');
    e += "N";
    e.resize(100, ' ');
    return e;
}

struct Registre : ::testing::Test {
    DossierTemporaire travail;
    DossierTemporaire programme;
    Competition etat;
    DialoguesScriptes dialogues;

    Registre() { etat.changerDossier(travail.chemin()); }
    fs::path registre() const { return programme / "Orvane.lic"; }
    bool reconstruire(const std::vector<std::string>& fichiers) {
        return ReconstruireRegistre(etat, programme.chemin(), fichiers, dialogues);
    }
};

} // namespace

TEST(EntreeRegistre, TakesLicenceSurnameFirstNameYearTownAndFlagThenBlanks) {
    EXPECT_EQ(entreeDepuisEnreg(licencie("DUPONT", "0000004567")), entree("0000004567", "DUPONT"));
    // A number typed short and padded with blanks is written on ten digits.
    EXPECT_EQ(entreeDepuisEnreg(licencie("DUPONT", "123       ")), entree("0000000123", "DUPONT"));
}

TEST(EntreeRegistre, GymnastsWithoutLicenceEmptySlotsAndPlaceholderGiveNothing) {
    EXPECT_FALSE(entreeDepuisEnreg(licencie("DUPONT", "0000000000")));
    EXPECT_FALSE(entreeDepuisEnreg(licencie("DUPONT", "          ")));
    EXPECT_FALSE(entreeDepuisEnreg(slotLibre("ALPHA", "01 BOURG")));
    EXPECT_FALSE(entreeDepuisEnreg(enregistrementProvisoire(kBlocFeminin)));
}

TEST_F(Registre, ShortAndPaddedFormsOfANumberMakeOneEntry) {
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({licencie("DUPONT", "123       ")}));
    ecrireFichier(travail / "F_1_NS01.PLM", fichier({licencie("DUPONT", "0000000123")}));
    EXPECT_TRUE(reconstruire({"F_1_NS00.PLM", "F_1_NS01.PLM"}));
    EXPECT_EQ(lireFichier(registre()), entree("0000000123", "DUPONT"));
    EXPECT_FALSE(fs::exists(programme / "Orvane01.prv"));
}

TEST_F(Registre, TheSmallestWholeEntryOfANumberSurvivesWhicheverFileCameLast) {
    ecrireFichier(travail / "A.PLM", fichier({licencie("ZED", "0000000007")}));
    ecrireFichier(travail / "B.PLM", fichier({licencie("ABC", "0000000007")}));
    EXPECT_TRUE(reconstruire({"A.PLM", "B.PLM"}));
    EXPECT_EQ(lireFichier(registre()), entree("0000000007", "ABC"));
    EXPECT_TRUE(reconstruire({"B.PLM", "A.PLM"}));
    EXPECT_EQ(lireFichier(registre()), entree("0000000007", "ABC"));
}

TEST_F(Registre, EntriesComeOutSortedAndEarlierEntriesStay) {
    // An entry from another working folder, then two gymnasts of this one in reverse order.
    ecrireFichier(registre(), entree("0000000500", "MARTIN"));
    ecrireFichier(
        travail / "F_1_NS00.PLM",
        fichier({licencie("BRUN", "0000000900"), slotLibre("ALPHA", "01 BOURG"),
                 licencie("DUPONT", "0000000042", "38 VIENNE"), licencie("SANS", "0000000000")}));
    EXPECT_TRUE(reconstruire({"F_1_NS00.PLM"}));
    EXPECT_EQ(lireFichier(registre()), entree("0000000042", "DUPONT", "38 VIENNE") +
                                           entree("0000000500", "MARTIN") +
                                           entree("0000000900", "BRUN"));
}

TEST_F(Registre, AnEmptyRebuildLeavesAnEmptyRegistryAndNoSortedCopy) {
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({enregistrementProvisoire(kBlocFeminin)}));
    EXPECT_TRUE(reconstruire({"F_1_NS00.PLM"}));
    ASSERT_TRUE(fs::exists(registre()));
    EXPECT_EQ(fs::file_size(registre()), 0u);
    EXPECT_FALSE(fs::exists(programme / "Orvane01.prv"));
}

TEST_F(Registre, AFileThatCannotBeReadIsSkipped) {
    fs::create_directory(travail / "DOSSIER.PLM");
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({licencie("DUPONT", "0000000001")}));
    EXPECT_TRUE(reconstruire({"DOSSIER.PLM", "DISPARU.PLM", "F_1_NS00.PLM"}));
    EXPECT_EQ(lireFichier(registre()), entree("0000000001", "DUPONT"));
}

TEST_F(Registre, TheRebuildClosesTheOpenCompetition) {
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({licencie("DUPONT", "0000000001")}));
    ASSERT_TRUE(etat.Ouvrir("F_1_NS00.PLM", dialogues));
    reconstruire({"F_1_NS00.PLM"});
    EXPECT_FALSE(etat.ouvert());
}

TEST_F(Registre, LookupFindsTheFirstEntryOfTheNumberInRecordOrder) {
    std::string brut = entree("0000000123", "DUPONT") + entree("0000000123", "AUTRE") +
                       entree("0000000124", "MARTIN");
    brut[64] = 'X'; // bytes past the flag are not read
    ecrireFichier(registre(), brut);
    const auto trouvee = ChercherLicence(programme.chemin(), 123);
    ASSERT_TRUE(trouvee);
    EXPECT_EQ(*trouvee, (EntreeLicence{"0000000123", "DUPONT", "Anne", "95", "01 BOURG", "N"}));
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 125));
}

TEST_F(Registre, LookupInAMissingRegistryCreatesItEmptyAndFindsNothing) {
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 1));
    ASSERT_TRUE(fs::exists(registre()));
    EXPECT_EQ(fs::file_size(registre()), 0u);
}

TEST_F(Registre, AccentedNamesAreReadBackFromWindows1252) {
    Enregistrement e = licencie("LÉA", "0000000003");
    e.poser(champs::Prénom, "H\xE9l\xE8ne"); // Hélène
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({e}));
    reconstruire({"F_1_NS00.PLM"});
    const auto trouvee = ChercherLicence(programme.chemin(), 3);
    ASSERT_TRUE(trouvee);
    EXPECT_EQ(trouvee->Nom, "LÉA");
    EXPECT_EQ(trouvee->Prénom, "Hélène");
}
