// The windows' wiring the acceptance run does not check (it walks creation, registration, marks,
// pages, printing, Alt+P, Alt+Q and F1), and the live results served for real on 127.0.0.1.
// Competition files from tests/data/app.
#include "app/A_Prop.h"
#include "app/Akeuil.h"
#include "app/Commandes.h"
#include "app/DialogueDirect.h"
#include "app/Dossier.h"
#include "app/Restaurer.h"
#include "app/ServeurDirect.h"
#include "app/Titre.h"
#include "platform/lecteur_a.h"
#include "reports/direct_outils.h"

#include "support/compet_ouverte.h"
#include "support/ouvreur_enregistre.h"
#include "support/pilote_modal.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolBar>
#include <QtEndian>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const std::string kTitre = "\"Coupe de printemps\",\"Lyon\"\r\n";

std::string plm(const std::string& nom) {
    return lireFichier(fs::path(PALMORA_FIXTURES) / nom);
}
template <class W = QLabel> W* enfant(QWidget& w, const char* nom) {
    return w.findChild<W*>(QString::fromUtf8(nom));
}
QString lignes(QListWidget* l) {
    QStringList textes;
    for (int k = 0; k < l->count(); ++k)
        textes << l->item(k)->text();
    return textes.join('|');
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
    fs::path gala = programme / "Gala", jour = programme / "06 octobre 2005";
    fs::path avant = fs::current_path();
    Akeuil fenetre{dialogues, horloge, programme.chemin()};

    void SetUp() override {
        ecrireFichier(programme / "AGE.AGE", "97989596939491929798959693949192");
    }
    void TearDown() override { fs::current_path(avant); }
    void ouvrir(const char* nom, const std::string& contenu) {
        ecrireFichier(fenetre.etat().compet.DossierTravail() / nom, contenu);
        fenetre.ouvrirCompetition(nom);
    }
    // The main window active again once a dialog has closed: before a key, and before the
    // pilot of the dialog a key opens.
    void activer() {
        fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers m) {
        activer();
        QTest::keyClick(&fenetre, k, m);
    }
    // The buttons shown; `enVue`: and not behind the bar's overflow arrow.
    QString boutons(bool enVue = false) {
        QStringList cles;
        for (const char* cle : {"Ouvrir", "Nouveau", "protege", "partir", "titre", "inscrire",
                                "Note", "Voir", "Imprimer", "Aide"})
            if (fenetre.action(cle)->isVisible() &&
                (!enVue || enfant<QToolBar>(fenetre, "Toolbar1")
                               ->widgetForAction(fenetre.action(cle))
                               ->isVisible()))
                cles << cle;
        return cles.join(' ');
    }
    QString panneau(const char* nom) { return enfant(fenetre, nom)->text(); }
    QListWidget* listFich() { return enfant<QListWidget>(fenetre, "ListFich"); }
};

} // namespace

