#include "data/competition.h"
#include "data/table_ages.h"
#include "registration/Noms.h"
#include "registration/inscription.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

constexpr char kNom[] = "F_1_PS00.PLM"; // women, 9-10 ans: born 1995 or 1996
constexpr std::string_view kBlocDeux = "0220004444";

struct Fenetre : ::testing::Test {
    DossierTemporaire travail;
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    Competition etat;
    BornesCategories bornes = deriverBornes(anneesDeTable("97989596939491929798959693949192"));
    std::unique_ptr<Noms> noms;

    void ouvrir(const std::string& contenu) {
        ecrireFichier(travail / kNom, contenu);
        etat.changerDossier(travail.chemin());
        ASSERT_TRUE(etat.Ouvrir(kNom, dialogues));
        noms = std::make_unique<Noms>(etat, bornes, programme.chemin(), dialogues);
        noms->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(noms.get()));
    }
    void ouvrirNouveau(std::string_view bloc) { ouvrir(fichier({enregistrementProvisoire(bloc)})); }

    QLineEdit* boite(const char* nom) const { return noms->findChild<QLineEdit*>(nom); }
    QString texte(const char* nom) const { return noms->findChild<QLabel*>(nom)->text(); }
    QPushButton* bouton(const char* nom) const { return noms->findChild<QPushButton*>(nom); }
    QString focus() const {
        QCoreApplication::processEvents(); // focus sent back by a box takes one turn
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
        QCoreApplication::processEvents();
    }
    // Types each text in the box that has the focus, then Enter.
    void saisir(std::initializer_list<const char*> textes) {
        for (const char* t : textes) {
            QTest::keyClicks(QApplication::focusWidget(), t);
            touche(Qt::Key_Return);
        }
    }
    void TearDown() override { noms.reset(); }
};

} // namespace

TEST_F(Fenetre, ANewCompetitionShowsOneEmptyTeamWithTheRowsOfItsSize) {
    ouvrirNouveau(kBlocFeminin);
    EXPECT_EQ(noms->windowTitle(), "Saisie des équipes");
    EXPECT_EQ(texte("NombreEquipes"), "0 équipe");
    EXPECT_EQ(texte("NuméroEquipe"), "Nom de l'équipe n° 1");
    EXPECT_EQ(texte("Description"), "Féminines Niveau 1 . 9-10 ans . Simple appartenance");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(boite(qPrintable(QString("NoLic%1").arg(i)))->isVisible(), i < 4) << i;
    EXPECT_FALSE(bouton("Effacer")->isEnabled());
    EXPECT_TRUE(bouton("Terminé")->isEnabled());
    EXPECT_FALSE(noms->findChild<QLabel*>("Précédente")->isVisible());
    EXPECT_FALSE(noms->findChild<QLabel*>("Suivante")->isVisible());
    EXPECT_EQ(focus(), "NomEquip");
}

TEST_F(Fenetre, ATeamTypedWithTheKeyboardIsValidatedByEnterInTheLastLicenceBox) {
    ouvrirNouveau(kBlocDeux);
    QSignalSpy enregistree(noms.get(), &Noms::equipeEnregistree);
    saisir({"alpha", "01 bourg"});
    EXPECT_EQ(focus(), "Nom0");
    EXPECT_EQ(boite("NomEquip")->text(), "ALPHA");
    saisir({"dupont", "jean-pierre", "95"});
    EXPECT_EQ(boite("Prénom0")->text(), "Jean-Pierre");
    EXPECT_EQ(focus(), "SurCl0");
    EXPECT_EQ(boite("SurCl0")->text(), "N");
    saisir({"", "123"});
    EXPECT_EQ(focus(), "Nom1");
    EXPECT_EQ(etat.NbEnreg(), 1); // nothing written yet
    saisir({"martin", "anne", "96", "o", ""});
    EXPECT_EQ(enregistree.count(), 1);
    EXPECT_EQ(etat.NbEnreg(), 2);
    EXPECT_EQ(lireEquipe(etat, 1), (EquipeSaisie{"ALPHA",
                                                 "01 BOURG",
                                                 {{"DUPONT", "Jean-Pierre", "95", "N", "123"},
                                                  {"MARTIN", "Anne", "96", "O", ""}}}));
    EXPECT_EQ(texte("NombreEquipes"), "1 équipe");
    EXPECT_FALSE(bouton("Terminé")->isEnabled());
    EXPECT_TRUE(bouton("Effacer")->isEnabled());
}

