#include "app/A_Prop.h"
#include "app/Akeuil.h"
#include "app/Commandes.h"
#include "data/competition.h"
#include "platform/lecteur_a.h"
#include "registration/ImportInscriptions.h"
#include "scoring/Saisie.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"
#include "support/ouvreur_enregistre.h"
#include "support/pilote_modal.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

#include <memory>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// Men, team of 1, 1 retained, one judge everywhere but the beam.
constexpr std::string_view kBlocMasculin = "0111111110";

struct CommandesFenetre : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    HorlogeFixe horloge{{2005, 10, 6, 18, 9, 2}};
    OuvreurEnregistre ouvreur;
    LecteurASysteme lecteur;
    fs::path jour = programme / "06 octobre 2005";
    fs::path avant = fs::current_path();
    std::unique_ptr<Akeuil> fenetre;
    Commandes* commandes = nullptr;

    void SetUp() override {
        ecrireFichier(programme / "AGE.AGE", "97989596939491929798959693949192");
        fs::create_directories(jour);
        ecrireFichier(jour / "TITRE.1", "\"Coupe\",\"Lyon\"\r\n");
        fenetre = std::make_unique<Akeuil>(dialogues, horloge, programme.chemin());
        commandes = new Commandes(*fenetre, dialogues, horloge, ouvreur, lecteur);
        ASSERT_TRUE(fenetre->demarrer());
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    }
    void TearDown() override {
        fenetre->hide();
        fenetre.reset();
        fs::current_path(avant);
    }
    void ouvrir(const char* nom, const std::string& contenu) {
        ecrireFichier(jour / nom, contenu);
        fenetre->RafraichirListe();
        fenetre->ouvrirCompetition(nom);
    }
    Enregistrement enregistrement(const char* nom, int n) const {
        return Enregistrement(std::string_view(lireFichier(jour / nom)).substr((n - 1) * 300, 300));
    }
    // A key pressed in the main window, active again once a dialog has closed.
    void touche(Qt::Key k, Qt::KeyboardModifiers m) {
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
        QTest::keyClick(fenetre.get(), k, m);
    }
};

} // namespace

// The organiser chooses Sol, types 95 for the first judge, validates, then asks for the
// individual ranking.
TEST_F(CommandesFenetre, TheTypicalRoadFromAMarkToTheIndividualPage) {
    ouvrir("M_1_PS00.PLM", fichier({gymnaste("ALPHA", "69 LYON", "DUPONT", kBlocMasculin)}));
    piloterModal<Saisie>([](Saisie& s) {
        QLineEdit* juge1 = nullptr;
        for (QLineEdit* b : s.findChildren<QLineEdit*>("N_J1"))
            if (b->property("index").toInt() == 0) juge1 = b;
        ASSERT_NE(juge1, nullptr);
        juge1->setFocus();
        QTest::keyClicks(juge1, "95");
        cliquer(s, "Valider");
        cliquer(s, "Annuler");
    });
    fenetre->action("Sol")->trigger();

    const Enregistrement e = enregistrement("M_1_PS00.PLM", 1);
    EXPECT_EQ(e.lire(champs::Notes(6, 1)), "950");
    EXPECT_EQ(e.lire(champs::NoteAgres(6)), "950");
    EXPECT_EQ(e.lire(champs::NoteEquipe(6)), "0950");

    touche(Qt::Key_V, Qt::ControlModifier);
    const fs::path page = jour / "Masculins Niveau 1 . 9-10 ans . Simple appartenance (indiv).htm";
    EXPECT_TRUE(fs::exists(page));
    ASSERT_EQ(ouvreur.ouverts.size(), 1u);
    EXPECT_EQ(ouvreur.ouverts[0], page);
    EXPECT_EQ(enregistrement("M_1_PS00.PLM", 1).lire(champs::TotalIndiv), "0950");
}