// From a refused day folder through the folder dialog to quitting, by the roads of the main
// window the acceptance run does not take.
TEST_F(Accueil, FromTheFolderDialogToQuitting) {
    EXPECT_EQ(boutons() + "|" + panneau("utilisé") + "|" + QString::number(listFich()->isHidden()),
              "Nouveau partir titre Aide|Aucun fichier en mémoire|1");
    fs::create_directories(gala);
    ecrireFichier(gala / "TITRE.1", kTitre);
    ecrireFichier(gala / "M_1_NS00.PLM", plm("deux.plm"));
    // Cancel ends the start; No opens the folder dialog at the program folder, which it refuses.
    dialogues.reponses = {Reponse::Annuler, Reponse::Non, Reponse::Non};
    EXPECT_FALSE(fenetre.demarrer());
    piloterModal<Dossier>([](Dossier& d) { cliquer(d, "Annuler"); });
    EXPECT_FALSE(fenetre.demarrer());
    piloterModal<Dossier>([&](Dossier& d) {
        EXPECT_EQ(d.chemin(), programme.chemin());
        cliquer(d, "Oui");
        EXPECT_EQ(dialogues.messages.back().titre, "Choix incorrect");
        entrerDans(d, "Gala");
        cliquer(d, "Oui");
    });
    ASSERT_TRUE(fenetre.demarrer());
    EXPECT_FALSE(fs::exists(jour));
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
    EXPECT_EQ(fenetre.windowTitle() + "|" + QString::fromStdString(fenetre.etat().dates.mois) +
                  "|" + panneau("TitreCompét") + "|" + panneau("utilisé") + "|" +
                  panneau("aujourd'hui") + " " + panneau("horloge") + "|" + boutons(),
              "Palmora - Version 1.00| octobre |Coupe de printemps - Lyon| Aucun fichier en "
              "mémoire |06/10/2005 18:09:02|Ouvrir Nouveau partir titre Aide");
    fenetre.ouvrirCompetition("M_1_NS00.PLM");
    EXPECT_EQ(boutons(), "Ouvrir Nouveau protege partir titre inscrire Note Voir Imprimer Aide");
    // All in sight whatever the fonts of the machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return boutons(true) == boutons(); }))
        << boutons(true).toStdString();

    // The list: descriptions in name order, the first selected; Enter opens the selected line.
    // A men's file of level "E" gets the women's apparatus in place of the men's.
    ecrireFichier(gala / "M_E_NS00.PLM", plm("provisoire.plm"));
    QTest::keyClick(&fenetre, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(lignes(listFich()), "Masculins Niveau 1 . 7-8 ans . Simple appartenance|"
                                  "Mini-enchaînements . 7-8 ans . Simple appartenance");
    QTest::keyClick(listFich(), Qt::Key_Down);
    QTest::keyClick(listFich(), Qt::Key_Return);
    QStringList agres;
    for (QAction* a : fenetre.action("Note")->menu()->actions())
        agres << a->text();
    EXPECT_EQ(QString::number(listFich()->isVisible()) + "|" + panneau("utilisé") + "|" +
                  agres.join(' '),
              "0|Mini-enchaînements . 7-8 ans . Simple appartenance|Saut Barres Poutre Sol");

    // Commands hide the list and are reported by key; "Ouvrir" and the drop-down buttons are not.
    QSignalSpy commandes(&fenetre, &Akeuil::commandeChoisie);
    fenetre.action("Ouvrir")->trigger();
    EXPECT_TRUE(listFich()->isVisible());
    fenetre.action("titre")->trigger();
    EXPECT_FALSE(listFich()->isVisible());
    fenetre.action("Ouvrir")->trigger();
    enfant<QPushButton>(fenetre, "Annule")->click();
    EXPECT_FALSE(listFich()->isVisible());
    fenetre.action("Note")->trigger();
    fenetre.action("Poutre")->trigger();
    fenetre.action("Imprim_Match")->trigger();
    QString cles;
    for (const QList<QVariant>& signal : commandes)
        cles += signal.at(0).toString() + " ";
    EXPECT_EQ(cles, "titre Poutre Imprim_Match ");

    // Keys the acceptance run does not press: team size refused, unprotect, import, title.
    new Commandes(fenetre, dialogues, horloge, ouvreur, lecteur);
    ouvrir("M_1_PS00.PLM", plm("protege.plm"));
    touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogues.messages.back().texte, "Des équipes ont déjà été saisies");
    const bool inscrire = fenetre.action("inscrire")->isVisible();
    touche(Qt::Key_F9, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(QString::number(inscrire) + QString::number(fenetre.etat().compet.Protege()) +
                  QString::number(fenetre.action("inscrire")->isVisible()),
              "001");
    activer();
    piloterModal<QFileDialog>([&](QFileDialog& choix) {
        EXPECT_EQ(choix.directory().absolutePath().toStdString(), gala.string());
    });
    touche(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    activer();
    // The title dialog shows the stored title, refuses blanks, beeps at a quote.
    piloterModal<Titre>([&](Titre& t) {
        auto* titre = enfant<QLineEdit>(t, "Titre1");
        auto* lieu = enfant<QLineEdit>(t, "LieuDate");
        QLabel* label2 = enfant(t, "Label2");
        EXPECT_EQ(titre->text() + "|" + lieu->text() + "|" + QString::number(titre->maxLength()) +
                      " " + QString::number(lieu->maxLength()) + " " +
                      QString::number(label2->isVisible()),
                  "Coupe de printemps|Lyon|60 50 0");
        titre->setText("   ");
        lieu->clear();
        cliquer(t, "Terminé");
        EXPECT_EQ(panneau("TitreCompét") + "|" + (label2->isVisible() ? label2->text() : ""),
                  "Entrez le titre de la compétition|Saisie obligatoire pour pouvoir continuer");
        QTest::keyClicks(titre, "\"");
        EXPECT_EQ(dialogues.bips, 1);
        titre->setText(QString(60, 'T'));
        lieu->setText(QString(50, 'L'));
        cliquer(t, "Terminé");
    });
    touche(Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(fenetre.etat().titre, (TitreCompet{std::string(60, 'T'), std::string(50, 'L')}));
    const QFont police = fenetre.titreCompet().font();
    EXPECT_EQ(police.family() + QString::number(police.pointSize()) +
                  fenetre.titreCompet().palette().color(QPalette::WindowText).name(),
              "Arial8#0000c0");

    // Ctrl+Shift+F12 changes the folder, from the working one, and closes the competition.
    fs::create_directory(jour);
    ecrireFichier(jour / "TITRE.1", kTitre);
    activer();
    piloterModal<Dossier>([&](Dossier& d) {
        EXPECT_EQ(enfant(d, "Chemin")->text().toStdString(), gala.string());
        // The temporary folders live under the root place.
        EXPECT_EQ(enfant<QComboBox>(d, "Drive1")->currentText(), "/");
        entrerDans(d, "..");
        EXPECT_EQ(lignes(enfant<QListWidget>(d, "Dir1")), "..|06 octobre 2005|Gala");
        entrerDans(d, "06 octobre 2005");
        cliquer(d, "Oui");
    });
    touche(Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fenetre.etat().compet.DossierTravail(), jour);
    // Alt+O works with "Ouvrir" hidden: the list is then empty.
    touche(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(boutons() + "|" + QString::number(fenetre.etat().compet.ouvert()) +
                  QString::number(listFich()->isVisible()) + QString::number(listFich()->count()),
              "Nouveau partir titre Aide|010");
    piloterModal<Dossier>([](Dossier& d) {
        // The root place opens at its top, which has no "..".
        enfant<QComboBox>(d, "Drive1")->activated(0);
        EXPECT_EQ(d.chemin(), fs::path("/"));
        EXPECT_FALSE(lignes(enfant<QListWidget>(d, "Dir1")).startsWith(".."));
        cliquer(d, "Annuler"); // "A&nnuler" ends the program
    });
    EXPECT_THROW(fenetre.changerDossier(), ProgrammeArrete);

    // Quitting asks first; the About window then shows over the closed competition.
    ouvrir("F_1_NS00.PLM", plm("dupont.plm"));
    dialogues.reponses = {Reponse::Non};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(fenetre.isVisible());
    activer();
    piloterModal<A_Prop>([&](A_Prop& a) {
        EXPECT_EQ(panneau("utilisé"), " Aucun fichier en mémoire ");
        cliquer(a, "Vu");
    });
    dialogues.reponses = {Reponse::Oui};
    touche(Qt::Key_Q, Qt::AltModifier);
    EXPECT_FALSE(fenetre.isVisible());
}

TEST_F(CompetOuverte, RestoreAsksThenPutsTheChosenCopyBack) {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};
    etat.installerSauvegardes(sauvegardes);
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
        QStringList vues{d.windowTitle()};
        for (QLabel* l : d.findChildren<QLabel*>("adresse"))
            vues << l->text();
        EXPECT_EQ(vues.join(' '),
                  "Résultats en direct http://192.0.2.2:8080/ http://[fd00::2]:8080/");
        // The code of the first address, the one a phone on the same network reaches.
        EXPECT_EQ(enfant(d, "codeQr")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  codeQr(adresses[0], 6).convertToFormat(QImage::Format_RGB32));
        QTest::keyClick(&d, bouton, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }));
        EXPECT_EQ(d.arreter(), bouton == Qt::Key_A);
    }
}

