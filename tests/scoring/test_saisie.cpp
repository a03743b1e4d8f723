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
        const Agres* sol = agresSaisissable(etat, "Sol");
        ASSERT_NE(sol, nullptr);
        fenetre = std::make_unique<Saisie>(etat, dialogues, *sol);
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
    QWidget* focus() const { return QApplication::focusWidget(); }
    // Typed into the box that has the focus, then Enter.
    void taper(const char* saisie) {
        QTest::keyClicks(focus(), saisie);
        QTest::keyClick(focus(), Qt::Key_Return);
    }
    void cliquer(const char* nom) { controle<QPushButton>(nom)->click(); }
};

// Three teams of four on Sol: ALPHA (A1 to A4), BETA and GAMMA (C1 to C4).
struct TroisEquipes : FenetreSaisie {
    void SetUp() override {
        std::string contenu;
        for (int t = 0; t < 3; ++t)
            for (int g = 1; g <= 4; ++g)
                contenu += gym(std::array{"ALPHA", "BETA", "GAMMA"}[t],
                               std::string(1, "ABC"[t]) + std::to_string(g))
                               .octets();
        ouvrirFenetre(contenu);
    }
};

} // namespace

TEST_F(TroisEquipes, MarksOfAMensCompetitionTypedWithTheKeyboardAlone) {
    EXPECT_EQ(fenetre->windowTitle().toStdString(),
              "Saisie des notes - " + etat.DescriptionCompet());
    EXPECT_EQ(texte("Nom_d_Appareil"), "Notes au sol");
    EXPECT_EQ(texte("Ekip"), "Equipe : ALPHA (1/3)");
    EXPECT_EQ(texte("J1"), "Juge  1");
    EXPECT_FALSE(controle<QLabel>("J4")->isHidden());
    EXPECT_TRUE(controle<QLabel>("J5")->isHidden());
    EXPECT_FALSE(boite("N_J4", 0)->isHidden());
    EXPECT_TRUE(boite("N_J5", 0)->isHidden());
    EXPECT_TRUE(boite("N_J1", 4)->isHidden()) << "teams of four";
    EXPECT_EQ(texte("Nom", 1), "A2");
    EXPECT_TRUE(controle<QLabel>("Avant")->isHidden());
    EXPECT_FALSE(controle<QLabel>("Après")->isHidden());
    EXPECT_EQ(controle<QScrollBar>("Ascen")->maximum(), 3);

    // Page Up on the first team saves nothing; from a mark box the focus goes back to the top,
    // a deduction box keeps it.
    const std::string avant = surDisque();
    boite("Déd", 1)->setFocus();
    QTest::keyClick(focus(), Qt::Key_PageUp);
    EXPECT_EQ(focus(), boite("Déd", 1));
    boite("N_J4", 2)->setFocus();
    QTest::keyClick(focus(), Qt::Key_PageUp);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(texte("Ekip"), "Equipe : ALPHA (1/3)");

    // Each gymnast's marks typed four ways; one bonus in the second team, one deduction in
    // the third.
    const char* deductions[3][4] = {{"", "", "", ""}, {"+1", "", "", ""}, {"", "", "", "05"}};
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(focus(), boite("N_J1", 0));
        for (int g = 0; g < 4; ++g) {
            for (const char* note : {"9", "95", "85", "875"})
                taper(note);
            taper(deductions[t][g]);
        }
        // Enter in the last deduction pressed Valider: the focus is back on the first box.
        EXPECT_EQ(focus(), boite("N_J1", 0));
        QTest::keyClick(focus(), Qt::Key_PageDown);
    }
    EXPECT_EQ(texte("Ekip"), "Equipe : GAMMA (3/3)") << "Page Down on the last team";
    EXPECT_TRUE(controle<QLabel>("Après")->isHidden());

    // 9,00 and 8,75 remain: 8,875 raised to 8,90. A bonus of 1,00 gives 9,90; 0,50 off, 8,40.
    EXPECT_EQ(surDisque(), lireFichier(PALMORA_FIXTURES "/clavier-trois-equipes.PLM"));
    EXPECT_EQ(texte("Totéq"), "26,70");
    EXPECT_EQ(texte("Défin", 3), "8,40");
    EXPECT_EQ(boite("Déd", 3)->text(), " 0,50");
    EXPECT_EQ(dialogues.bips, 0);
}

TEST_F(TroisEquipes, BoxesFilterKeysWithABeepAndARefusedDeductionKeepsTheFocusAndBlocksValider) {
    // A mark box: the top row gives its digit, other keys beep; left, the box is completed.
    QLineEdit* n = boite("N_J2", 0);
    n->setFocus();
    QTest::keyClicks(n, "'a+");
    EXPECT_EQ(dialogues.bips, 2);
    QTest::keyClick(n, Qt::Key_Tab);
    EXPECT_EQ(n->text(), "4,00");
    // A deduction box: "+" gives a bonus, five characters fit.
    QLineEdit* d = boite("Déd", 0);
    d->setFocus();
    QTest::keyClicks(d, "+3,00");
    QTest::keyClick(d, Qt::Key_Tab);
    EXPECT_EQ(d->text(), "-3,00");
    EXPECT_NE(focus(), d);

    d->clear();
    d->setFocus();
    QTest::keyClicks(d, "3,50");
    QTest::keyClick(d, Qt::Key_Tab);
    EXPECT_EQ(dialogues.bips, 3);
    QTest::qWait(0);
    EXPECT_EQ(focus(), d) << "the focus comes back";
    EXPECT_EQ(d->text(), "3,50");
    // Nor can it be saved: Valider beeps and writes nothing.
    const std::string avant = surDisque();
    cliquer("Valider");
    EXPECT_EQ(dialogues.bips, 4);
    EXPECT_EQ(surDisque(), avant);
}

TEST_F(TroisEquipes, TerminéStoresTheTeamTotalAndAnnulerLosesTheUnsavedTeam) {
    for (int g = 0; g < 4; ++g)
        for (const char* juge : {"N_J1", "N_J2", "N_J3", "N_J4"})
            boite(juge, g)->setText("9,00");
    cliquer("Terminé");
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(fenetre->result(), QDialog::Accepted);
    const Enregistrement premier(surDisque());
    EXPECT_EQ(premier.lire(champs::NoteAgres(6)), "900");
    EXPECT_EQ(premier.lire(champs::NoteEquipe(6)), "2700");

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
    EXPECT_TRUE(controle<QLabel>("Totéq")->isHidden());
    EXPECT_TRUE(controle<QLabel>("Et_Tot")->isHidden());
    EXPECT_EQ(boite("N_J1", 1)->text(), "0,00");
    EXPECT_FALSE(boite("N_J1", 1)->isEnabled());
    EXPECT_FALSE(boite("Déd", 1)->isEnabled());
    EXPECT_TRUE(boite("N_J1", 3)->isHidden()) << "an empty place";
    EXPECT_TRUE(controle<QLabel>("Nom", 3)->isHidden());

    boite("Déd", 0)->setFocus();
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 2));
}
