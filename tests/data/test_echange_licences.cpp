#include "data/competition.h"
#include "data/echange_licences.h"
#include "platform/lecteur_a.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <cerrno>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <map>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

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

private:
    int panne() const {
        if (pannes.empty()) return 0;
        const int erreur = pannes.front();
        pannes.pop_front();
        return erreur;
    }
};

struct Echange : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    LecteurFactice lecteur;
    Competition etat;

    fs::path registre() const { return programme / "Orvane.lic"; }
    void exporter() { ExporterRegistre(etat, programme.chemin(), lecteur, dialogues); }
    void importer() { ImporterRegistre(etat, programme.chemin(), lecteur, dialogues); }
    std::vector<std::string> textes() const {
        std::vector<std::string> t;
        for (const Message& m : dialogues.messages)
            t.push_back(m.titre + ": " + m.texte);
        return t;
    }
};

} // namespace

TEST_F(Echange, ExportCopiesTheRegistryUnchangedAndSaysSo) {
    const std::string brut =
        entreeNue("0000000009", "ZED") + entreeNue("0000000001", "ABC") + "abc";
    ecrireFichier(registre(), brut);
    exporter();
    EXPECT_EQ(lecteur.fichiers["Orvane.cop"], brut);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(textes()[0], "Palmora: Fichier n° de licence copié sur A:");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Information);
}

TEST_F(Echange, ExportWithoutMediumAsksForOneAndCopiesOnRetry) {
    ecrireFichier(registre(), entreeNue("0000000001", "ABC"));
    lecteur.pannes = {ENOMEDIUM};
    dialogues.reponses = {Reponse::Reessayer};
    exporter();
    ASSERT_EQ(dialogues.messages.size(), 2u);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "Mettre une disquette formatée\ndans le lecteur A");
    EXPECT_EQ(m.titre, "Exportation");
    EXPECT_EQ(m.icone, Icone::Critique);
    EXPECT_EQ(m.boutons, Boutons::ReessayerAnnuler);
    EXPECT_EQ(m.defaut, Reponse::Annuler);
    EXPECT_EQ(lecteur.fichiers["Orvane.cop"], entreeNue("0000000001", "ABC"));
}

TEST_F(Echange, ExportFailuresAreNamedByKindAndCancelEndsTheExport) {
    ecrireFichier(registre(), entreeNue("0000000001", "ABC"));
    lecteur.pannes = {EROFS, ENOSPC, EACCES};
    dialogues.reponses = {Reponse::Reessayer, Reponse::Reessayer, Reponse::Annuler};
    exporter();
    EXPECT_EQ(textes(), (std::vector<std::string>{
                            "Exportation: Enlever la protection de la disquette\ndans le lecteur A",
                            "Exportation: La disquette dans le lecteur A\nest pleine : changer la "
                            "disquette",
                            "Exportation: Enlever la protection de la disquette\ndans le lecteur A",
                        }));
    EXPECT_TRUE(lecteur.fichiers.empty());
}

TEST_F(Echange, ExportOfAMissingRegistryIsReportedOnce) {
    exporter();
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Le fichier n° de licence\nn'existe pas");
    EXPECT_EQ(dialogues.messages[0].boutons, Boutons::Ok);
    EXPECT_TRUE(lecteur.fichiers.empty());
}

TEST_F(Echange, AnyOtherExportFailureEndsSilently) {
    ecrireFichier(registre(), entreeNue("0000000001", "ABC"));
    lecteur.pannes = {EIO};
    exporter();
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Echange, ExportAndImportCloseTheOpenCompetition) {
    DossierTemporaire travail;
    ecrireFichier(travail / "F_1_NS00.PLM", std::string(300, ' '));
    etat.changerDossier(travail.chemin());
    for (auto commande : {&Echange::exporter, &Echange::importer}) {
        ASSERT_TRUE(etat.Ouvrir("F_1_NS00.PLM", dialogues));
        (this->*commande)();
        EXPECT_FALSE(etat.ouvert());
        EXPECT_FALSE(etat.ouvert());
    }
}

