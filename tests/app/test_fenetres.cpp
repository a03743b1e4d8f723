// The windows' wiring: the main window from start-up to quitting, its dialogs and commands.
// Creation, registration, marks, pages, printing, Alt+P, Alt+Q and F1 are walked by the
// acceptance run. Competition files from tests/data/app.
#include "app/A_Prop.h"
#include "app/Akeuil.h"
#include "app/Commandes.h"
#include "app/DialogueDirect.h"
#include "app/Dossier.h"
#include "app/Restaurer.h"
#include "app/Titre.h"
#include "data/sauvegardes.h"
#include "platform/lecteur_a.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"
#include "support/ouvreur_enregistre.h"
#include "support/pilote_modal.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QToolBar>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const QString kToujours = "Nouveau partir titre Aide";

std::string plm(const std::string& nom) {
    return lireFichier(fs::path(PALMORA_FIXTURES) / nom);
}

template <class W = QLabel> W* enfant(QWidget& w, const char* nom) {
    return w.findChild<W*>(QString::fromUtf8(nom));
}
std::string lignes(QListWidget* l) {
    QStringList textes;
    for (int k = 0; k < l->count(); ++k)
        textes << l->item(k)->text();
    return textes.join('|').toStdString();
}
// Opens the folder of that name in the folder dialog's list with Enter.
void entrerDans(Dossier& d, const QString& nom) {
    auto* dir = enfant<QListWidget>(d, "Dir1");
    dir->setCurrentItem(dir->findItems(nom, Qt::MatchExactly).value(0));
    QTest::keyClick(dir, Qt::Key_Return);
}

// Before September 2006 a stored age table of the season loads without its dialog.
struct Accueil : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    HorlogeFixe horloge{{2005, 10, 6, 18, 9, 2}};
    OuvreurEnregistre ouvreur;
    LecteurASysteme lecteur;
    fs::path jour = programme / "06 octobre 2005";
    fs::path avant = fs::current_path();
    std::unique_ptr<Akeuil> fenetre;

    void SetUp() override {
        ecrireFichier(programme / "AGE.AGE", "97989596939491929798959693949192");
        fenetre = std::make_unique<Akeuil>(dialogues, horloge, programme.chemin());
    }
    void TearDown() override {
        fenetre.reset();
        fs::current_path(avant);
    }
    static void titrer(const fs::path& dossier) {
        fs::create_directories(dossier);
        ecrireFichier(dossier / "TITRE.1", "\"Coupe de printemps\",\"Lyon\"\r\n");
    }
    // Started in the day's folder and shown; with the commands unless `seule`.
    void demarrer(bool seule = false) {
        if (!seule) new Commandes(*fenetre, dialogues, horloge, ouvreur, lecteur);
        titrer(jour);
        ASSERT_TRUE(fenetre->demarrer());
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    }
    void ouvrir(const char* nom, std::string_view contenu) {
        ecrireFichier(jour / nom, contenu);
        fenetre->RafraichirListe();
        fenetre->ouvrirCompetition(nom);
    }
    // A key pressed in the main window, active again once a dialog has closed.
    void touche(Qt::Key k, Qt::KeyboardModifiers m) {
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
        QTest::keyClick(fenetre.get(), k, m);
    }
    // The buttons shown; `enVue`: and not behind the bar's overflow arrow.
    QString boutons(bool enVue = false) const {
        QStringList cles;
        for (const char* cle : {"Ouvrir", "Nouveau", "protege", "partir", "titre", "inscrire",
                                "Note", "Voir", "Imprimer", "Aide"})
            if (fenetre->action(cle)->isVisible() &&
                (!enVue || enfant<QToolBar>(*fenetre, "Toolbar1")
                               ->widgetForAction(fenetre->action(cle))
                               ->isVisible()))
                cles << cle;
        return cles.join(' ');
    }
    QString panneau(const char* nom) const { return enfant(*fenetre, nom)->text(); }
    QListWidget* listFich() const { return enfant<QListWidget>(*fenetre, "ListFich"); }
    QString menuNote() const {
        QStringList entrees;
        for (QAction* a : fenetre->action("Note")->menu()->actions())
            entrees << a->objectName() + "=" + a->text();
        return entrees.join(' ');
    }
};

} // namespace

