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
};

} // namespace

TEST_F(AgesFenetre, ShowsTheStoredYearsFiltersTheKeysAndOuiStoresTheBoxes) {
    ecrireFichier(programme / "AGE.AGE", kTable2005);
    ecrireFichier(programme / "F_1_PS00.PLM", enregistrementProvisoire("S654402340").octets());
    compet.changerDossier(programme.chemin());
    ASSERT_TRUE(compet.Ouvrir("F_1_PS00.PLM", dialogues));
    Ages a(compet, programme.chemin(), bornes, dialogues);
    a.show();
    EXPECT_FALSE(compet.ouvert()) << "opening closes the competition";
    QString lus;
    for (QLineEdit* b : a.findChildren<QLineEdit*>())
        lus += b->text();
    EXPECT_EQ(lus, kTable2005);
    EXPECT_EQ(boite(a, "Déb0")->text() + boite(a, "Fin7")->text(), "9792");

    // Letters are refused with a beep, the French top row gives digits, a paste is taken whole
    // or not at all.
    QLineEdit* deb = boite(a, "Déb1");
    deb->clear();
    QTest::keyClick(deb, 'a');
    QTest::sendKeyEvent(QTest::Click, deb, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
    QTest::keyClick(deb, '&');
    EXPECT_EQ(deb->text(), "21");
    QTest::keyClick(deb, Qt::Key_Backspace);
    QTest::keyClick(deb, '9');
    EXPECT_EQ(deb->text(), "29");
    EXPECT_EQ(dialogues.bips, 1);
    QLineEdit* fin = boite(a, "Fin1");
    fin->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("9x"));
    QTest::keySequence(fin, QKeySequence::Paste);
    EXPECT_EQ(fin->text(), "");
    EXPECT_EQ(dialogues.bips, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("(à"));
    QTest::keySequence(fin, QKeySequence::Paste);
    cliquer(a, "Oui");
    EXPECT_EQ(a.result(), QDialog::Accepted);
    EXPECT_EQ(lireFichier(programme / "AGE.AGE"), "97982950939491929798959693949192");
    EXPECT_EQ(bornes.de('F', 'B')->premiere, 1993);
    EXPECT_EQ(bornes.de('M', 'J')->derniere, 1994);
}

TEST_F(AgesFenetre, AnnulerWritesNothingAndWithoutATableClosesBeforeTheMessageThenEnds) {
    ecrireFichier(programme / "AGE.AGE", kTable2005);
    Ages gardee(compet, programme.chemin(), bornes, dialogues);
    gardee.show();
    QTest::keyClick(boite(gardee, "Déb0"), '5');
    cliquer(gardee, "Annuler");
    EXPECT_EQ(gardee.result(), QDialog::Rejected);
    EXPECT_FALSE(gardee.isVisible());
    EXPECT_EQ(lireFichier(programme / "AGE.AGE"), kTable2005);
    EXPECT_EQ(bornes, BornesCategories{});
    EXPECT_TRUE(dialogues.messages.empty());

    std::filesystem::remove(programme / "AGE.AGE");
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
