#include "data/competition.h"
#include "data/echange_licences.h"
#include "data/registre_licences.h"
#include "platform/lecteur_a.h"

#include "cas.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <cerrno>
#include <cstdlib>
#include <deque>
#include <map>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// A licensed gymnast of team ALPHA (first name Anne, born 95, not moved up).
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

TEST(EntreeRegistre, LicenceSurnameFirstNameYearTownAndFlagThenBlanksOnlyForALicence) {
    EXPECT_EQ(entreeDepuisEnreg(licencie("DUPONT", "0000004567")), entree("0000004567", "DUPONT"));
    // A number typed short and padded with blanks is written on ten digits.
    EXPECT_EQ(entreeDepuisEnreg(licencie("DUPONT", "123       ")), entree("0000000123", "DUPONT"));
    EXPECT_FALSE(entreeDepuisEnreg(licencie("DUPONT", "0000000000")));
    EXPECT_FALSE(entreeDepuisEnreg(licencie("DUPONT", "          ")));
    EXPECT_FALSE(entreeDepuisEnreg(slotLibre("ALPHA", "01 BOURG")));
    EXPECT_FALSE(entreeDepuisEnreg(enregistrementProvisoire(kBlocFeminin)));
}

TEST_F(Registre, ShortAndPaddedFormsOfANumberMakeOneEntryAndTheSmallestWholeEntrySurvives) {
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({licencie("DUPONT", "123       ")}));
    ecrireFichier(travail / "F_1_NS01.PLM", fichier({licencie("DUPONT", "0000000123")}));
    EXPECT_TRUE(reconstruire({"F_1_NS00.PLM", "F_1_NS01.PLM"}));
    EXPECT_EQ(lireFichier(registre()), entree("0000000123", "DUPONT"));
    EXPECT_FALSE(fs::exists(programme / "Orvane01.prv"));

    fs::remove(registre());
    ecrireFichier(travail / "A.PLM", fichier({licencie("ZED", "0000000007")}));
    ecrireFichier(travail / "B.PLM", fichier({licencie("ABC", "0000000007")}));
    for (const auto& ordre : {std::vector<std::string>{"A.PLM", "B.PLM"}, {"B.PLM", "A.PLM"}}) {
        EXPECT_TRUE(reconstruire(ordre));
        EXPECT_EQ(lireFichier(registre()), entree("0000000007", "ABC"));
    }
}

TEST_F(Registre, EntriesComeOutSortedEarlierEntriesStayAndUnreadableFilesAreSkipped) {
    // An entry from another working folder, then two gymnasts of this one in reverse order.
    ecrireFichier(registre(), entree("0000000500", "MARTIN"));
    ecrireFichier(
        travail / "F_1_NS00.PLM",
        fichier({licencie("BRUN", "0000000900"), slotLibre("ALPHA", "01 BOURG"),
                 licencie("DUPONT", "0000000042", "38 VIENNE"), licencie("SANS", "0000000000")}));
    fs::create_directory(travail / "DOSSIER.PLM");
    ASSERT_TRUE(etat.Ouvrir("F_1_NS00.PLM", dialogues));
    EXPECT_TRUE(reconstruire({"DOSSIER.PLM", "DISPARU.PLM", "F_1_NS00.PLM"}));
    EXPECT_FALSE(etat.ouvert()) << "the rebuild closes the open competition";
    EXPECT_EQ(lireFichier(registre()), entree("0000000042", "DUPONT", "38 VIENNE") +
                                           entree("0000000500", "MARTIN") +
                                           entree("0000000900", "BRUN"));
}

TEST_F(Registre, AnEmptyRebuildOrALookupInAMissingRegistryLeavesItEmpty) {
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({enregistrementProvisoire(kBlocFeminin)}));
    EXPECT_TRUE(reconstruire({"F_1_NS00.PLM"}));
    EXPECT_EQ(fs::file_size(registre()), 0u);
    EXPECT_FALSE(fs::exists(programme / "Orvane01.prv"));
    fs::remove(registre());
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 1));
    EXPECT_EQ(fs::file_size(registre()), 0u);
}

TEST_F(Registre, LookupFindsTheFirstEntryOfTheNumberInRecordOrderReadFromWindows1252) {
    std::string brut = entree("0000000123", "DUPONT") + entree("0000000123", "AUTRE") +
                       entree("0000000124", "MARTIN");
    brut[64] = 'X'; // bytes past the flag are not read
    ecrireFichier(registre(), brut);
    EXPECT_EQ(ChercherLicence(programme.chemin(), 123),
              (EntreeLicence{"0000000123", "DUPONT", "Anne", "95", "01 BOURG", "N"}));
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 125));

    Enregistrement e = licencie("LÉA", "0000000003");
    e.poser(champs::Prénom, "H\xE9l\xE8ne"); // Hélène
    ecrireFichier(travail / "F_1_NS00.PLM", fichier({e}));
    reconstruire({"F_1_NS00.PLM"});
    const auto trouvee = ChercherLicence(programme.chemin(), 3);
    ASSERT_TRUE(trouvee);
    EXPECT_EQ(trouvee->Nom + " " + trouvee->Prénom, "LÉA Hélène");
}