TEST_F(Accueil, StartsInTheDayFolderButtonsListAndMenuFollowTheCompetitionCommandsGoByKey) {
    demarrer(true);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(fenetre->windowTitle() + "|" + QString::fromStdString(fenetre->etat().dates.mois) +
                  "|" + panneau("TitreCompét") + "|" + panneau("utilisé") + "|" +
                  panneau("aujourd'hui") + " " + panneau("horloge"),
              "Palmora - Version 1.00| octobre |Coupe de printemps - Lyon|Aucun fichier en "
              "mémoire|06/10/2005 18:09:02");
    EXPECT_EQ(fenetre->titreCompet().font().pointSize(), 10);
    EXPECT_EQ(boutons(), kToujours);
    EXPECT_TRUE(listFich()->isHidden());
    // Alt+O works with "Ouvrir" hidden: the list is then empty.
    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(listFich()->isVisible());
    EXPECT_EQ(listFich()->count(), 0);

    ouvrir("F_1_NS00.PLM", plm("provisoire.plm"));
    EXPECT_EQ(boutons(), "Ouvrir Nouveau partir titre inscrire Aide");
    ouvrir("F_1_NS00.PLM", plm("deux-dont-un-marque.plm"));
    EXPECT_EQ(boutons(), "Ouvrir Nouveau partir titre Voir Imprimer Aide");
    ouvrir("M_1_NS00.PLM", plm("deux.plm"));
    EXPECT_EQ(boutons(), "Ouvrir Nouveau protege partir titre inscrire Note Voir Imprimer Aide");
    // All in sight whatever the fonts of the machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return boutons(true) == boutons(); }))
        << boutons(true).toStdString();

    // The list: descriptions in name order; Enter opens the selected line.
    ecrireFichier(jour / "M_E_NS00.PLM", plm("provisoire.plm"));
    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(lignes(listFich()),
              "Féminines Niveau 1 . 7-8 ans . Simple appartenance|Masculins Niveau 1 . 7-8 ans . "
              "Simple appartenance|Mini-enchaînements . 7-8 ans . Simple appartenance");
    EXPECT_TRUE(listFich()->hasFocus());
    listFich()->setCurrentRow(2);
    QTest::keyClick(listFich(), Qt::Key_Return);
    EXPECT_EQ(fenetre->etat().compet.FichierCompet(), "M_E_NS00.PLM");
    EXPECT_FALSE(listFich()->isVisible());
    EXPECT_EQ(panneau("utilisé"), "Mini-enchaînements . 7-8 ans . Simple appartenance");
    // A men's file of level "E" gets the women's apparatus.
    EXPECT_EQ(menuNote(), "Saut=Saut Barres=Barres Poutre=Poutre Sol=Sol");
    fenetre->ouvrirCompetition("M_1_NS00.PLM");
    EXPECT_EQ(menuNote(), "Sol=Sol Arçons=Arçons Anneaux=Anneaux Saut=Saut "
                          "Parallèles=Parallèles Fixe=Fixe");

    // Commands hide the list and are reported by key.
    QSignalSpy commandes(fenetre.get(), &Akeuil::commandeChoisie);
    fenetre->action("Ouvrir")->trigger();
    EXPECT_TRUE(listFich()->isVisible());
    fenetre->action("titre")->trigger();
    EXPECT_FALSE(listFich()->isVisible());
    fenetre->action("Ouvrir")->trigger();
    enfant<QPushButton>(*fenetre, "Annule")->click();
    EXPECT_FALSE(listFich()->isVisible());
    fenetre->action("Note")->trigger(); // the button itself: only the arrow does something
    fenetre->action("Parallèles")->trigger();
    fenetre->action("Imprim_Match")->trigger();
    QString cles;
    for (const QList<QVariant>& signal : commandes)
        cles += signal.at(0).toString() + " ";
    EXPECT_EQ(cles, "titre Parallèles Imprim_Match ");
}