namespace {

struct ReponseHttp {
    int statut = 0;
    std::string entetes, corps;
    std::string entete(const std::string& nom) const {
        const auto debut = entetes.find("\r\n" + nom + ": ");
        if (debut == std::string::npos) return "";
        const auto valeur = debut + nom.size() + 4;
        return entetes.substr(valeur, entetes.find("\r\n", valeur) - valeur);
    }
};

// The server at a port of the test's own.
struct ServeurEnDirect : ::testing::Test {
    DossierTemporaire dossier;
    const std::string nom = "F_2_PS00.PLM";
    quint16 port = 0;
    std::unique_ptr<ServeurDirect> serveur;

    void SetUp() override {
        ecrireFichier(dossier / nom, competitionDirect());
        QTcpServer libre; // a free port, given back at once
        ASSERT_TRUE(libre.listen(QHostAddress::LocalHost));
        port = libre.serverPort();
        libre.close();
        qputenv("PALMORA_PORT_DIRECT", QByteArray::number(port));
        serveur = std::make_unique<ServeurDirect>([this] {
            return SourceDirect{dossier.chemin(), {"Coupe", "Salle"}, {nom}};
        });
        ASSERT_EQ(serveur->demarrer(QHostAddress::LocalHost), port);
    }

    // One raw request on its own connection, asked again while the page is being built (503).
    ReponseHttp demander(const std::string& ligne, const std::string& entetes = "") {
        ReponseHttp r;
        for (int essai = 0; essai < 100 && (essai == 0 || r.statut == 503); ++essai) {
            if (essai > 0) {
                EXPECT_EQ(r.entete("Retry-After"), "1");
            }
            QTcpSocket client;
            client.connectToHost(QHostAddress::LocalHost, port);
            client.write(QByteArray::fromStdString(ligne + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                                                   entetes + "Connection: close\r\n\r\n"));
            std::string recu;
            r = {};
            (void)QTest::qWaitFor(
                [&] {
                    recu += client.readAll().toStdString();
                    const auto fin = recu.find("\r\n\r\n");
                    if (fin == std::string::npos) return false;
                    r = {std::atoi(recu.substr(9, 3).c_str()), recu.substr(0, fin + 2),
                         recu.substr(fin + 4)};
                    const auto longueur = r.entete("Content-Length");
                    return ligne.starts_with("HEAD") || r.corps.size() >= std::stoul(longueur);
                },
                2000);
        }
        return r;
    }
};

} // namespace

