#include "app/demarrage.h"
#include "app/liste_compet.h"
#include "data/dates.h"
#include "platform/version.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

constexpr DateHeure k5Decembre2026{2026, 12, 5, 9, 30, 0};

struct Demarrage : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    fs::path jour = programme / "05 décembre 2026";
    fs::path avant = fs::current_path();
    void TearDown() override { fs::current_path(avant); }
};

} // namespace

TEST(Dates, FrenchTextsOfTheDay) {
    EXPECT_EQ(nomDossierDuJour(k5Decembre2026), "05 décembre 2026");
    EXPECT_EQ(nomDossierDuJour({2027, 2, 28}), "28 février 2027");
    const TextesDate t = textesDate({2026, 8, 1});
    EXPECT_EQ(t.jour + "|" + t.mois + "|" + t.annee, "01| août |2026");
    EXPECT_EQ(dateCourte(k5Decembre2026), "05/12/2026");
    EXPECT_EQ(heureCourte({2026, 12, 5, 9, 3, 7}), "09:03:07");
}

TEST(Version, MajorDotMinorThenTheRevision) {
    EXPECT_EQ(legendeVersion(4, 0, 1), "Palmora - Version 4.01");
    EXPECT_EQ(legendeVersion(1, 0, 0), "Palmora - Version 1.00");
}

TEST_F(Demarrage, AnExistingDayFolderIsUsedWithoutAsking) {
    fs::create_directory(jour);
    const DossierDuJour r = preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues);
    EXPECT_EQ(r.issue, IssueDossier::Pret);
    EXPECT_EQ(r.dossier, jour);
    EXPECT_EQ(fs::current_path(), jour);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Demarrage, AMissingDayFolderIsCreatedOnYes) {
    dialogues.reponses = {Reponse::Oui};
    const DossierDuJour r = preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues);
    EXPECT_EQ(r.issue, IssueDossier::Pret);
    EXPECT_TRUE(fs::is_directory(jour));
    EXPECT_EQ(fs::current_path(), jour);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte,
              "Le dossier \n" + jour.string() + "\nn'existe pas.\n\nSouhaitez-vous le créer ?");
    EXPECT_EQ(m.titre, "Dossier de travail");
    EXPECT_EQ(m.icone, Icone::Question);
    EXPECT_EQ(m.boutons, Boutons::OuiNonAnnuler);
    EXPECT_EQ(m.defaut, Reponse::Non);

    // The next start the same day uses it without asking.
    dialogues.messages.clear();
    EXPECT_EQ(preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues).issue,
              IssueDossier::Pret);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Demarrage, NoLeavesTheChoiceToTheFolderDialogAndCancelEndsTheProgram) {
    dialogues.reponses = {Reponse::Non, Reponse::Annuler};
    EXPECT_EQ(preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues).issue,
              IssueDossier::ChoisirDossier);
    EXPECT_EQ(preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues).issue,
              IssueDossier::Quitter);
    EXPECT_FALSE(fs::exists(jour));
}

TEST_F(Demarrage, AFileInTheWayOfTheDayFolderLeadsToTheFolderDialog) {
    ecrireFichier(jour, "pas un dossier");
    const DossierDuJour r = preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues);
    EXPECT_EQ(r.issue, IssueDossier::ChoisirDossier);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
}

TEST_F(Demarrage, TheProgramFolderIsRefusedAsWorkingFolderButNotItsSubFolders) {
    fs::create_directory(jour);
    EXPECT_FALSE(accepterDossierTravail(programme.chemin(), programme.chemin(), dialogues));
    EXPECT_FALSE(accepterDossierTravail(jour / "..", programme.chemin(), dialogues));
    ASSERT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Le dossier de travail doit être\ndifférent du dossier programme.");
    EXPECT_EQ(dialogues.messages[0].titre, "Choix incorrect");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);

    EXPECT_TRUE(accepterDossierTravail(jour, programme.chemin(), dialogues));
    EXPECT_EQ(fs::current_path(), jour);
}

TEST(ListeCompet, Lists_plm_FilesInAnyCaseSortedByName) {
    DossierTemporaire d;
    for (const char* nom :
         {"M_X_TS00.PLM", "F_1_NS00.PLM", "essai.plm", "notes.txt", "F_1_NS01.PLM"})
        ecrireFichier(d / nom, "");
    fs::create_directory(d / "DOSSIER.PLM");
    EXPECT_EQ(
        listerCompetitions(d.chemin()),
        (std::vector<std::string>{"F_1_NS00.PLM", "F_1_NS01.PLM", "M_X_TS00.PLM", "essai.plm"}));
    EXPECT_TRUE(listerCompetitions(d / "absent").empty());
}
