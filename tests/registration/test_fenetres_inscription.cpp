#include "registration/inscriptions.h"

#include "platform/ApplicationPalmora.h"
#include "registration/ImportInscriptions.h"
#include "registration/Noms.h"
#include "registration/import_inscriptions.h"

#include "support/pilote_modal.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

#include <memory>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

struct Fenetre : Ouverte {
    DossierTemporaire programme;
    std::unique_ptr<Noms> noms;

    void montrer(const std::string& contenu) {
        ouvrir(contenu);
        noms = std::make_unique<Noms>(etat, bornes, programme.chemin(), dialogues);
        noms->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(noms.get()));
    }
    QLineEdit* boite(const QString& nom) const { return noms->findChild<QLineEdit*>(nom); }
    QString texte(const QString& nom) const {
        return boite(nom) ? boite(nom)->text() : noms->findChild<QLabel*>(nom)->text();
    }
    bool visible(const char* nom) const { return noms->findChild<QWidget*>(nom)->isVisible(); }
    void cliquer(const char* nom) { noms->findChild<QPushButton*>(nom)->click(); }
    QString focus() const {
        QCoreApplication::processEvents(); // focus sent back by a box takes one turn
        return QApplication::focusWidget()->objectName();
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
        QCoreApplication::processEvents();
    }
    void saisir(std::initializer_list<const char*> textes) {
        for (const char* t : textes) {
            QTest::keyClicks(QApplication::focusWidget(), t);
            touche(Qt::Key_Return);
        }
    }
    void TearDown() override { noms.reset(); }
};

void toucheAlt(QWidget& w, Qt::Key k) {
    QTest::keyClick(&w, k, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000));
}

} // namespace

// What the acceptance run does not walk: labels, key filters, focus sent back, F12, registry.
TEST_F(Fenetre, ATeamTypedWithTheKeyboardIsValidatedByEnterInTheLastLicenceBox) {
    fs::copy_file(kFixtures / "registre.lic", programme / "Orvane.lic");
    montrer(fichier({enregistrementProvisoire("0220004444")})); // teams of 2
    QSignalSpy enregistree(noms.get(), &Noms::equipeEnregistree);
    EXPECT_EQ(noms->windowTitle() + texte("NombreEquipes") + texte("NuméroEquipe") +
                  texte("Description"),
              "Saisie des équipes0 équipeNom de l'équipe n° 1"
              "Féminines Niveau 1 . 9-10 ans . Simple appartenance");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(visible(qPrintable(QString("NoLic%1").arg(i))), i < 2) << i;
    for (const char* l : {"Effacer", "Précédente", "AidePrécédente", "Suivante", "AideSuivante"})
        EXPECT_FALSE(visible(l) && noms->findChild<QWidget*>(l)->isEnabled()) << l;
    boite("Prénom1")->setFocus();
    EXPECT_EQ(focus(), "Nom1");
    QTest::keyClicks(boite("Nom1"), "a1");
    QTest::keyClicks(boite("SurCl1"), "x");
    QTest::keyClicks(boite("NoLic1"), "&\"");
    QTest::sendKeyEvent(QTest::Click, boite("NoLic1"), Qt::Key_Eacute, "é", Qt::NoModifier);
    EXPECT_EQ(texte("Nom1") + texte("SurCl1") + texte("NoLic1"), "a132");
    EXPECT_EQ(dialogues.bips, 2);
    boite("Nom1")->clear();
    boite("NoLic1")->clear();
    boite("NomEquip")->setFocus();
    saisir({"alpha", "01 bourg", "dupont", "jean-pierre", "95"});
    EXPECT_EQ(texte("NomEquip") + texte("Prénom0") + boite("SurCl0")->selectedText(),
              "ALPHAJean-PierreN");
    saisir({"", "123"});
    EXPECT_EQ(etat.NbEnreg(), 1); // nothing written yet
    touche(Qt::Key_F12);
    EXPECT_EQ(focus(), "NoLic1");
    saisir({"42"});
    EXPECT_EQ(texte("Prénom1"), "Léa");
    saisir({"", "", "", "", ""});
    EXPECT_EQ(enregistree.count(), 1);
    EXPECT_EQ(lireEquipe(etat, 1),
              equipe("ALPHA/01 BOURG/DUPONT,Jean-Pierre,95,N,123/MARTIN,Léa,96,O,42", 2));
    EXPECT_EQ(texte("NombreEquipes"), "1 équipe");
    EXPECT_FALSE(noms->findChild<QWidget*>("Terminé")->isEnabled());
    EXPECT_TRUE(noms->findChild<QWidget*>("Effacer")->isEnabled());
}

