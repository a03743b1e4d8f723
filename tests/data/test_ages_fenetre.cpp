#include "data/Ages.h"
#include "data/competition.h"
#include "platform/DialoguesQt.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/pilote_modal.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr char kTable2005[] = "97989596939491929798959693949192";

struct AgesFenetre : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    Competition compet;
    BornesCategories bornes;

    static QLineEdit* boite(Ages& a, const char* nom) {
        return a.findChild<QLineEdit*>(QString::fromUtf8(nom));
    }
    static void cliquer(Ages& a, const char* nom) {
        QTest::mouseClick(a.findChild<QPushButton*>(nom), Qt::LeftButton);
    }
};

} // namespace

TEST_F(AgesFenetre, OpeningShowsTheStoredYearsAndClosesTheCompetition) {
    ecrireFichier(programme / "AGE.AGE", kTable2005);
    ecrireFichier(programme / "F_1_PS00.PLM", enregistrementProvisoire("S654402340").octets());
    compet.changerDossier(programme.chemin());
    ASSERT_TRUE(compet.Ouvrir("F_1_PS00.PLM", dialogues));
    Ages a(compet, programme.chemin(), bornes, dialogues);
    EXPECT_EQ(a.windowTitle(), "Années de naissance");
    EXPECT_FALSE(compet.ouvert());
    EXPECT_EQ(a.findChildren<QLineEdit*>().size(), 16);
    EXPECT_EQ(boite(a, "Déb0")->text(), "97");
    EXPECT_EQ(boite(a, "Fin0")->text(), "98");
    EXPECT_EQ(boite(a, "Déb7")->text(), "91");
    EXPECT_EQ(boite(a, "Fin7")->text(), "92");
}

TEST_F(AgesFenetre, BoxesRefuseLettersAndTakeTheFrenchTopRowAsDigits) {
    Ages a(compet, programme.chemin(), bornes, dialogues);
    a.show();
    QLineEdit* deb = boite(a, "Déb1");
    QTest::keyClick(deb, 'a');
    EXPECT_EQ(deb->text(), "");
    EXPECT_EQ(dialogues.bips, 1);
    QTest::sendKeyEvent(QTest::Click, deb, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
    QTest::keyClick(deb, '&');
    EXPECT_EQ(deb->text(), "21");
    QTest::keyClick(deb, Qt::Key_Backspace);
    QTest::keyClick(deb, '9');
    EXPECT_EQ(deb->text(), "29");
    EXPECT_EQ(dialogues.bips, 1);

    // A paste goes through the same rule, whole or not at all.
    QLineEdit* fin = boite(a, "Fin1");
    QGuiApplication::clipboard()->setText(QStringLiteral("9x"));
    QTest::keySequence(fin, QKeySequence::Paste);
    EXPECT_EQ(fin->text(), "");
    EXPECT_EQ(dialogues.bips, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("(à"));
    QTest::keySequence(fin, QKeySequence::Paste);
    EXPECT_EQ(fin->text(), "50");
}

TEST_F(AgesFenetre, OuiStoresTheBoxesAndSetsTheBounds) {
    Ages a(compet, programme.chemin(), bornes, dialogues);
    a.show();
    const char* annees = "97989596939491929899969794959293";
    int k = 0;
    for (QLineEdit* b : a.findChildren<QLineEdit*>()) {
        QTest::keyClick(b, annees[k++]);
        QTest::keyClick(b, annees[k++]);
    }
    cliquer(a, "Oui");
    EXPECT_EQ(a.result(), QDialog::Accepted);
    EXPECT_EQ(lireFichier(programme / "AGE.AGE"), annees);
    EXPECT_EQ(*bornes.de('F', 'B'), (Bornes{1993, 1996}));
    EXPECT_EQ(*bornes.de('M', 'J'), (Bornes{1992, 1995}));
}

TEST_F(AgesFenetre, AnnulerWithAStoredTableWritesNothing) {
    ecrireFichier(programme / "AGE.AGE", kTable2005);
    Ages a(compet, programme.chemin(), bornes, dialogues);
    a.show();
    QTest::keyClick(boite(a, "Déb0"), '5');
    cliquer(a, "Annuler");
    EXPECT_EQ(a.result(), QDialog::Rejected);
    EXPECT_FALSE(a.isVisible());
    EXPECT_EQ(lireFichier(programme / "AGE.AGE"), kTable2005);
    EXPECT_EQ(bornes, BornesCategories{});
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(AgesFenetre, AnnulerWithoutATableClosesTheDialogBeforeTheMessageThenEnds) {
    DialoguesQt qt;
    Ages a(compet, programme.chemin(), bornes, qt);
    a.show();
    bool agesVisible = true;
    QString texte;
    piloterModal<QMessageBox>([&](QMessageBox& m) {
        agesVisible = a.isVisible();
        texte = m.text() + " / " + m.windowTitle();
    });
    EXPECT_THROW(cliquer(a, "Annuler"), FinProgramme);
    EXPECT_FALSE(agesVisible);
    EXPECT_EQ(texte, "Années non saisies / Sortie du programme");
}
