#include "data/Nouvo.h"
#include "data/competition.h"

#include "scoring/pilote_juges.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

using namespace palmora;
using namespace palmora::test;

namespace {

struct NouvoFenetre : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Competition etat;
    std::vector<PanneauJuges> demandes;
    // The judge panel as the organiser leaves it: here, one more judge at Sol.
    DemandeJuges jugesScriptes = [this](const PanneauJuges& depart) {
        demandes.push_back(depart);
        PanneauJuges laisse = depart;
        laisse.appuyer(7, true, false, false);
        return laisse;
    };

    NouvoFenetre() { etat.changerDossier(dossier.chemin()); }
    static QString texte(Nouvo& n, const char* nom) {
        return n.findChild<QLabel*>(QString::fromUtf8(nom))->text();
    }
    static QRadioButton* option(Nouvo& n, const char* nom) {
        return n.findChild<QRadioButton*>(QString::fromUtf8(nom));
    }
    // Clicks the option's round mark: the text's extent depends on the fonts of the machine.
    static void cliquerOption(Nouvo& n, const char* nom) {
        QRadioButton* b = option(n, nom);
        QStyleOptionButton o;
        o.initFrom(b);
        const QRect rond = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, b);
        QTest::mouseClick(b, Qt::LeftButton, {}, rond.center());
    }
    static bool rouge(Nouvo& n, const char* nom) {
        return option(n, nom)->palette().color(QPalette::WindowText) == Qt::red;
    }
    std::string etatNouvo(Nouvo& n) {
        return (texte(n, "NomFichier") + " " + texte(n, "Effectif") + "/" + texte(n, "Retenues") +
                " " + texte(n, "LegendeEffectif"))
            .toStdString();
    }
};

} // namespace

TEST_F(NouvoFenetre, ClickingAnOptionShowsItsRulesAndOkCreatesThroughTheJudgePanel) {
    ecrireFichier(dossier / "F_1_P000.PLM",
                  std::string(48, ' ') + "0650001111" + std::string(242, '\0'));
    ASSERT_TRUE(etat.Ouvrir("F_1_P000.PLM", dialogues));
    Nouvo n(etat, dialogues, jugesScriptes);
    EXPECT_FALSE(etat.ouvert()) << "opening closes the competition";
    n.show();
    EXPECT_EQ(etatNouvo(n), "F_1_NS.PLM 6/5 Concurrentes par équipe");
    EXPECT_TRUE(n.findChild<QGroupBox*>("CadreAppartenance")->isHidden());
    EXPECT_TRUE(option(n, "Niveau3")->isHidden()) << "Circuit préparatoire";
    EXPECT_EQ(option(n, "Catégorie5")->text(), " 7- 8 ans");
    EXPECT_TRUE(option(n, "Catégorie5")->isChecked());
    EXPECT_TRUE(rouge(n, "Sexe0"));

    cliquerOption(n, "Sexe1");
    EXPECT_EQ(etatNouvo(n), "M_1_NS.PLM 6/4 Concurrents par équipe");
    EXPECT_TRUE(rouge(n, "Sexe1"));
    EXPECT_FALSE(rouge(n, "Sexe0"));
    EXPECT_FALSE(option(n, "Niveau3")->isHidden());
    cliquerOption(n, "Niveau5");
    EXPECT_EQ(etatNouvo(n), "M_H_MS.PLM 4/3 Concurrents par équipe");
    EXPECT_TRUE(option(n, "Catégorie2")->isChecked());
    EXPECT_TRUE(rouge(n, "Catégorie2"));
    EXPECT_FALSE(n.findChild<QGroupBox*>("CadreAppartenance")->isHidden());
    cliquerOption(n, "Appartenance1");
    EXPECT_EQ(texte(n, "NomFichier"), "M_H_MD.PLM");
    Nouvo m(etat, dialogues, jugesScriptes);
    m.show();
    cliquerOption(m, "Niveau1");
    QTest::keyClick(option(m, "Niveau1"), Qt::Key_Return);
    EXPECT_TRUE(m.cree());
    EXPECT_FALSE(m.isVisible());
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_TRUE(demandes[0].femmes());
    EXPECT_EQ(lireFichier(dossier / "F_2_N000.PLM"),
              std::string(48, ' ') + "0650001121" + std::string(242, '\0'));
    EXPECT_TRUE(etat.ouvert());
}

TEST_F(NouvoFenetre, TheKeypadAndTheButtonsChangeTeamSizeAndRetainedCount) {
    Nouvo n(etat, dialogues, jugesScriptes);
    n.show();
    QWidget* focus = option(n, "Niveau0"); // keys typed on an option reach the dialog
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(focus, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(texte(n, "Effectif"), "3");
    QTest::keyClick(focus, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(focus, Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(texte(n, "Effectif") + texte(n, "Retenues"), "44");
    // Ctrl is not alone: the team size changes.
    QTest::keyClick(focus, Qt::Key_Minus,
                    Qt::KeypadModifier | Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(texte(n, "Effectif") + texte(n, "Retenues"), "33");
    QTest::keyClick(focus, Qt::Key_Minus);
    EXPECT_EQ(texte(n, "Effectif"), "3") << "the top-row minus does nothing";
    cliquer(n, "CtrlMoins");
    cliquer(n, "Plus");
    EXPECT_EQ(texte(n, "Effectif") + texte(n, "Retenues"), "42");
}

// OK through the real judge dialog is walked by the acceptance run.
TEST_F(NouvoFenetre, AnnulerOfTheJudgeDialogOrOfTheWindowCreatesNothing) {
    Nouvo annule(etat, dialogues,
                 [](const PanneauJuges& depart) { return Juges::demander(depart, nullptr); });
    annule.show();
    piloterJuges([](Juges& d) { cliquer(d, "Annuler"); });
    cliquer(annule, "OK");
    EXPECT_FALSE(annule.cree());
    EXPECT_FALSE(etat.ouvert());

    Nouvo n(etat, dialogues, jugesScriptes);
    n.show();
    cliquer(n, "Annuler");
    EXPECT_EQ(n.result(), QDialog::Rejected);
    EXPECT_FALSE(n.cree());
    EXPECT_TRUE(demandes.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dossier.chemin()));
}
