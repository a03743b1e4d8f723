// The windows' wiring: the main window from start-up to quitting, its dialogs and commands.
#include "app/A_Prop.h"
#include "app/Akeuil.h"
#include "app/Commandes.h"
#include "app/DialogueDirect.h"
#include "app/Dossier.h"
#include "app/Restaurer.h"
#include "app/Titre.h"
#include "data/sauvegardes.h"
#include "platform/lecteur_a.h"
#include "registration/ImportInscriptions.h"

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

const std::string kBloc = "S654402340";
const QStringList kToujours{"Nouveau", "partir", "titre", "Aide"};

QListWidget* liste(QWidget& w, const char* nom) {
    return w.findChild<QListWidget*>(nom);
}
template <class W> W* enfant(QWidget& w, const char* nom) {
    return w.findChild<W*>(QString::fromUtf8(nom));
}
// Opens the folder of that name in the folder dialog's list with Enter.
void entrerDans(Dossier& d, const QString& nom) {
    const QList<QListWidgetItem*> lignes = liste(d, "Dir1")->findItems(nom, Qt::MatchExactly);
    ASSERT_EQ(lignes.size(), 1) << nom.toStdString();
    liste(d, "Dir1")->setCurrentItem(lignes[0]);
    QTest::keyClick(liste(d, "Dir1"), Qt::Key_Return);
}
QStringList lignes(QListWidget* l) {
    QStringList textes;
    for (int k = 0; k < l->count(); ++k)
        textes << l->item(k)->text();
    return textes;
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
    QStringList boutons() const {
        QStringList cles;
        for (const char* cle : {"Ouvrir", "Nouveau", "protege", "partir", "titre", "inscrire",
                                "Note", "Voir", "Imprimer", "Aide"})
            if (fenetre->action(cle)->isVisible()) cles << cle;
        return cles;
    }
    QString panneau(const char* nom) const { return enfant<QLabel>(*fenetre, nom)->text(); }
    QListWidget* listFich() const { return liste(*fenetre, "ListFich"); }
    QStringList menuNote() const {
        QStringList entrees;
        for (QAction* a : fenetre->action("Note")->menu()->actions())
            entrees << a->objectName() + "=" + a->text();
        return entrees;
    }
};

} // namespace

TEST_F(Accueil, StartsInTheDayFolderWithItsTitleDateAndClock) {
    demarrer(true);
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), jour);
    EXPECT_EQ(fenetre->windowTitle(), "Palmora - Version 1.00");
    EXPECT_EQ(fenetre->fichierAide(), programme / "PALMORA.html");
    EXPECT_EQ(fenetre->etat().dates.mois, " octobre ");
    EXPECT_EQ(panneau("TitreCompét"), "Coupe de printemps - Lyon");
    EXPECT_EQ(fenetre->titreCompet().font().pointSize(), 10);
    EXPECT_EQ(panneau("utilisé"), "Aucun fichier en mémoire");
    EXPECT_EQ(panneau("aujourd'hui") + " " + panneau("horloge"), "06/10/2005 18:09:02");
}

// Cancel ends the start; No opens the folder dialog at the program folder, which it refuses.
TEST_F(Accueil, CancelEndsTheStartAndNoChoosesTheFolder) {
    titrer(programme / "Gala");
    ecrireFichier(programme / "Gala" / "F_1_NS00.PLM", enregistrementProvisoire(kBloc).octets());
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
    EXPECT_EQ(boutons(), QStringList{"Ouvrir"} + kToujours);
}

// No title yet: asked at once, and the dialog insists.
TEST_F(Accueil, TheTitleIsAskedForAndRefusesQuotesAndBlanks) {
    fs::create_directories(jour);
    piloterModal<Titre>([&](Titre& t) {
        EXPECT_EQ(t.windowTitle(), "Donner le titre de la compétition");
        EXPECT_TRUE(enfant<QLabel>(t, "Label2")->isVisible());
        EXPECT_EQ(enfant<QLabel>(t, "Label2")->text(), "Saisie obligatoire pour pouvoir continuer");
        EXPECT_EQ(enfant<QLineEdit>(t, "Titre1")->maxLength(), 60);
        EXPECT_EQ(enfant<QLineEdit>(t, "LieuDate")->maxLength(), 50);
        QTest::keyClicks(enfant<QLineEdit>(t, "LieuDate"), "   ");
        cliquer(t, "Terminé");
        EXPECT_TRUE(t.isVisible());
        EXPECT_EQ(panneau("TitreCompét"), "Entrez le titre de la compétition");
        QTest::keyClicks(enfant<QLineEdit>(t, "Titre1"), "Gala\"");
        EXPECT_EQ(dialogues.bips, 1);
        cliquer(t, "Terminé");
    });
    ASSERT_TRUE(fenetre->demarrer());
    EXPECT_EQ(lireFichier(jour / "TITRE.1"), "\"Gala\",\"\"\r\n");
    EXPECT_EQ(panneau("TitreCompét"), "Gala - ");
}

