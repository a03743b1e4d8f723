// What only Qt does: the PDF surface's metric and its write failure, and the match sheet
// dialogues (the PDF written, shown and read back is the acceptance run's).
#include "platform/SurfaceQt.h"
#include "reports/F_Match.h"
#include "reports/Quelepreuv.h"
#include "reports/QuelleEquipe.h"
#include "reports/feuilles_match.h"
#include "reports/outils.h"
#include "support/pilote_modal.h"

#include <QLabel>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {
struct SurfacePdf : Programme, ::testing::Test {
    void SetUp() override {
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer is set";
    }
};
} // namespace

TEST_F(SurfacePdf, TextIsMeasuredInArialAndAPdfIsWrittenOnlyWhenDrawnOnAndWhereItCan) {
    SurfaceQt s(dialogues, ouvreur);
    s.commencer(dossier / "vide.pdf");
    s.taille(10);
    // Liberation Sans answers for Arial: "Gymnastique" is a little over 20 mm at 10 pt.
    EXPECT_GT(s.largeur("Gymnastique"), 18);
    EXPECT_LT(s.largeur("Gymnastique"), 23);
    EXPECT_NEAR(s.largeur("----"), 4 * s.largeur("-"), 0.01);
    EXPECT_GT(s.hauteur("A"), 3.5);
    s.nouvellePage();
    s.terminer();
    EXPECT_FALSE(fs::exists(dossier / "vide.pdf"));
    EXPECT_TRUE(dialogues.messages.empty());
    for (const fs::path& pdf : {dossier / "un.pdf", dossier / "absent" / "essai.pdf"}) {
        SurfaceQt d(dialogues, ouvreur);
        d.commencer(pdf);
        d.texte(10, 10, "Saut");
        d.ligne(0, 0, 10, 10);
        d.terminer();
    }
    // The first written, its path told, then shown; the second named once, nothing opens.
    ASSERT_EQ(dialogues.messages.size(), 2U);
    EXPECT_NE(dialogues.messages[0].texte.find((dossier / "un.pdf").string()), std::string::npos);
    EXPECT_EQ(ouvreur.ouverts, std::vector{dossier / "un.pdf"});
    EXPECT_EQ(dialogues.messages[1].texte, "Le fichier\n" +
                                               (dossier / "absent" / "essai.pdf").string() +
                                               "\nne peut pas être écrit.");
    EXPECT_EQ(dialogues.messages[1].icone, Icone::Critique);
}

namespace {

struct Dialogue : AppliOuverte {
    ChoixFeuilles choix;
    void SetUp() override { ouvrir("F_2_PS00.PLM", equipesDeQuatre(3)); }
};

QRadioButton* option(QWidget& w, const char* nom) {
    return w.findChild<QRadioButton*>(QString::fromUtf8(nom));
}

bool enRouge(QRadioButton* b) {
    return b->palette().color(QPalette::WindowText) == Qt::red;
}

} // namespace

// The chosen option shows in red; the team comes from the scroll bar; the grid only needs no
// apparatus; cancelling the apparatus prints nothing. The men's set starts on the rings.
TEST_F(Dialogue, MatchSheetChoicesReachThePrintout) {
    piloterModal<F_Match>([&](F_Match& f) {
        EXPECT_TRUE(enRouge(option(f, "O_équipe1")));
        option(f, "O_équipe0")->click();
        EXPECT_TRUE(enRouge(option(f, "O_équipe0")));
        EXPECT_FALSE(enRouge(option(f, "O_équipe1")));
        option(f, "O_Grille1")->click();
        EXPECT_TRUE(choix.AvecGrille && choix.GrilleSeule);
        piloterModal<QuelleEquipe>([](QuelleEquipe& q) {
            auto* Et_éq = q.findChild<QLabel*>("Et_éq");
            EXPECT_EQ(Et_éq->text(), "EQUIPE A       ");
            q.findChild<QScrollBar*>("DV")->setValue(2);
            EXPECT_EQ(Et_éq->text(), "EQUIPE B       ");
            QTest::keyClick(&q, Qt::Key_Return);
        });
        cliquer(f, "Oui");
    });
    F_Match(appli.compet, appli.titre, choix, surface).exec();
    EXPECT_EQ(choix.EquipeChoisie, 2);
    EXPECT_EQ(surface.pages.size(), 1U);

    surface = {};
    piloterModal<F_Match>([&](F_Match& f) {
        option(f, "O_épreuve0")->click();
        EXPECT_EQ(choix.EpreuveChoisie, 0);
        piloterModal<Quelepreuv>([](Quelepreuv& q) {
            EXPECT_FALSE(option(q, "Option0")->isVisible());
            EXPECT_TRUE(option(q, "Option6")->isVisible());
            EXPECT_TRUE(option(q, "Option3")->isChecked());
            EXPECT_TRUE(enRouge(option(q, "Option3")));
            cliquer(q, "Annuler");
        });
        cliquer(f, "Oui");
    });
    F_Match(appli.compet, appli.titre, choix, surface).exec();
    EXPECT_EQ(choix.EpreuveChoisie, 0);
    EXPECT_TRUE(surface.documents.empty());

    Quelepreuv hommes('M', choix);
    hommes.show();
    EXPECT_EQ(choix.EpreuveChoisie, 1);
    EXPECT_FALSE(option(hommes, "Option6")->isVisible());
}
