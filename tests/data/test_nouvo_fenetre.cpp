#include "data/Nouvo.h"
#include "data/competition.h"

#include "cas.h"
#include "scoring/pilote_juges.h"
#include "support/dossier_temporaire.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <memory>

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
    static QRadioButton* option(Nouvo& n, const std::string& nom) {
        return n.findChild<QRadioButton*>(QString::fromStdString(nom));
    }
    static std::string vu(Nouvo& n, const std::string& cle) {
        const std::size_t deux = cle.find(':');
        QRadioButton* o = option(n, cle.substr(deux + 1));
        if (cle == "cree") return std::to_string(n.cree());
        if (cle == "visible") return std::to_string(n.isVisible());
        if (cle == "cadre")
            return std::to_string(!n.findChild<QGroupBox*>("CadreAppartenance")->isHidden());
        if (cle.starts_with("vu:")) return std::to_string(!o->isHidden());
        if (cle.starts_with("texte:")) return o->text().toStdString();
        if (o)
            return std::string(o->isChecked() ? "x" : "-") +
                   (o->palette().color(QPalette::WindowText) == Qt::red ? "r" : "-");
        const char* labels[] = {"NomFichier", "Effectif", "Retenues", "LegendeEffectif"};
        const int k = cle == "nom" ? 0 : cle == "effectif" ? 1 : cle == "retenues" ? 2 : 3;
        return n.findChild<QLabel*>(labels[k])->text().toStdString();
    }
    void agir(Nouvo& n, const std::string& a) {
        QWidget* focus = option(n, "Niveau0");
        if (a == "Entrée") QTest::keyClick(focus, Qt::Key_Return);
        if (a == "-") QTest::keyClick(focus, Qt::Key_Minus);
        if (a[0] == 'K')
            QTest::keyClick(focus, a.back() == '+' ? Qt::Key_Plus : Qt::Key_Minus,
                            Qt::KeypadModifier |
                                (a.find('C') != a.npos ? Qt::ControlModifier : Qt::NoModifier) |
                                (a.find('S') != a.npos ? Qt::ShiftModifier : Qt::NoModifier));
        if (a[0] == '@') cliquer(n, a.c_str() + 1);
        if (QRadioButton* b = option(n, a)) {
            // The round mark: the text's extent depends on the fonts of the machine.
            QStyleOptionButton o;
            o.initFrom(b);
            QTest::mouseClick(
                b, Qt::LeftButton, {},
                b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, b).center());
        }
    }
};

} // namespace

TEST_F(NouvoFenetre, OptionsKeysAndButtonsShowTheirRulesAndOkCreatesThroughTheJudgePanel) {
    ecrireFichier(dossier / "F_1_P000.PLM",
                  std::string(48, ' ') + "0650001111" + std::string(242, '\0'));
    ASSERT_TRUE(etat.Ouvrir("F_1_P000.PLM", dialogues));
    std::vector<std::unique_ptr<Nouvo>> fenetres;
    for (const Cas& c : lireCas("nouvo_fenetre.txt")) {
        std::istringstream actions(c[0]);
        for (std::string a; actions >> a;) {
            if (a == "nouvelle") {
                fenetres.push_back(std::make_unique<Nouvo>(etat, dialogues, jugesScriptes));
                fenetres.back()->show();
                EXPECT_FALSE(etat.ouvert()) << "opening closes the competition";
            } else {
                agir(*fenetres.back(), a);
            }
        }
        for (std::size_t k = 1; k < c.size(); ++k) {
            const std::size_t egal = c[k].find('=');
            EXPECT_EQ(c[k].substr(0, egal + 1) + vu(*fenetres.back(), c[k].substr(0, egal)), c[k])
                << c.ligne;
        }
    }
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_TRUE(demandes[0].femmes());
    EXPECT_EQ(lireFichier(dossier / "F_2_N000.PLM"),
              std::string(48, ' ') + "0650001121" + std::string(242, '\0'));
    EXPECT_TRUE(etat.ouvert());
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
