#include "data/competition.h"
#include "scoring/Saisie.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace palmora;
using namespace palmora::test;

namespace {

// Men, teams of 4 with 3 retained, 4 judges at Sol and none elsewhere.
constexpr std::string_view kBloc = "0430000040";

Enregistrement gym(std::string_view equipe, std::string_view nom) {
    return gymnaste(equipe, "01 BOURG", nom, kBloc);
}

struct FenetreSaisie : CompetOuverte {
    std::unique_ptr<Saisie> fenetre;

    FenetreSaisie() { nom = "M_1_NS00.PLM"; }
    void ouvrirFenetre(const std::string& contenu) {
        ouvrir(contenu);
        fenetre = std::make_unique<Saisie>(etat, dialogues, *agresSaisissable(etat, "Sol"));
        fenetre->show();
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    }
    template <class W> W* controle(const char* nom, int rangee = -1) const {
        for (W* w : fenetre->findChildren<W*>(QString::fromUtf8(nom)))
            if (rangee < 0 || w->property("index").toInt() == rangee) return w;
        ADD_FAILURE() << nom << " " << rangee;
        return nullptr;
    }
    QLineEdit* boite(const char* nom, int rangee) const { return controle<QLineEdit>(nom, rangee); }
    QString texte(const char* nom, int rangee = -1) const {
        return controle<QLabel>(nom, rangee)->text();
    }
    bool cache(const char* nom, int rangee = -1) const {
        return controle<QWidget>(nom, rangee)->isHidden();
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void touche(Qt::Key k) { QTest::keyClick(focus(), k); }
    void cliquer(const char* nom) { controle<QPushButton>(nom)->click(); }
};

// Three teams of four on Sol: ALPHA (A1 to A4), BETA and GAMMA.
struct TroisEquipes : FenetreSaisie {
    void SetUp() override {
        std::string contenu;
        for (const char* equipe : {"ALPHA", "BETA", "GAMMA"})
            for (const char* g : {"A1", "A2", "A3", "A4"})
                contenu += gym(equipe, g).octets();
        ouvrirFenetre(contenu);
    }
};

} // namespace

TEST_F(TroisEquipes, TheWindowShowsTheTeamValidatesOnEnterAndMovesBetweenTeams) {
    EXPECT_EQ(texte("Nom_d_Appareil"), "Notes au sol");
    EXPECT_EQ(texte("Ekip"), "Equipe : ALPHA (1/3)");
    EXPECT_EQ(texte("J1"), "Juge  1");
    EXPECT_EQ(texte("Nom", 1), "A2");
    EXPECT_EQ(controle<QScrollBar>("Ascen")->maximum(), 3);
    // Shown (v) or hidden (c): the fourth judge, the fifth, a fifth row, the arrows.
    const char* noms[] = {"J4", "N_J4", "J5", "N_J5", "N_J1", "Avant", "Après"};
    const int rangees[] = {-1, 0, -1, 0, 4, -1, -1};
    std::string vus;
    for (int k = 0; k < 7; ++k)
        vus += cache(noms[k], rangees[k]) ? 'c' : 'v';
    EXPECT_EQ(vus, "vvccccv");

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
    EXPECT_EQ(texte("Ekip"), "Equipe : ALPHA (1/3)");

    boite("N_J4", 0)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("Déd", 0)) << "Enter after the last judge";
    // Enter in the last deduction validates: 9,00 each, 0,50 off the fourth.
    for (int g = 0; g < 4; ++g)
        for (const char* juge : {"N_J1", "N_J2", "N_J3", "N_J4"})
            boite(juge, g)->setText("9,00");
    boite("Déd", 3)->setText("05");
    boite("Déd", 3)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 0));
    EXPECT_EQ(texte("Totéq"), "27,00");
    EXPECT_EQ(texte("Défin", 3), "8,50");
    EXPECT_EQ(boite("Déd", 3)->text(), " 0,50");
    const Enregistrement quatrieme(surDisque().substr(3 * kTailleEnreg, kTailleEnreg));
    EXPECT_EQ(quatrieme.lire(champs::NoteAgres(6)), "850");
    EXPECT_EQ(quatrieme.lire(champs::NoteEquipe(6)), "2700");

    for (int fois = 0; fois < 3; ++fois)
        touche(Qt::Key_PageDown);
    EXPECT_EQ(texte("Ekip"), "Equipe : GAMMA (3/3)") << "Page Down on the last team";
    EXPECT_TRUE(cache("Après"));
    EXPECT_EQ(dialogues.bips, 0);
}

TEST_F(TroisEquipes, BoxesFilterKeysWithABeepAndARefusedDeductionKeepsTheFocusAndBlocksValider) {
    // A mark box: the top row gives its digit, other keys beep; left, the box is completed.
    QLineEdit* n = boite("N_J2", 0);
    n->setFocus();
    QTest::keyClicks(n, "'a+");
    EXPECT_EQ(dialogues.bips, 2);
    touche(Qt::Key_Tab);
    EXPECT_EQ(n->text(), "4,00");
    // A deduction box: "+" gives a bonus, five characters fit.
    QLineEdit* d = boite("Déd", 0);
    d->setFocus();
    QTest::keyClicks(d, "+3,00");
    touche(Qt::Key_Tab);
    EXPECT_EQ(d->text(), "-3,00");
    EXPECT_NE(focus(), d);

    d->clear();
    d->setFocus();
    QTest::keyClicks(d, "3,50");
    touche(Qt::Key_Tab);
    EXPECT_EQ(dialogues.bips, 3);
    QTest::qWait(0);
    EXPECT_EQ(focus(), d) << "the focus comes back";
    EXPECT_EQ(d->text(), "3,50");
    const std::string avant = surDisque();
    cliquer("Valider");
    EXPECT_EQ(dialogues.bips, 4);
    EXPECT_EQ(surDisque(), avant);
}

TEST_F(TroisEquipes, TerminéClosesAcceptedAndAnnulerLosesTheUnsavedTeam) {
    for (const char* juge : {"N_J1", "N_J2", "N_J3", "N_J4"})
        boite(juge, 0)->setText("9,00");
    cliquer("Terminé");
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(fenetre->result(), QDialog::Accepted);
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::NoteAgres(6)), "900");

    const std::string avant = surDisque();
    ouvrirFenetre(avant);
    QTest::keyClicks(focus(), "5");
    cliquer("Annuler");
    EXPECT_EQ(fenetre->result(), QDialog::Rejected);
    EXPECT_EQ(surDisque(), avant);
}

TEST_F(FenetreSaisie, OutOfCompetitionRowsAreSkippedAndIndividualsHaveNoTotal) {
    Enregistrement hc = gym("LIBRES*", "HORS");
    hc.poser(champs::SurCl, "H");
    ouvrirFenetre(fichier(
        {gym("LIBRES*", "A"), hc, gym("LIBRES*", "C"), slotLibre("LIBRES*", "01 B", kBloc)}));
    EXPECT_TRUE(cache("Totéq") && cache("Et_Tot"));
    EXPECT_EQ(boite("N_J1", 1)->text(), "0,00");
    EXPECT_FALSE(boite("N_J1", 1)->isEnabled() || boite("Déd", 1)->isEnabled());
    EXPECT_TRUE(cache("N_J1", 3) && cache("Nom", 3)) << "an empty place";

    boite("Déd", 0)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 2));
}
