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
    static void cliquerOption(QRadioButton* b) {
        QStyleOptionButton o;
        o.initFrom(b);
        const QRect rond = b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, b);
        QTest::mouseClick(b, Qt::LeftButton, {}, rond.center());
    }
    static bool rouge(QRadioButton* b) {
        return b->palette().color(QPalette::WindowText) == Qt::red;
    }
    std::vector<std::string> fichiers() const {
        std::vector<std::string> noms;
        for (const auto& entree : std::filesystem::directory_iterator(dossier.chemin()))
            noms.push_back(entree.path().filename().string());
        return noms;
    }
};

} // namespace

TEST_F(NouvoFenetre, OpensOnItsFirstChoicesWithNoCompetitionOpen) {
    ecrireFichier(dossier / "F_1_P000.PLM",
                  std::string(48, ' ') + "0650001111" + std::string(242, '\0'));
    ASSERT_TRUE(etat.Ouvrir("F_1_P000.PLM", dialogues));

    Nouvo n(etat, dialogues, jugesScriptes);
    EXPECT_FALSE(etat.ouvert());
    EXPECT_FALSE(etat.ouvert());
    n.show();
    EXPECT_EQ(n.windowTitle(), "Nouveau fichier");
    EXPECT_EQ(texte(n, "NomFichier"), "F_1_NS.PLM");
    EXPECT_TRUE(n.findChild<QGroupBox*>("CadreAppartenance")->isHidden());
    EXPECT_TRUE(option(n, "Niveau3")->isHidden()) << "Circuit préparatoire";
    EXPECT_EQ(option(n, "Catégorie5")->text(), " 7- 8 ans");
    EXPECT_TRUE(option(n, "Catégorie5")->isChecked());
    EXPECT_TRUE(rouge(option(n, "Sexe0")));
    EXPECT_FALSE(rouge(option(n, "Sexe1")));
}

TEST_F(NouvoFenetre, ClickingAnOptionAppliesItsRulesToTheWholeDialog) {
    Nouvo n(etat, dialogues, jugesScriptes);
    n.show();
    cliquerOption(option(n, "Sexe1"));
    EXPECT_EQ(texte(n, "NomFichier"), "M_1_NS.PLM");
    EXPECT_EQ(texte(n, "LegendeEffectif"), "Concurrents par équipe");
    EXPECT_EQ(texte(n, "Retenues"), "4");
    EXPECT_TRUE(rouge(option(n, "Sexe1")));

    cliquerOption(option(n, "Niveau5"));
    EXPECT_EQ(texte(n, "NomFichier"), "M_H_MS.PLM");
    EXPECT_TRUE(option(n, "Catégorie2")->isChecked());
    EXPECT_TRUE(rouge(option(n, "Catégorie2")));
    EXPECT_FALSE(n.findChild<QGroupBox*>("CadreAppartenance")->isHidden());
    cliquerOption(option(n, "Appartenance1"));
    EXPECT_EQ(texte(n, "NomFichier"), "M_H_MD.PLM");
}

TEST_F(NouvoFenetre, TheKeypadAndTheButtonsChangeTeamSizeAndRetainedCount) {
    Nouvo n(etat, dialogues, jugesScriptes);
    n.show();
    // Keys typed on an option reach the dialog.
    QWidget* focus = option(n, "Niveau0");
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(focus, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(texte(n, "Effectif"), "3");
    QTest::keyClick(focus, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(focus, Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(texte(n, "Effectif"), "4");
    EXPECT_EQ(texte(n, "Retenues"), "4");
    // Ctrl is not alone: the team size changes.
    QTest::keyClick(focus, Qt::Key_Minus,
                    Qt::KeypadModifier | Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(texte(n, "Effectif"), "3");
    EXPECT_EQ(texte(n, "Retenues"), "3");
    QTest::keyClick(focus, Qt::Key_Minus);
    EXPECT_EQ(texte(n, "Effectif"), "3") << "the top-row minus does nothing";

    cliquer(n, "CtrlMoins");
    cliquer(n, "Plus");
    EXPECT_EQ(texte(n, "Effectif"), "4");
    EXPECT_EQ(texte(n, "Retenues"), "2");
}

TEST_F(NouvoFenetre, OkCreatesAndOpensTheCompetitionThroughTheJudgePanel) {
    Nouvo n(etat, dialogues, jugesScriptes);
    n.show();
    cliquerOption(option(n, "Niveau1"));
    QTest::keyClick(option(n, "Niveau1"), Qt::Key_Return);
    EXPECT_TRUE(n.cree());
    EXPECT_FALSE(n.isVisible());
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_TRUE(demandes[0].femmes());
    EXPECT_EQ(lireFichier(dossier / "F_2_N000.PLM"),
              std::string(48, ' ') + "0650001121" + std::string(242, '\0'));
    EXPECT_TRUE(etat.ouvert());
}

TEST_F(NouvoFenetre, TheJudgeDialogOpensFromOkAndItsAnnulerCreatesNothing) {
    const DemandeJuges dialogueJuges = [](const PanneauJuges& depart) {
        return Juges::demander(depart, nullptr);
    };
    Nouvo avecJuges(etat, dialogues, dialogueJuges);
    avecJuges.show();
    piloterJuges([](Juges& d) {
        fonction(d, Qt::Key_F8, +1);
        fonction(d, Qt::Key_F8, +1);
        cliquer(d, "Oui");
    });
    cliquer(avecJuges, "OK");
    EXPECT_TRUE(avecJuges.cree());
    EXPECT_EQ(lireFichier(dossier / "F_1_N000.PLM").substr(48, 10), "0650001113");

    Nouvo annule(etat, dialogues, dialogueJuges);
    annule.show();
    piloterJuges([](Juges& d) { cliquer(d, "Annuler"); });
    cliquer(annule, "OK");
    EXPECT_FALSE(annule.cree());
    EXPECT_EQ(fichiers(), std::vector<std::string>{"F_1_N000.PLM"});
    EXPECT_FALSE(etat.ouvert());
}

TEST_F(NouvoFenetre, AnnulerClosesWithoutAskingForJudges) {
    Nouvo n(etat, dialogues, jugesScriptes);
    n.show();
    cliquer(n, "Annuler");
    EXPECT_EQ(n.result(), QDialog::Rejected);
    EXPECT_FALSE(n.cree());
    EXPECT_TRUE(demandes.empty());
    EXPECT_TRUE(fichiers().empty());
    EXPECT_FALSE(etat.ouvert());
}
