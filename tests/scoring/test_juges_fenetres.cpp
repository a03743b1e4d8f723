#include "data/competition.h"
#include "scoring/ModiJuge.h"

#include "scoring/pilote_juges.h"
#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <QLabel>

using namespace palmora;
using namespace palmora::test;

namespace {

QLabel* label(QWidget& fenetre, const QString& nom) {
    return fenetre.findChild<QLabel*>(nom);
}
QString compte(QWidget& fenetre, int ligne) {
    return label(fenetre, "J" + QString::number(ligne))->text();
}

} // namespace

TEST(JugesFenetre, AWomensPanelShowsTheMensLinesInactive) {
    Juges j(panneauNouveau('F', '1'));
    j.show();
    EXPECT_EQ(j.windowTitle(), "Nombre de juges");
    EXPECT_EQ(label(j, "E1")->text(), "Arçons ......");
    EXPECT_EQ(label(j, "Et6")->text(), "(F8)");
    for (int ligne : {0, 1, 2, 6}) {
        const QString i = QString::number(ligne);
        EXPECT_EQ(label(j, "E" + i)->isEnabled(), ligne == 6);
        EXPECT_EQ(label(j, "J" + i)->isEnabled(), ligne == 6);
        EXPECT_EQ(label(j, "Et" + i)->isHidden(), ligne != 6);
        EXPECT_EQ(compte(j, ligne), ligne == 6 ? "1" : "0");
    }
}

TEST(JugesFenetre, CtrlAndAltWithTheFunctionKeysChangeTheCountsAnnulerAndEscapeCancel) {
    Juges j(panneauNouveau('M', '2'));
    j.show();
    fonction(j, Qt::Key_F7, +1);
    fonction(j, Qt::Key_F7, +1);
    EXPECT_EQ(compte(j, 5), "3");
    fonction(j, Qt::Key_F1, -1);
    EXPECT_EQ(compte(j, 0), "1") << "never below 1";
    fonction(j, Qt::Key_F8, +1);
    fonction(j, Qt::Key_F6, +1);
    EXPECT_EQ(compte(j, 6), "0");
    // Keys reach the dialog whichever button has the focus.
    QTest::keyClick(j.findChild<QPushButton*>("Oui"), Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(compte(j, 2), "2");
    cliquer(j, "Oui");
    EXPECT_EQ(j.result(), QDialog::Accepted);
    EXPECT_FALSE(j.panneau().JugesAnnule);
    EXPECT_EQ(j.panneau().comptes(), (NbJuges{1, 1, 2, 1, 1, 3, 0}));

    Juges parBouton(panneauNouveau('F', '1'));
    parBouton.show();
    cliquer(parBouton, "Annuler");
    EXPECT_TRUE(parBouton.panneau().JugesAnnule);
    Juges parEchap(panneauNouveau('F', '1'));
    parEchap.show();
    QTest::keyClick(&parEchap, Qt::Key_Escape);
    EXPECT_TRUE(parEchap.panneau().JugesAnnule);
    EXPECT_FALSE(parEchap.isVisible());
}

// A women's team whose third judge at Sol has given a mark (4 judges everywhere): removing two
// judges there is refused, removing one at Sol and adding one at Barres and at Poutre is written.
using ModiJugeFenetre = CompetOuverte;

TEST_F(ModiJugeFenetre, OuiRefusesToRemoveAJudgeWithMarksOrWritesTheCountsIntoEveryRecord) {
    Enregistrement note = gymnaste("ALPHA", "01 BOURG", "ABEL");
    note.poser(champs::Notes(6, 3), "925");
    const std::string original = fichier({note, slotLibre("ALPHA", "01 BOURG")});
    ouvrir(original);

    piloterJuges([](Juges& d) {
        EXPECT_EQ(d.objectName(), "ModiJuge");
        EXPECT_EQ(compte(d, 5), "4");
        fonction(d, Qt::Key_F7, -1);
        fonction(d, Qt::Key_F7, -1);
        cliquer(d, "Oui");
    });
    EXPECT_FALSE(lancerModiJuge(etat, dialogues, nullptr));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Le juge n° 3 au sol\na déjà mis des notes");
    EXPECT_EQ(surDisque(), original);

    piloterJuges([](Juges& d) {
        fonction(d, Qt::Key_F7, -1);
        fonction(d, Qt::Key_F4, +1);
        fonction(d, Qt::Key_F8, +1);
        cliquer(d, "Oui");
    });
    EXPECT_TRUE(lancerModiJuge(etat, dialogues, nullptr));
    EXPECT_EQ(surDisque().substr(351, 7), "0005435");
    EXPECT_EQ(dialogues.messages.size(), 1u);
}