// Moving to another team drops what was typed; Terminé saves, sorts and closes.
TEST_F(Fenetre, PageKeysMoveBetweenTeamsAndTerminéSortsAndCloses) {
    montrer(lireFichier(kFixtures / "pages.plm")); // BETA of 3, ALPHA of 4
    EXPECT_EQ(texte("NombreEquipes"), "2 équipes");
    QTest::keyClicks(boite("NomEquip"), "X");
    touche(Qt::Key_PageDown);
    EXPECT_EQ(texte("NuméroEquipe"), "Nom de l'équipe n° 2");
    EXPECT_TRUE(visible("Précédente") && visible("Suivante"));
    touche(Qt::Key_PageDown);
    EXPECT_EQ(texte("NomEquip"), "");
    EXPECT_FALSE(visible("Suivante"));
    touche(Qt::Key_PageDown); // no team after the new one
    EXPECT_EQ(noms->numeroEquipe(), 3);
    touche(Qt::Key_Up, Qt::ControlModifier);
    touche(Qt::Key_Up); // not without Ctrl
    EXPECT_EQ(noms->numeroEquipe(), 2);
    touche(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(noms->numeroEquipe(), 3);
    touche(Qt::Key_PageUp);
    boite("Prénom0")->setFocus();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(focus(), "NomEquip");
    EXPECT_EQ(texte("NomEquip") + texte("Nom0") + texte("Nom3"), "BETAA");
    cliquer("CestFini");
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "pages-triees.plm"));
    EXPECT_FALSE(noms->isVisible());
    EXPECT_EQ(noms->result(), QDialog::Accepted);
}

// The faulty year gets the focus, selected; deleting the only team closes the window.
TEST_F(Fenetre, AFaultyBirthYearStopsValidationAndDeletingTheOnlyTeamCloses) {
    const Enregistrement vide = slotLibre("ALPHA", "01 BOURG");
    montrer(fichier({gymnaste("ALPHA", "01 BOURG", "PETIT"), vide, vide, vide}));
    EXPECT_TRUE(noms->findChild<QWidget*>("Effacer")->isEnabled());
    const std::string avant = surDisque();
    boite("Naissance0")->setText("97");
    cliquer("Terminé");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(focus(), "Naissance0");
    EXPECT_EQ(boite("Naissance0")->selectedText(), "97");
    EXPECT_EQ(surDisque(), avant);
    EXPECT_TRUE(noms->findChild<QWidget*>("Terminé")->isEnabled());
    boite("Naissance0")->setText("96");
    cliquer("Terminé");
    EXPECT_EQ(lireEquipe(etat, 1).lignes[0].Naissance, "96");
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    cliquer("Effacer");
    EXPECT_TRUE(noms->isVisible());
    cliquer("Effacer");
    EXPECT_FALSE(fs::exists(dossier / kNom));
    EXPECT_FALSE(noms->isVisible());
    EXPECT_EQ(noms->result(), QDialog::Accepted);
}

// "Im&porter…" saves nothing of the team shown and hands over to the import command.
TEST_F(Fenetre, NomsHandsOverToTheImportWithoutSaving) {
    ouvrirNouveau();
    Noms modal(etat, bornes, programme.chemin(), dialogues);
    piloterModal<Noms>([](Noms& n) {
        QTest::keyClicks(n.findChild<QLineEdit*>("NomEquip"), "ALPHA");
        toucheAlt(n, Qt::Key_P);
    });
    EXPECT_EQ(executerModal(modal), Noms::kImporter);
    EXPECT_EQ(etat.NbEnreg(), 1);
}

// Alt+N writes nothing, Alt+I the accepted teams; Importer is off when none would be added.
TEST_F(Fenetre, TheImportWindowListsThePlanAndAltIImportsIt) {
    ouvrirNouveau();
    const auto piloter = [&](const std::string& lignes,
                             std::function<void(ImportInscriptions&)> p) {
        const PlanImport plan =
            preparerImport(etat, bornes, "", std::string(kEntetesModele) + lignes);
        piloterModal<ImportInscriptions>(std::move(p));
        return executerModal(ImportInscriptions(etat, plan, dialogues));
    };
    const std::string lignes =
        "zeta;01 bourg;Dupont;Anne;96;;\r\nvieux;01 bourg;Petit;Anne;v;;\r\n";
    EXPECT_EQ(piloter(lignes, [](ImportInscriptions& d) { toucheAlt(d, Qt::Key_N); }),
              QDialog::Rejected);
    piloter("vieux;01 bourg;Petit;Anne;93;;\r\n", [](ImportInscriptions& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>("Importer")->isEnabled());
    });
    EXPECT_EQ(etat.NbEnreg(), 1);
    EXPECT_EQ(piloter(lignes,
                      [](ImportInscriptions& d) {
                          EXPECT_EQ(d.findChild<QListWidget*>("Equipes")->count(), 2);
                          const auto* problemes = d.findChild<QListWidget*>("Problemes");
                          ASSERT_EQ(problemes->count(), 1);
                          EXPECT_EQ(problemes->item(0)->text(),
                                    "Ligne 3 : année de naissance « v » illisible");
                          toucheAlt(d, Qt::Key_I);
                      }),
              QDialog::Accepted);
    EXPECT_EQ(etat.nbEquipes(), 1);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_TRUE(dialogues.messages[0].texte.starts_with("1 équipe(s) ajoutée(s)"));
}

// Qt's own dialog, in the working folder: a path typed and Enter chooses the file.
TEST_F(Fenetre, TheFileToImportIsChosenByTypingItsPath) {
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