TEST_F(Echange, ImportMergesKeepingTheSmallestEntryOfEachNumber) {
    ecrireFichier(registre(), entreeNue("0000000007", "ZED") + entreeNue("0000000002", "LOCAL"));
    lecteur.fichiers["Orvane.cop"] =
        entreeNue("0000000007", "ABC") + entreeNue("0000000005", "DISK");
    importer();
    EXPECT_EQ(lireFichier(registre()), entreeNue("0000000002", "LOCAL") +
                                           entreeNue("0000000005", "DISK") +
                                           entreeNue("0000000007", "ABC"));
    EXPECT_EQ(textes(),
              (std::vector<std::string>{"Palmora: Fichier des n° de licence\n    mis à jour."}));
    EXPECT_FALSE(fs::exists(programme / "Orvane.cop"));
    EXPECT_FALSE(fs::exists(programme / "Orvane01.prv"));
}

TEST_F(Echange, ImportOfTheSameEntriesChangesNothing) {
    const std::string brut = entreeNue("0000000001", "ABC") + entreeNue("0000000002", "DEF");
    ecrireFichier(registre(), brut);
    lecteur.fichiers["Orvane.cop"] = brut;
    importer();
    EXPECT_EQ(lireFichier(registre()), brut);
}

TEST_F(Echange, ImportWithoutTheCopyOnTheMediumLeavesTheRegistryAlone) {
    const std::string brut = entreeNue("0000000002", "DEF") + entreeNue("0000000001", "ABC");
    ecrireFichier(registre(), brut);
    importer();
    EXPECT_EQ(textes(), (std::vector<std::string>{
                            "Exportation: Le fichier n° de licence\nn'existe pas sur A:"}));
    EXPECT_EQ(lireFichier(registre()), brut);
}

TEST_F(Echange, ImportWithoutMediumAsksAgainUntilCancelled) {
    lecteur.pannes = {ENOMEDIUM, ENOMEDIUM};
    lecteur.fichiers["Orvane.cop"] = entreeNue("0000000001", "ABC");
    dialogues.reponses = {Reponse::Reessayer, Reponse::Annuler};
    importer();
    ASSERT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(dialogues.messages[1].texte,
              "Mettre la disquette contenant le fichier\nn° de licence dans le lecteur A");
    EXPECT_EQ(dialogues.messages[1].defaut, Reponse::Annuler);
    EXPECT_FALSE(fs::exists(registre()));
}

TEST_F(Echange, ImportRetriedOnceTheMediumIsInMerges) {
    lecteur.pannes = {ENOMEDIUM};
    lecteur.fichiers["Orvane.cop"] = entreeNue("0000000001", "ABC");
    dialogues.reponses = {Reponse::Reessayer};
    importer();
    EXPECT_EQ(lireFichier(registre()), entreeNue("0000000001", "ABC"));
}

// The real drive, pointed at a folder through PALMORA_LECTEUR_A.
struct LecteurSysteme : ::testing::Test {
    DossierTemporaire support;
    void SetUp() override { ::setenv("PALMORA_LECTEUR_A", support.chemin().c_str(), 1); }
    void TearDown() override { ::unsetenv("PALMORA_LECTEUR_A"); }
};

TEST_F(LecteurSysteme, WritesReplacesAndReadsBackOnTheNamedFolder) {
    LecteurASysteme lecteur;
    EXPECT_EQ(dossierLecteurA(), support.chemin());
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "ancienne copie plus longue"), 0);
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "copie"), 0);
    std::string lu;
    EXPECT_EQ(lecteur.lire("Orvane.cop", lu), 0);
    EXPECT_EQ(lu, "copie");
    EXPECT_EQ(lecteur.lire("Absent.cop", lu), ENOENT);
}

TEST_F(LecteurSysteme, AFolderThatDoesNotExistIsADriveWithoutMedium) {
    ::setenv("PALMORA_LECTEUR_A", (support / "retiré").c_str(), 1);
    LecteurASysteme lecteur;
    std::string lu;
    EXPECT_FALSE(dossierLecteurA());
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "copie"), ENOMEDIUM);
    EXPECT_EQ(lecteur.lire("Orvane.cop", lu), ENOMEDIUM);
}