namespace {

// A drive whose next failures are scripted; without one it behaves as a medium would.
struct LecteurFactice : LecteurA {
    std::map<std::string, std::string, std::less<>> fichiers;
    mutable std::deque<int> pannes;

    int ecrire(std::string_view nom, std::string_view contenu) override {
        if (int erreur = panne()) return erreur;
        fichiers[std::string(nom)] = contenu;
        return 0;
    }
    int lire(std::string_view nom, std::string& contenu) const override {
        if (int erreur = panne()) return erreur;
        const auto it = fichiers.find(nom);
        if (it == fichiers.end()) return ENOENT;
        contenu = it->second;
        return 0;
    }
    int panne() const {
        const int erreur = pannes.empty() ? 0 : pannes.front();
        if (!pannes.empty()) pannes.pop_front();
        return erreur;
    }
};

// "9:ZED 1:ABC abc": entries of those numbers and surnames, other words as they are.
std::optional<std::string> entrees(const std::string& texte) {
    if (texte == "-") return std::nullopt;
    std::istringstream mots(texte);
    std::string octets;
    for (std::string m; mots >> m;) {
        const std::size_t deux = m.find(':');
        octets +=
            deux == std::string::npos
                ? m
                : entreeNue(std::string(10 - deux, '0') + m.substr(0, deux), m.substr(deux + 1));
    }
    return octets;
}

} // namespace

TEST(Echange, TableOfExportsAndImportsWithTheDrivesFailures) {
    const std::map<std::string, int> erreurs = {{"ENOMEDIUM", ENOMEDIUM},
                                                {"EROFS", EROFS},
                                                {"ENOSPC", ENOSPC},
                                                {"EACCES", EACCES},
                                                {"EIO", EIO}};
    for (const Cas& c : lireCas("echanges.txt")) {
        SCOPED_TRACE(c.ligne);
        DossierTemporaire programme;
        DialoguesScriptes dialogues;
        LecteurFactice lecteur;
        Competition etat;
        if (auto r = entrees(c[1])) ecrireFichier(programme / "Orvane.lic", *r);
        if (auto r = entrees(c[2])) lecteur.fichiers["Orvane.cop"] = *r;
        std::istringstream pannes(c[3]), reponses(c[4]);
        for (std::string p; pannes >> p;)
            lecteur.pannes.push_back(erreurs.at(p));
        for (std::string r; reponses >> r;)
            dialogues.reponses.push_back(r == "R" ? Reponse::Reessayer : Reponse::Annuler);
        if (c[0] == "export")
            ExporterRegistre(etat, programme.chemin(), lecteur, dialogues);
        else
            ImporterRegistre(etat, programme.chemin(), lecteur, dialogues);
        EXPECT_EQ(vus(dialogues), c[5]);
        EXPECT_EQ(fs::exists(programme / "Orvane.lic")
                      ? std::optional(lireFichier(programme / "Orvane.lic"))
                      : std::nullopt,
                  entrees(c[6]));
        const auto copie = lecteur.fichiers.find("Orvane.cop");
        EXPECT_EQ(copie == lecteur.fichiers.end() ? std::nullopt : std::optional(copie->second),
                  entrees(c[7]));
        EXPECT_FALSE(fs::exists(programme / "Orvane.cop") ||
                     fs::exists(programme / "Orvane01.prv"));
    }
}

TEST(Echange, ExportAndImportCloseTheOpenCompetition) {
    DossierTemporaire travail;
    DialoguesScriptes dialogues;
    LecteurFactice lecteur;
    Competition etat;
    ecrireFichier(travail / "F_1_NS00.PLM", std::string(300, ' '));
    etat.changerDossier(travail.chemin());
    ASSERT_TRUE(etat.Ouvrir("F_1_NS00.PLM", dialogues));
    ExporterRegistre(etat, travail.chemin(), lecteur, dialogues);
    EXPECT_FALSE(etat.ouvert());
    ASSERT_TRUE(etat.Ouvrir("F_1_NS00.PLM", dialogues));
    ImporterRegistre(etat, travail.chemin(), lecteur, dialogues);
    EXPECT_FALSE(etat.ouvert());
}

// The real drive, pointed at a folder through PALMORA_LECTEUR_A; a folder that does not exist
// is a drive without medium.
TEST(LecteurSysteme, WritesReplacesAndReadsBackOnTheNamedFolder) {
    DossierTemporaire support;
    ::setenv("PALMORA_LECTEUR_A", support.chemin().c_str(), 1);
    LecteurASysteme lecteur;
    EXPECT_EQ(dossierLecteurA(), support.chemin());
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "ancienne copie plus longue"), 0);
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "copie"), 0);
    std::string lu;
    EXPECT_EQ(lecteur.lire("Orvane.cop", lu), 0);
    EXPECT_EQ(lu, "copie");
    EXPECT_EQ(lecteur.lire("Absent.cop", lu), ENOENT);
    ::setenv("PALMORA_LECTEUR_A", (support / "retiré").c_str(), 1);
    EXPECT_FALSE(dossierLecteurA());
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "copie"), ENOMEDIUM);
    EXPECT_EQ(lecteur.lire("Orvane.cop", lu), ENOMEDIUM);
    ::unsetenv("PALMORA_LECTEUR_A");
}