TEST_F(Fenetre, PageKeysAndCtrlArrowsMoveBetweenTeamsDroppingWhatWasTyped) {
    ouvrir(
        fichier({gymnaste("ALPHA", "01 BOURG", "DURAND"), gymnaste("ALPHA", "01 BOURG", "MARTIN"),
                 gymnaste("ALPHA", "01 BOURG", "PETIT"), slotLibre("ALPHA", "01 BOURG")}));
    EXPECT_EQ(boite("Nom0")->text(), "DURAND");
    EXPECT_EQ(boite("Nom3")->text(), "");
    EXPECT_EQ(texte("NombreEquipes"), "1 équipe");
    QTest::keyClicks(boite("NomEquip"), "X");
    touche(Qt::Key_PageDown);
    EXPECT_EQ(noms->numeroEquipe(), 2);
    EXPECT_EQ(texte("NuméroEquipe"), "Nom de l'équipe n° 2");
    EXPECT_EQ(boite("NomEquip")->text(), "");
    EXPECT_FALSE(noms->findChild<QLabel*>("Suivante")->isVisible());
    touche(Qt::Key_PageDown); // no team after the new one
    EXPECT_EQ(noms->numeroEquipe(), 2);
    touche(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(noms->numeroEquipe(), 1);
    EXPECT_EQ(boite("NomEquip")->text(), "ALPHA");
    touche(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(noms->numeroEquipe(), 2);
    touche(Qt::Key_PageUp);
    EXPECT_EQ(noms->numeroEquipe(), 1);
}

TEST_F(Fenetre, BoxesRefuseKeysWithABeepAndFocusGoesBackToMissingBoxes) {
    ouvrirNouveau(kBlocFeminin);
    boite("Prénom2")->setFocus();
    EXPECT_EQ(focus(), "Nom2");
    QTest::keyClicks(boite("Nom2"), "a1");
    EXPECT_EQ(boite("Nom2")->text(), "a");
    EXPECT_EQ(dialogues.bips, 1);
    QTest::keyClicks(boite("SurCl2"), "x");
    EXPECT_EQ(dialogues.bips, 2);
    QTest::keyClicks(boite("NoLic2"), "&\"");
    QTest::sendKeyEvent(QTest::Click, boite("NoLic2"), Qt::Key_Eacute, "é", Qt::NoModifier);
    EXPECT_EQ(boite("NoLic2")->text(), "132");
    boite("Ville")->setFocus();
    EXPECT_EQ(focus(), "NomEquip");
}

TEST_F(Fenetre, ALicenceNumberAloneFillsTheRowFromTheRegistry) {
    std::string entree = "0000000123DURAND         Lea            96"
                         "01 BOURG";
    entree.resize(62, ' ');
    entree += "O";
    entree.resize(100, ' ');
    ecrireFichier(programme / "Orvane.lic", entree);
    ouvrirNouveau(kBlocFeminin);
    saisir({"alpha", "01 bourg"});
    touche(Qt::Key_F12);
    EXPECT_EQ(focus(), "NoLic0");
    saisir({"123"});
    EXPECT_EQ(focus(), "Nom0");
    EXPECT_EQ(boite("Nom0")->text(), "DURAND");
    EXPECT_EQ(boite("Prénom0")->text(), "Lea");
    EXPECT_EQ(boite("Naissance0")->text(), "96");
    EXPECT_EQ(boite("SurCl0")->text(), "O");
    EXPECT_EQ(boite("NoLic0")->text(), "123");
}

TEST_F(Fenetre, ABirthYearOutOfTheCategoryStopsValidationOnTheFaultyYear) {
    ouvrirNouveau(kBlocFeminin);
    saisir({"alpha", "01 bourg", "petit", "zoe", "97", "", "", "durand", "anne", "95"});
    bouton("Terminé")->click();
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Année de naissance\nincompatible avec\n   la catégorie");
    EXPECT_EQ(focus(), "Naissance0");
    EXPECT_EQ(boite("Naissance0")->selectedText(), "97");
    EXPECT_EQ(etat.NbEnreg(), 1);
    EXPECT_TRUE(bouton("Terminé")->isEnabled());
    boite("Naissance0")->setText("96");
    bouton("Terminé")->click();
    EXPECT_EQ(etat.NbEnreg(), 4);
}

TEST_F(Fenetre, TerminéSavesSortsAndCloses) {
    const std::string beta =
        fichier({gymnaste("BETA", "01 BOURG", "A"), gymnaste("BETA", "01 BOURG", "B"),
                 gymnaste("BETA", "01 BOURG", "C"), gymnaste("BETA", "01 BOURG", "D")});
    const std::string alpha =
        fichier({gymnaste("ALPHA", "01 BOURG", "A"), gymnaste("ALPHA", "01 BOURG", "B"),
                 gymnaste("ALPHA", "01 BOURG", "C"), gymnaste("ALPHA", "01 BOURG", "D")});
    ouvrir(beta + alpha);
    bouton("CestFini")->click();
    EXPECT_EQ(lireFichier(travail / kNom), alpha + beta);
    EXPECT_FALSE(noms->isVisible());
    EXPECT_EQ(noms->result(), QDialog::Accepted);
}

TEST_F(Fenetre, DeletingTheOnlyTeamDeletesTheFileAndCloses) {
    ouvrir(fichier({gymnaste("ALPHA", "01 BOURG", "A"), gymnaste("ALPHA", "01 BOURG", "B"),
                    gymnaste("ALPHA", "01 BOURG", "C"), gymnaste("ALPHA", "01 BOURG", "D")}));
    ASSERT_TRUE(bouton("Effacer")->isEnabled());
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    bouton("Effacer")->click();
    EXPECT_TRUE(noms->isVisible());
    bouton("Effacer")->click();
    EXPECT_FALSE(fs::exists(travail / kNom));
    EXPECT_FALSE(etat.ouvert());
    EXPECT_FALSE(noms->isVisible());
    EXPECT_EQ(dialogues.messages.back().titre, "Equipe effacée");
}