// Cancel ends the start; No opens the folder dialog at the program folder, which it refuses;
// Ctrl+Shift+F12 changes the folder later and closes the competition.
TEST_F(Accueil, TheFolderDialogAtStartAndByKey) {
    titrer(programme / "Gala");
    ecrireFichier(programme / "Gala" / "F_1_NS00.PLM", plm("provisoire.plm"));
    fs::create_directory(programme / ".cache");
    dialogues.reponses = {Reponse::Annuler, Reponse::Non, Reponse::Non};
    EXPECT_FALSE(fenetre->demarrer());
    piloterModal<Dossier>([](Dossier& d) { cliquer(d, "Annuler"); });
    EXPECT_FALSE(fenetre->demarrer());
    piloterModal<Dossier>([&](Dossier& d) {
        EXPECT_EQ(d.chemin(), programme.chemin());
        cliquer(d, "Oui");
        EXPECT_EQ(dialogues.messages.back().titre, "Choix incorrect");
        EXPECT_TRUE(d.isVisible());
        entrerDans(d, "Gala");
        cliquer(d, "Oui");
    });
    EXPECT_TRUE(fenetre->demarrer());
    EXPECT_FALSE(fs::exists(jour));
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), programme / "Gala");
    EXPECT_EQ(listFich()->count(), 1);
    EXPECT_EQ(boutons(), "Ouvrir " + kToujours);

    new Commandes(*fenetre, dialogues, horloge, ouvreur, lecteur);
    fenetre->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    fenetre->ouvrirCompetition("F_1_NS00.PLM");
    titrer(jour);
    piloterModal<Dossier>([&](Dossier& d) {
        EXPECT_EQ(enfant(d, "Chemin")->text().toStdString(), (programme / "Gala").string());
        // The temporary folders live under the root place.
        EXPECT_EQ(enfant<QComboBox>(d, "Drive1")->currentText(), "/");
        entrerDans(d, "..");
        EXPECT_EQ(lignes(enfant<QListWidget>(d, "Dir1")), "..|06 octobre 2005|Gala");
        entrerDans(d, "06 octobre 2005");
        cliquer(d, "Oui");
    });
    QTest::keyClick(fenetre.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), jour);
    EXPECT_FALSE(fenetre->etat().compet.ouvert());
    EXPECT_EQ(panneau("utilisé"), " Aucun fichier en mémoire ");
    EXPECT_EQ(boutons(), kToujours);

    piloterModal<Dossier>([](Dossier& d) {
        // The root place opens at its top, which has no "..".
        enfant<QComboBox>(d, "Drive1")->activated(0);
        EXPECT_EQ(d.chemin(), fs::path("/"));
        EXPECT_FALSE(lignes(enfant<QListWidget>(d, "Dir1")).starts_with(".."));
        cliquer(d, "Annuler"); // "A&nnuler" ends the program
    });
    EXPECT_THROW(fenetre->changerDossier(), ProgrammeArrete);
}

