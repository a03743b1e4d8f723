#include "data/competition.h"
#include "data/table_ages.h"
#include "platform/ApplicationPalmora.h"
#include "registration/ImportInscriptions.h"
#include "registration/Noms.h"
#include "registration/import_inscriptions.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"
#include "support/pilote_modal.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr char kNom[] = "F_1_PS00.PLM";

struct ImportFenetre : ::testing::Test {
    DossierTemporaire dossier;
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    Competition etat;
    BornesCategories bornes = deriverBornes(anneesDeTable("97989596939491929798959693949192"));
    std::string avant;

    void SetUp() override {
        ecrireFichier(dossier / kNom, fichier({enregistrementProvisoire(kBlocFeminin)}));
        etat.changerDossier(dossier.chemin());
        ASSERT_TRUE(etat.Ouvrir(kNom, dialogues));
        avant = lireFichier(dossier / kNom);
    }
    PlanImport plan(const std::string& lignes) {
        return preparerImport(etat, bornes, "", std::string(kEntetesModele) + lignes);
    }
    // The window opened on the plan, driven by `pilote`; returns how it closed.
    int piloter(const PlanImport& p, std::function<void(ImportInscriptions&)> pilote) {
        piloterModal<ImportInscriptions>(std::move(pilote));
        return executerModal(ImportInscriptions(etat, p, dialogues));
    }
};

void toucheAlt(QWidget& w, Qt::Key k) {
    QTest::keyClick(&w, k, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000));
}

} // namespace

TEST_F(ImportFenetre, AltIImportsTheTeamsAndCloses) {
    const PlanImport p =
        plan("zeta;01 bourg;Dupont;Anne;96;;\r\nvieux;01 bourg;Petit;Anne;93;;\r\n");
    EXPECT_EQ(piloter(p,
                      [](ImportInscriptions& d) {
                          EXPECT_EQ(d.findChild<QListWidget*>("Equipes")->count(), 2);
                          toucheAlt(d, Qt::Key_I);
                      }),
              QDialog::Accepted);
    EXPECT_EQ(etat.nbEquipes(), 1);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_TRUE(dialogues.messages[0].texte.starts_with("1 équipe(s) ajoutée(s)"));
}

TEST_F(ImportFenetre, AnnulerWritesNothingAndNothingToAddDisablesImporter) {
    const PlanImport p = plan("zeta;01 bourg;Dupont;Anne;96;;\r\n");
    EXPECT_EQ(piloter(p, [](ImportInscriptions& d) { toucheAlt(d, Qt::Key_N); }),
              QDialog::Rejected);
    const PlanImport rien = plan("vieux;01 bourg;Petit;Anne;93;;\r\n");
    piloter(rien, [](ImportInscriptions& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>("Importer")->isEnabled());
        EXPECT_EQ(d.findChild<QListWidget*>("Problemes")->count(), 0);
    });
    EXPECT_EQ(lireFichier(dossier / kNom), avant);
    EXPECT_TRUE(dialogues.messages.empty());
}

// Qt's own dialog, in the working folder: a path typed and Enter chooses the file.
TEST_F(ImportFenetre, TheFileIsChosenByTypingItsPath) {
    ecrireFichier(dossier / "club.csv", "");
    piloterModal<QFileDialog>([this](QFileDialog& d) {
        EXPECT_TRUE(d.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(d.directory().absolutePath().toStdString(), dossier.chemin().string());
        EXPECT_EQ(d.nameFilters(), QStringList{"Inscriptions (*.csv *.txt)"});
        QTest::keyClicks(QApplication::focusWidget(), "club.csv");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(choisirFichierInscriptions(dossier.chemin(), nullptr), dossier / "club.csv");
}

// "Im&porter…" saves nothing of the team shown and hands over to the import command.
TEST_F(ImportFenetre, NomsHandsOverToTheImportWithoutSaving) {
    Noms noms(etat, bornes, programme.chemin(), dialogues);
    piloterModal<Noms>([](Noms& n) {
        QTest::keyClicks(n.findChild<QLineEdit*>("NomEquip"), "ALPHA");
        toucheAlt(n, Qt::Key_P);
    });
    EXPECT_EQ(executerModal(noms), Noms::kImporter);
    EXPECT_EQ(lireFichier(dossier / kNom), avant);
}