TEST_F(Accueil, TheTitleButtonShowsTheStoredTitleAndWritesTheNewOne) {
    demarrer();
    piloterModal<Titre>([&](Titre& t) {
        EXPECT_EQ(enfant<QLineEdit>(t, "Titre1")->text(), "Coupe de printemps");
        EXPECT_EQ(enfant<QLineEdit>(t, "LieuDate")->text(), "Lyon");
        EXPECT_FALSE(enfant<QLabel>(t, "Label2")->isVisible());
        enfant<QLineEdit>(t, "Titre1")->setText(QString(60, 'T'));
        enfant<QLineEdit>(t, "LieuDate")->setText(QString(50, 'L'));
        cliquer(t, "Terminé");
    });
    fenetre->action("titre")->trigger();
    EXPECT_EQ(fenetre->etat().titre, (TitreCompet{std::string(60, 'T'), std::string(50, 'L')}));
    const QLabel& titre = fenetre->titreCompet();
    EXPECT_EQ(titre.text().size(), 113);
    EXPECT_EQ(titre.font().family() + QString::number(titre.font().pointSize()), "Arial8");
    EXPECT_EQ(titre.palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

TEST_F(Accueil, ButtonsFollowTheStateOfTheOpenCompetition) {
    demarrer(true);
    EXPECT_EQ(boutons(), kToujours);
    EXPECT_TRUE(listFich()->isHidden());
    // Alt+O works with "Ouvrir" hidden: the list is then empty.
    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(listFich()->isVisible());
    EXPECT_EQ(listFich()->count(), 0);

    ouvrir("F_1_NS00.PLM", enregistrementProvisoire(kBloc).octets());
    EXPECT_EQ(boutons(), (QStringList{"Ouvrir", "Nouveau", "partir", "titre", "inscrire", "Aide"}));
    ouvrir("F_1_NS01.PLM", fichier({gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX")}));
    EXPECT_EQ(boutons(), (QStringList{"Ouvrir", "Nouveau", "protege", "partir", "titre", "inscrire",
                                      "Note", "Voir", "Imprimer", "Aide"}));
    // All in sight, none behind the bar's overflow arrow, whatever the fonts of the machine.
    const auto enVue = [this] {
        QStringList cles;
        for (const QString& cle : boutons())
            if (enfant<QToolBar>(*fenetre, "Toolbar1")
                    ->widgetForAction(fenetre->action(cle))
                    ->isVisible())
                cles << cle;
        return cles;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return enVue() == boutons(); }))
        << enVue().join(' ').toStdString();

    Enregistrement marque = gymnaste("A", "01 X", "UN");
    marque[300] = kCode160;
    ouvrir("F_1_NS02.PLM", fichier({gymnaste("A", "01 X", "DEUX"), marque}));
    EXPECT_EQ(boutons(),
              (QStringList{"Ouvrir", "Nouveau", "partir", "titre", "Voir", "Imprimer", "Aide"}));
}

TEST_F(Accueil, TheListShowsDescriptionsInNameOrderAndEnterOpensTheLine) {
    titrer(jour);
    for (const char* nom : {"M_E_NS00.PLM", "F_1_NS00.PLM", "M_1_NS00.PLM"})
        ecrireFichier(jour / nom, enregistrementProvisoire(kBloc).octets());
    demarrer(true);
    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(lignes(listFich()),
              (QStringList{"Féminines Niveau 1 . 7-8 ans . Simple appartenance",
                           "Masculins Niveau 1 . 7-8 ans . Simple appartenance",
                           "Mini-enchaînements . 7-8 ans . Simple appartenance"}));
    EXPECT_TRUE(listFich()->hasFocus());

    listFich()->setCurrentRow(1);
    QTest::keyClick(listFich(), Qt::Key_Return);
    EXPECT_EQ(fenetre->etat().compet.FichierCompet(), "M_1_NS00.PLM");
    EXPECT_FALSE(listFich()->isVisible());
    EXPECT_EQ(panneau("utilisé"), "Masculins Niveau 1 . 7-8 ans . Simple appartenance");
    EXPECT_EQ(menuNote(), (QStringList{"Sol=Sol", "Arçons=Arçons", "Anneaux=Anneaux", "Saut=Saut",
                                       "Parallèles=Parallèles", "Fixe=Fixe"}));
    // A men's file of level "E" gets the women's apparatus.
    fenetre->ouvrirCompetition("M_E_NS00.PLM");
    EXPECT_EQ(menuNote(), (QStringList{"Saut=Saut", "Barres=Barres", "Poutre=Poutre", "Sol=Sol"}));
}

TEST_F(Accueil, CommandsHideTheListAndAreReportedByKey) {
    demarrer(true);
    ouvrir("F_1_NS00.PLM", fichier({gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX")}));
    QSignalSpy commandes(fenetre.get(), &Akeuil::commandeChoisie);
    fenetre->action("Ouvrir")->trigger();
    EXPECT_TRUE(listFich()->isVisible());
    fenetre->action("titre")->trigger();
    EXPECT_FALSE(listFich()->isVisible());
    fenetre->action("Ouvrir")->trigger();
    enfant<QPushButton>(*fenetre, "Annule")->click();
    EXPECT_FALSE(listFich()->isVisible());

    fenetre->action("Note")->trigger(); // the button itself: only the arrow does something
    fenetre->action("Poutre")->trigger();
    fenetre->action("Imprim_Match")->trigger();
    QStringList cles;
    for (const QList<QVariant>& signal : commandes)
        cles << signal.at(0).toString();
    EXPECT_EQ(cles, (QStringList{"titre", "Poutre", "Imprim_Match"}));
}

TEST_F(Accueil, ChangingTheWorkingFolderClosesTheCompetition) {
    titrer(programme / "Gala");
    for (const char* nom : {"Zèbre", ".cache"})
        fs::create_directory(programme / nom);
    demarrer(true);
    ouvrir("F_1_NS00.PLM", enregistrementProvisoire(kBloc).octets());
    piloterModal<Dossier>([&](Dossier& d) {
        EXPECT_EQ(enfant<QLabel>(d, "Chemin")->text().toStdString(), jour.string());
        // The temporary folders live under the root place.
        EXPECT_EQ(enfant<QComboBox>(d, "Drive1")->currentText(), "/");
        entrerDans(d, "..");
        EXPECT_EQ(lignes(liste(d, "Dir1")),
                  (QStringList{"..", "06 octobre 2005", "Gala", "Zèbre"}));
        entrerDans(d, "Gala");
        cliquer(d, "Oui");
    });
    QTest::keyClick(fenetre.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), programme / "Gala");
    EXPECT_FALSE(fenetre->etat().compet.ouvert());
    EXPECT_EQ(panneau("utilisé"), " Aucun fichier en mémoire ");
    EXPECT_EQ(boutons(), kToujours);

    piloterModal<Dossier>([](Dossier& d) {
        // The root place opens at its top, which has no "..".
        enfant<QComboBox>(d, "Drive1")->activated(0);
        EXPECT_EQ(d.chemin(), fs::path("/"));
        EXPECT_FALSE(lignes(liste(d, "Dir1")).contains(".."));
        cliquer(d, "Annuler"); // "A&nnuler" ends the program
    });
    EXPECT_THROW(fenetre->changerDossier(), ProgrammeArrete);
}

// The whole import by keyboard: Ctrl+Alt+R, the file's name typed, Enter, then Alt+I.
TEST_F(Accueil, CtrlAltRImportsAClubFileByKeyboardAlone) {
    demarrer();
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
    EXPECT_TRUE(fenetre->action("Voir")->isVisible());
}

TEST_F(Accueil, KeysProtectUnprotectAndRefuseTheTeamSize) {
    demarrer();
    // No competition: Ctrl+V and Alt+I do nothing.
    touche(Qt::Key_V, Qt::ControlModifier);
    touche(Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(ouvreur.ouverts.empty());
    Enregistrement complet = gymnaste("ALPHA", "69 LYON", "DUPONT", "0111111110");
    for (int s = 1; s <= 6; ++s)
        complet.poser(champs::Notes(s, 1), "900");
    ouvrir("M_1_PS00.PLM", fichier({complet}));
    touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Des équipes ont déjà été saisies");

    dialogues.reponses = {Reponse::Oui};
    touche(Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(fenetre->etat().compet.Protege());
    EXPECT_FALSE(fenetre->action("inscrire")->isVisible());
    touche(Qt::Key_F9, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(fenetre->etat().compet.Protege());
    EXPECT_TRUE(fenetre->action("inscrire")->isVisible());
}

TEST_F(Accueil, QuittingWithYesRebuildsTheRegistryAndShowsTheAboutWindowLast) {
    demarrer();
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
        EXPECT_EQ(panneau("utilisé"), " Aucun fichier en mémoire ");
        cliquer(a, "Vu");
    });
    dialogues.reponses = {Reponse::Oui};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(aProposVu);
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(dialogues.messages.back().titre, "Sortie du logiciel");
}

struct RestaurerFenetre : CompetOuverte {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};
    RestaurerFenetre() { etat.installerSauvegardes(sauvegardes); }
};

TEST_F(RestaurerFenetre, EnterAsksThenPutsTheChosenCopyBack) {
    const std::string avant = fichier({gymnaste("ALPHA", "01 BOURG", "A1")});
    ouvrir(avant); // the copy made on opening
    horloge.date.minute = 50;
    ASSERT_EQ(etat.EcrireEnreg(2, gymnaste("BETA", "38 VIENNE", "B1"), dialogues),
              Ecriture::Reussie);
    const std::string apres = surDisque();

    Restaurer r(etat, sauvegardes, dialogues);
    r.show();
    QListWidget* copies = liste(r, "ListeSauvegardes");
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
        EXPECT_EQ(vues, (QStringList{"http://192.0.2.2:8080/", "http://[fd00::2]:8080/"}));
        // The code of the first address, the one a phone on the same network reaches.
        EXPECT_EQ(
            enfant<QLabel>(d, "codeQr")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
            codeQr(adresses[0], 6).convertToFormat(QImage::Format_RGB32));
        QTest::keyClick(&d, bouton, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }));
        EXPECT_EQ(d.arreter(), bouton == Qt::Key_A);
    }
}