// No title yet: asked at once, and the dialog insists; the title button shows it again.
TEST_F(Accueil, TheTitleIsAskedForThenChangedByItsButton) {
    const auto titre = [](Titre& t) { return enfant<QLineEdit>(t, "Titre1"); };
    const auto lieu = [](Titre& t) { return enfant<QLineEdit>(t, "LieuDate"); };
    fs::create_directories(jour);
    piloterModal<Titre>([&](Titre& t) {
        EXPECT_EQ(t.windowTitle() + " " + QString::number(titre(t)->maxLength()) + " " +
                      QString::number(lieu(t)->maxLength()) + " " +
                      (enfant(t, "Label2")->isVisible() ? enfant(t, "Label2")->text() : ""),
                  "Donner le titre de la compétition 60 50 Saisie obligatoire pour pouvoir "
                  "continuer");
        QTest::keyClicks(lieu(t), "   ");
        cliquer(t, "Terminé");
        EXPECT_TRUE(t.isVisible());
        EXPECT_EQ(panneau("TitreCompét"), "Entrez le titre de la compétition");
        QTest::keyClicks(titre(t), "Gala\"");
        EXPECT_EQ(dialogues.bips, 1);
        cliquer(t, "Terminé");
    });
    new Commandes(*fenetre, dialogues, horloge, ouvreur, lecteur);
    ASSERT_TRUE(fenetre->demarrer());
    EXPECT_EQ(lireFichier(jour / "TITRE.1"), "\"Gala\",\"\"\r\n");
    EXPECT_EQ(panneau("TitreCompét"), "Gala - ");

    ecrireFichier(jour / "TITRE.1", "\"Coupe de printemps\",\"Lyon\"\r\n");
    piloterModal<Titre>([&](Titre& t) {
        EXPECT_EQ(titre(t)->text() + "|" + lieu(t)->text(), "Coupe de printemps|Lyon");
        EXPECT_FALSE(enfant(t, "Label2")->isVisible());
        titre(t)->setText(QString(60, 'T'));
        lieu(t)->setText(QString(50, 'L'));
        cliquer(t, "Terminé");
    });
    fenetre->action("titre")->trigger();
    EXPECT_EQ(fenetre->etat().titre, (TitreCompet{std::string(60, 'T'), std::string(50, 'L')}));
    const QLabel& bandeau = fenetre->titreCompet();
    EXPECT_EQ(bandeau.text().size(), 113);
    EXPECT_EQ(bandeau.font().family() + QString::number(bandeau.font().pointSize()), "Arial8");
    EXPECT_EQ(bandeau.palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

// Keys the acceptance run does not press.
TEST_F(Accueil, KeysImportRefuseTheTeamSizeAndUnprotect) {
    demarrer();
    ouvrir("M_1_PS00.PLM", plm("protege.plm"));
    touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogues.messages.size(), 2u); // the first says the file is protected
    EXPECT_EQ(dialogues.messages[1].texte, "Des équipes ont déjà été saisies");
    EXPECT_FALSE(fenetre->action("inscrire")->isVisible());
    touche(Qt::Key_F9, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(fenetre->etat().compet.Protege());
    EXPECT_TRUE(fenetre->action("inscrire")->isVisible());

    piloterModal<QFileDialog>([&](QFileDialog& choix) {
        EXPECT_EQ(choix.directory().absolutePath().toStdString(), jour.string());
    });
    touche(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
}

TEST_F(Accueil, QuittingAsksAndShowsTheAboutWindowLastOverAClosedCompetition) {
    demarrer();
    ouvrir("F_1_NS00.PLM", plm("dupont.plm"));
    dialogues.reponses = {Reponse::Non};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_FALSE(fs::exists(programme / "Orvane.lic"));
    bool aProposVu = false;
    piloterModal<A_Prop>([&](A_Prop& a) {
        aProposVu = fs::exists(programme / "Orvane.lic");
        EXPECT_EQ(panneau("utilisé"), " Aucun fichier en mémoire ");
        cliquer(a, "Vu");
    });
    dialogues.reponses = {Reponse::Oui};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(aProposVu);
    EXPECT_FALSE(fenetre->isVisible());
}

struct RestaurerFenetre : CompetOuverte {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};
    RestaurerFenetre() { etat.installerSauvegardes(sauvegardes); }
};

TEST_F(RestaurerFenetre, EnterAsksThenPutsTheChosenCopyBack) {
    const std::string avant = plm("a1.plm");
    ouvrir(avant); // the copy made on opening
    horloge.date.minute = 50;
    ASSERT_EQ(etat.EcrireEnreg(2, Enregistrement(plm("b1.plm")), dialogues), Ecriture::Reussie);
    const std::string apres = surDisque();
    Restaurer r(etat, sauvegardes, dialogues);
    r.show();
    QListWidget* copies = enfant<QListWidget>(r, "ListeSauvegardes");
    ASSERT_EQ(copies->count(), 2);
    EXPECT_EQ(copies->item(0)->text(), "06/12/2026 10:50   0 équipe, 0 note");
    QTest::keyClick(copies, Qt::Key_Down);
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    QTest::keyClick(copies, Qt::Key_Return);
    EXPECT_EQ(surDisque(), apres) << "No to the question";
    QTest::keyClick(copies, Qt::Key_Return);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(r.result(), QDialog::Accepted);
    EXPECT_EQ(dialogues.messages[1].texte,
              "Remplacer F_2_PS00.PLM par sa sauvegarde du 06/12/2026 10:42 ?\n\nLa compétition "
              "telle qu'elle est maintenant sera d'abord sauvegardée.");
}

TEST(DialogueDirect, ShowsTheAddressesAndTheCodeOfTheFirstAndTellsArreterFromFermer) {
    const std::vector<std::string> adresses = {"http://192.0.2.2:8080/", "http://[fd00::2]:8080/"};
    for (const Qt::Key bouton : {Qt::Key_A, Qt::Key_F}) {
        DialogueDirect d(adresses);
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_EQ(d.windowTitle(), "Résultats en direct");
        QStringList vues;
        for (QLabel* l : d.findChildren<QLabel*>("adresse"))
            vues << l->text();
        EXPECT_EQ(vues.join(' '), "http://192.0.2.2:8080/ http://[fd00::2]:8080/");
        // The code of the first address, the one a phone on the same network reaches.
        EXPECT_EQ(enfant(d, "codeQr")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  codeQr(adresses[0], 6).convertToFormat(QImage::Format_RGB32));
        QTest::keyClick(&d, bouton, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }));
        EXPECT_EQ(d.arreter(), bouton == Qt::Key_A);
    }
}