TEST_F(ServeurEnDirect, ServesEveryPathSafelyWritesNothingAndRefusesTheRest) {
    const std::string avant = lireFichier(dossier / nom);
    for (const std::string chemin :
         {"/", "/ecran", "/direct.css", "/direct.js", "/F_2_PS00/individuel", "/F_2_PS00/equipes",
          "/F_2_PS00/notes", "/F_2_PS00/classement.json"}) {
        SCOPED_TRACE(chemin);
        const ReponseHttp r = demander("GET " + chemin);
        EXPECT_EQ(std::to_string(r.statut) + " " + r.entete("X-Content-Type-Options") + " " +
                      r.entete("Cache-Control"),
                  "200 nosniff no-cache");
        EXPECT_NE(r.entete("Content-Type").find("charset=utf-8"), std::string::npos);
        EXPECT_NE(r.entete("Content-Security-Policy").find("default-src 'none'"),
                  std::string::npos);
        EXPECT_FALSE(r.corps.empty());
        const ReponseHttp encore =
            demander("GET " + chemin, "If-None-Match: " + r.entete("ETag") + "\r\n");
        EXPECT_EQ(std::to_string(encore.statut) + encore.corps, "304");
        // zlib's stream without the length qCompress puts before it.
        const ReponseHttp compresse =
            demander("GET " + chemin, "Accept-Encoding: gzip, deflate\r\n");
        EXPECT_EQ(compresse.entete("Content-Encoding"), "deflate");
        QByteArray flux = QByteArray(4, '\0') + QByteArray::fromStdString(compresse.corps);
        qToBigEndian<quint32>(static_cast<quint32>(r.corps.size()), flux.data());
        EXPECT_EQ(qUncompress(flux).toStdString(), r.corps);
    }
    const ReponseHttp tete = demander("HEAD /F_2_PS00/individuel");
    EXPECT_EQ(std::to_string(tete.statut) + tete.corps, "200");
    EXPECT_EQ(lireFichier(dossier / nom), avant);

    const ReponseHttp post = demander("POST /F_2_PS00/individuel", "Content-Length: 0\r\n");
    EXPECT_EQ(std::to_string(post.statut) + " " + post.entete("Allow"), "405 GET, HEAD");
    for (const std::string chemin : {"/../F_2_PS00.PLM", "/F_2_PS00.PLM", "/F_9_PS00/individuel"})
        EXPECT_EQ(demander("GET " + chemin).statut, 404) << chemin;
    EXPECT_EQ(demander("GET /", "X-Trop: " + std::string(40000, 'x') + "\r\n").statut, 0);
}

// A saved mark reaches the page, built again away from the event loop.
TEST_F(ServeurEnDirect, ThePagesFollowASavedMark) {
    const auto individuel = [&] { return demander("GET /F_2_PS00/individuel").corps; };
    EXPECT_EQ(individuel().find("9,95"), std::string::npos);
    DialoguesScriptes dialogues;
    Competition etat;
    etat.changerDossier(dossier.chemin());
    ASSERT_TRUE(etat.Ouvrir(nom, dialogues));
    etat.EcrireEnreg(6, auSaut(etat.LireEnreg(6), 995), dialogues); // ARNAUD gets 9,95
    etat.Fermer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return individuel().find("9,95") != std::string::npos; }));
}
