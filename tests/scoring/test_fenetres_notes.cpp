// The score entry and judge panel windows: what the acceptance run does not see (labels, beeps,
// focus moves, refusals, Escape and Annuler, the panel of an open competition).
#include "data/competition.h"
#include "scoring/ModiJuge.h"
#include "scoring/Saisie.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"
#include "support/pilote_modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <memory>

using namespace palmora;
using namespace palmora::test;

namespace {

// The child of that object name (and "index" property, the row of the score entry).
template <class W = QWidget> W* enfant(const QWidget& f, const std::string& nom, int rangee = -1) {
    for (W* w : f.findChildren<W*>(QString::fromStdString(nom)))
        if (rangee < 0 || w->property("index").toInt() == rangee) return w;
    ADD_FAILURE() << nom << " " << rangee;
    return nullptr;
}

QString texteDe(const QWidget& f, const std::string& nom, int rangee = -1) {
    return enfant<QLabel>(f, nom, rangee)->text();
}

// Ctrl (`sens` > 0) or Alt with a function key, as the organiser presses it.
void fonction(QWidget& fenetre, Qt::Key touche, int sens) {
    QTest::keyClick(&fenetre, touche, sens > 0 ? Qt::ControlModifier : Qt::AltModifier);
}

struct Fenetres : CompetOuverte {
    std::unique_ptr<Saisie> fenetre;

    // The Sol entry (4 judges, 3 retained) of ALPHA, BETA, GAMMA, each A1 to A4, then the
    // individuals LIBRES*: the second out of competition, the fourth place empty.
    void ouvrirSaisie() {
        constexpr std::string_view b = "0430000040";
        std::string contenu;
        for (const char* equipe : {"ALPHA", "BETA", "GAMMA"})
            for (const char* g : {"A1", "A2", "A3", "A4"})
                contenu += gymnaste(equipe, "01 BOURG", g, b).octets();
        Enregistrement hc = gymnaste("LIBRES*", "01 BOURG", "HORS", b);
        hc.poser(champs::SurCl, "H");
        ouvrir("M_1_NS00.PLM", contenu + fichier({gymnaste("LIBRES*", "01 BOURG", "A", b), hc,
                                                  gymnaste("LIBRES*", "01 BOURG", "C", b),
                                                  slotLibre("LIBRES*", "01 BOURG", b)}));
        fenetre = std::make_unique<Saisie>(etat, dialogues, *agresSaisissable(etat, "Sol"));
        fenetre->show();
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    }
    QLineEdit* boite(const char* nom, int rangee) const {
        return enfant<QLineEdit>(*fenetre, nom, rangee);
    }
    QString texte(const char* nom, int rangee = -1) const { return texteDe(*fenetre, nom, rangee); }
    bool cache(const char* nom, int rangee = -1) const {
        return enfant(*fenetre, nom, rangee)->isHidden();
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void touche(Qt::Key k) { QTest::keyClick(focus(), k); }
};

} // namespace

TEST_F(Fenetres, ScoreEntryShowsTheTeamAndMovesTheFocusOnPageUpEnterAndPageDown) {
    ouvrirSaisie();
    // Shown (v) or hidden (c): the fourth judge, the fifth, a fifth row, the arrows.
    std::string vus;
    for (auto [nom, rangee] : {std::pair{"J4", -1},
                               {"N_J4", 0},
                               {"J5", -1},
                               {"N_J5", 0},
                               {"N_J1", 4},
                               {"Avant", -1},
                               {"Après", -1}})
        vus += cache(nom, rangee) ? 'c' : 'v';
    EXPECT_EQ(texte("Nom_d_Appareil") + "|" + texte("Ekip") + "|" + texte("J1") + "|" +
                  texte("Nom", 1) + "|" +
                  QString::number(enfant<QScrollBar>(*fenetre, "Ascen")->maximum()) + "|" +
                  QString::fromStdString(vus),
              "Notes au sol|Equipe : ALPHA (1/4)|Juge  1|A2|4|vvccccv");

    // Page Up on the first team saves nothing; from a mark box the focus goes back to the top,
    // a deduction box keeps it.
    const std::string avant = surDisque();
    boite("Déd", 1)->setFocus();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(focus(), boite("Déd", 1));
    boite("N_J4", 2)->setFocus();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(focus(), boite("N_J1", 0));
    EXPECT_EQ(texte("Ekip"), "Equipe : ALPHA (1/4)");

    // Enter in the last deduction validates: 9,00 each, 0,50 off the fourth.
    for (int g = 0; g < 4; ++g)
        for (const char* juge : {"N_J1", "N_J2", "N_J3", "N_J4"})
            boite(juge, g)->setText("9,00");
    boite("Déd", 3)->setText("05");
    boite("Déd", 3)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 0));
    EXPECT_EQ(texte("Totéq") + "|" + texte("Défin", 3) + "|" + boite("Déd", 3)->text(),
              "27,00|8,50| 0,50");

    // Page Down stops on the last team: individuals, no total, the row out of competition
    // greyed and passed over by Enter.
    for (int fois = 0; fois < 4; ++fois)
        touche(Qt::Key_PageDown);
    EXPECT_EQ(texte("Ekip"), "Equipe : LIBRES* (4/4)");
    EXPECT_TRUE(cache("Totéq") && cache("Et_Tot"));
    EXPECT_FALSE(boite("N_J1", 1)->isEnabled() || boite("Déd", 1)->isEnabled());
    boite("Déd", 0)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 2));
    EXPECT_EQ(dialogues.bips, 0);
}