TEST_F(CommandesFenetre, KeysRunOnlyWhereTheirConditionHolds) {
    // No competition: Ctrl+V and Alt+I do nothing.
    touche(Qt::Key_V, Qt::ControlModifier);
    touche(Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(ouvreur.ouverts.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Women's competition: Ctrl+Shift+R (Arçons) does nothing; Alt+P without a team neither.
    ouvrir("F_1_NS00.PLM", fichier({enregistrementProvisoire("0430004444")}));
    touche(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    touche(Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(dialogues.messages.empty());

    // Team size once a team is registered: refused.
    ouvrir("F_1_NS01.PLM", fichier({gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX")}));
    touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Des équipes ont déjà été saisies");
}

// The whole import by keyboard: Ctrl+Alt+R, the file's name typed, Enter, then Alt+I.
TEST_F(CommandesFenetre, CtrlAltRImportsAClubFileByKeyboardAlone) {
    touche(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier); // no competition: nothing
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ouvrir("F_1_PS00.PLM", fichier({enregistrementProvisoire("0430004444")}));
    ecrireFichier(jour / "club.csv", "Equipe;Ville;Nom;Annee\r\nGYM;01 Bourg;Dupont;96\r\n");
    bool vu = false;
    // The file dialog's loop must end before the import window opens: polled, not waited for.
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || QApplication::activeWindow() != modal || vu) return;
        if (auto* choix = qobject_cast<QFileDialog*>(modal)) {
            EXPECT_EQ(choix->directory().absolutePath().toStdString(), jour.string());
            QTest::keyClicks(QApplication::focusWidget(), "club.csv");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (qobject_cast<ImportInscriptions*>(modal)) {
            vu = true;
            QTest::keyClick(modal, Qt::Key_I, Qt::AltModifier);
        }
    });
    sonde.start(20);
    touche(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    sonde.stop();
    EXPECT_TRUE(vu);
    EXPECT_EQ(fenetre->etat().compet.nbEquipes(), 1);
    EXPECT_EQ(enregistrement("F_1_PS00.PLM", 1).lire(champs::Nom), "DUPONT         ");
    EXPECT_TRUE(fenetre->action("Voir")->isVisible());
}

TEST_F(CommandesFenetre, ProtectingThenUnprotectingChangesButtonsAndTheReopeningMessage) {
    Enregistrement complet = gymnaste("ALPHA", "69 LYON", "DUPONT", kBlocMasculin);
    for (int s = 1; s <= 6; ++s)
        complet.poser(champs::Notes(s, 1), "900");
    ouvrir("M_1_PS00.PLM", fichier({complet}));
    dialogues.reponses = {Reponse::Oui};
    touche(Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(fenetre->etat().compet.Protege());
    EXPECT_FALSE(fenetre->action("inscrire")->isVisible());
    EXPECT_FALSE(fenetre->action("protege")->isVisible());

    dialogues.messages.clear();
    fenetre->ouvrirCompetition("M_1_PS00.PLM");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "M_1_PS00.PLM");

    touche(Qt::Key_F9, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(fenetre->etat().compet.Protege());
    EXPECT_TRUE(fenetre->action("inscrire")->isVisible());
    dialogues.messages.clear();
    fenetre->ouvrirCompetition("M_1_PS00.PLM");
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(CommandesFenetre, QuittingWithYesRebuildsTheRegistryAndShowsTheAboutWindowLast) {
    Enregistrement licencie = gymnaste("ALPHA", "69 LYON", "DUPONT");
    licencie.poser(champs::NoLic, "0000000123");
    ouvrir("F_1_NS00.PLM", fichier({licencie}));

    dialogues.reponses = {Reponse::Non};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_FALSE(fs::exists(programme / "Orvane.lic"));

    bool aProposVu = false;
    piloterModal<A_Prop>([&](A_Prop& a) {
        aProposVu = fs::exists(programme / "Orvane.lic");
        // The rebuild closed the competition, and the window behind says so.
        EXPECT_EQ(fenetre->findChild<QLabel*>("utilisé")->text(), " Aucun fichier en mémoire ");
        cliquer(a, "Vu");
    });
    dialogues.reponses = {Reponse::Oui};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(aProposVu);
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(dialogues.messages.back().titre, "Sortie du logiciel");
}
