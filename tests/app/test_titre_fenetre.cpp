#include "app/Titre.h"
#include "app/etat_appli.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

struct TitreFenetre : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    EtatAppli etat;
    QLabel TitreCompét;

    TitreFenetre() { etat.compet.changerDossier(dossier.chemin()); }
    static QLineEdit* boite(Titre& t, const char* nom) { return t.findChild<QLineEdit*>(nom); }
    static QLabel* label2(Titre& t) { return t.findChild<QLabel*>("Label2"); }
    static void terminer(Titre& t) {
        QTest::mouseClick(t.findChild<QPushButton*>(QString::fromUtf8("Terminé")), Qt::LeftButton);
    }
};

} // namespace

TEST_F(TitreFenetre, TermineWithBothBoxesEmptyStaysOpenAndAsksForTheTitle) {
    Titre t(etat, dialogues, TitreCompét);
    t.show();
    EXPECT_EQ(t.windowTitle(), "Donner le titre de la compétition");
    EXPECT_TRUE(label2(t)->isVisible()) << "no TITRE.1 yet";
    EXPECT_EQ(label2(t)->text(), "Saisie obligatoire pour pouvoir continuer");

    QTest::keyClicks(boite(t, "LieuDate"), "   ");
    terminer(t);
    EXPECT_TRUE(t.isVisible());
    EXPECT_TRUE(label2(t)->isVisible());
    EXPECT_EQ(TitreCompét.text(), "Entrez le titre de la compétition");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.1"));
    t.done(QDialog::Rejected); // "A&nnuler" would end the program here
}

TEST_F(TitreFenetre, ADoubleQuoteIsRefusedWithABeep) {
    Titre t(etat, dialogues, TitreCompét);
    t.show();
    QLineEdit* titre1 = boite(t, "Titre1");
    QTest::keyClicks(titre1, "Gala ");
    QTest::keyClick(titre1, '"');
    QTest::keyClicks(titre1, "2006");
    EXPECT_EQ(titre1->text(), "Gala 2006");
    EXPECT_EQ(dialogues.bips, 1);
    EXPECT_EQ(titre1->maxLength(), 60);
    EXPECT_EQ(boite(t, "LieuDate")->maxLength(), 50);
    t.done(QDialog::Rejected);
}

TEST_F(TitreFenetre, OpensOnTheStoredTitleAndTermineWritesTheNewOne) {
    ecrireFichier(dossier / "TITRE.1", "\"Coupe\",\"Lyon, 5 mai\"\r\n");
    Titre t(etat, dialogues, TitreCompét);
    t.show();
    EXPECT_EQ(boite(t, "Titre1")->text(), "Coupe");
    EXPECT_EQ(boite(t, "LieuDate")->text(), "Lyon, 5 mai");
    EXPECT_FALSE(label2(t)->isVisible());

    boite(t, "Titre1")->setText(QString(60, 'T'));
    boite(t, "LieuDate")->setText(QString(50, 'L'));
    terminer(t);
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(lireFichier(dossier / "TITRE.000"), "\"Coupe\",\"Lyon, 5 mai\"\r\n");
    EXPECT_EQ(etat.titre, (TitreCompet{std::string(60, 'T'), std::string(50, 'L')}));
    EXPECT_EQ(TitreCompét.text().size(), 113);
    EXPECT_EQ(TitreCompét.font().family(), "Arial");
    EXPECT_EQ(TitreCompét.font().pointSize(), 8);
    EXPECT_EQ(TitreCompét.palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

TEST_F(TitreFenetre, AnnulerWithATitleClosesWithoutWriting) {
    ecrireFichier(dossier / "TITRE.1", "\"Coupe\",\"Lyon\"\r\n");
    Titre t(etat, dialogues, TitreCompét);
    t.show();
    QTest::keyClicks(boite(t, "Titre1"), " de Noel");
    QTest::mouseClick(t.findChild<QPushButton*>("Annuler"), Qt::LeftButton);
    EXPECT_EQ(t.result(), QDialog::Rejected);
    EXPECT_EQ(lireFichier(dossier / "TITRE.1"), "\"Coupe\",\"Lyon\"\r\n");
    EXPECT_EQ(etat.titre, (TitreCompet{"Coupe", "Lyon"}));
}

TEST_F(TitreFenetre, StartUpShowsAReadableTitleWithoutTheDialog) {
    ecrireFichier(dossier / "TITRE.1", "\"Gala\",\"Bourg\"\r\n");
    lireOuDemanderTitre(etat, dialogues, TitreCompét, nullptr);
    EXPECT_EQ(TitreCompét.text(), "Gala - Bourg");
    EXPECT_EQ(TitreCompét.font().pointSize(), 10);
}