TEST_F(Fenetres, ScoreEntryBoxesBeepOnWrongKeysARefusedDeductionHoldsAndAnnulerLosesTheTeam) {
    ouvrirSaisie();
    const std::string avant = surDisque();
    // A mark box: the top row gives its digit, other keys beep; left, the box is completed.
    QLineEdit* n = boite("N_J2", 0);
    n->setFocus();
    QTest::keyClicks(n, "'a+");
    EXPECT_EQ(dialogues.bips, 2);
    touche(Qt::Key_Tab);
    EXPECT_EQ(n->text(), "4,00");

    QLineEdit* d = boite("Déd", 0);
    d->setFocus();
    QTest::keyClicks(d, "3,50");
    touche(Qt::Key_Tab);
    EXPECT_EQ(dialogues.bips, 3);
    QTest::qWait(0);
    EXPECT_EQ(focus(), d) << "the focus comes back";
    EXPECT_EQ(d->text(), "3,50");
    cliquer(*fenetre, "Valider");
    EXPECT_EQ(dialogues.bips, 4);
    EXPECT_EQ(surDisque(), avant);

    d->clear();
    cliquer(*fenetre, "Annuler");
    EXPECT_EQ(fenetre->result(), QDialog::Rejected);
    EXPECT_EQ(surDisque(), avant);
}

TEST_F(Fenetres, AWomensPanelGreysTheMensLinesAndAnnulerOrEscapeCancel) {
    Juges j(panneauNouveau('F', '1'));
    j.show();
    // Each line: label and count enabled, key hint shown, count.
    QString vu = texteDe(j, "E1") + "|" + texteDe(j, "Et6") + "|";
    for (int ligne = 0; ligne < kLignesJuges; ++ligne) {
        const std::string i = std::to_string(ligne);
        vu += QString(enfant(j, "E" + i)->isEnabled() ? "E" : "-") +
              (enfant(j, "J" + i)->isEnabled() ? "J" : "-") +
              (enfant(j, "Et" + i)->isHidden() ? "-" : "t") + texteDe(j, "J" + i) + " ";
    }
    EXPECT_EQ(vu, "Arçons ......|(F8)|---0 ---0 ---0 EJt1 EJt1 EJt1 EJt1 ");
    cliquer(j, "Annuler");
    EXPECT_TRUE(j.panneau().JugesAnnule);

    Juges parEchap(panneauNouveau('F', '1'));
    parEchap.show();
    QTest::keyClick(&parEchap, Qt::Key_Escape);
    EXPECT_TRUE(parEchap.panneau().JugesAnnule);
    EXPECT_FALSE(parEchap.isVisible());
}

// A women's team whose third judge at Sol has given a mark (4 judges everywhere): removing two
// judges there is refused, removing one at Sol and adding one at Barres and at Poutre is written.
TEST_F(Fenetres, ModiJugeOuiRefusesToRemoveAJudgeWithMarksOrWritesTheCountsIntoEveryRecord) {
    Enregistrement note = gymnaste("ALPHA", "01 BOURG", "ABEL");
    note.poser(champs::Notes(6, 3), "925");
    const std::string original = fichier({note, slotLibre("ALPHA", "01 BOURG")});
    ouvrir(original);

    piloterModal<Juges>([](Juges& d) {
        EXPECT_EQ(d.objectName() + texteDe(d, "J5"), "ModiJuge4");
        fonction(d, Qt::Key_F7, -1);
        fonction(d, Qt::Key_F7, -1);
        cliquer(d, "Oui");
    });
    EXPECT_FALSE(lancerModiJuge(etat, dialogues, nullptr));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Le juge n° 3 au sol\na déjà mis des notes");
    EXPECT_EQ(surDisque(), original);

    piloterModal<Juges>([](Juges& d) {
        fonction(d, Qt::Key_F7, -1);
        fonction(d, Qt::Key_F4, +1);
        fonction(d, Qt::Key_F8, +1);
        cliquer(d, "Oui");
    });
    EXPECT_TRUE(lancerModiJuge(etat, dialogues, nullptr));
    EXPECT_EQ(surDisque().substr(351, 7), "0005435");
    EXPECT_EQ(dialogues.messages.size(), 1u);
}
