// The shell's rules, what the acceptance run does not check of its windows, the live results.
#include "app/Akeuil.h"
#include "app/Commandes.h"
#include "app/DialogueDirect.h"
#include "app/Dossier.h"
#include "app/Restaurer.h"
#include "app/ServeurDirect.h"
#include "app/Titre.h"
#include "app/boutons.h"
#include "app/demarrage.h"
#include "app/liste_compet.h"
#include "app/reglages_compet.h"
#include "platform/lecteur_a.h"
#include "platform/lieux.h"
#include "reports/direct_outils.h"

#include "support/compet_ouverte.h"
#include "support/ouvreur_enregistre.h"
#include "support/pilote_modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTcpServer>
#include <QtEndian>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;
using Chemins = std::vector<fs::path>;

namespace {

std::string plm(const std::string& nom) {
    return lireFichier(fs::path(PALMORA_FIXTURES) / nom);
}
// The messages, one after the other, each ended by a line break.
std::string affiches(const std::vector<Message>& messages) {
    std::string s;
    for (const Message& m : messages)
        s += vu(m) + "\n";
    return s;
}
template <class W = QLabel> W* enfant(QWidget& w, const char* nom) {
    return w.findChild<W*>(QString::fromUtf8(nom));
}

struct ReponseHttp {
    std::string recu;
    int statut() const { return recu.empty() ? 0 : std::atoi(recu.substr(9, 3).c_str()); }
    std::string corps() const { return recu.substr(recu.find("\r\n\r\n") + 4); }
    std::string entete(const std::string& nom) const {
        const auto debut = recu.find("\r\n" + nom + ": ");
        if (debut == std::string::npos) return "";
        const auto valeur = debut + nom.size() + 4;
        return recu.substr(valeur, recu.find("\r\n", valeur) - valeur);
    }
};

// `dossier` is the program folder; before September 2006 a stored age table loads silently.
struct Appli : CompetOuverte {
    HorlogeFixe horloge{{2005, 10, 6, 18, 9, 2}};
    OuvreurEnregistre ouvreur;
    LecteurASysteme lecteur;
    fs::path jour = dossier / "06 octobre 2005", avant = fs::current_path();
    Akeuil fenetre{dialogues, horloge, dossier.chemin()};

    void TearDown() override { fs::current_path(avant); }
    DossierDuJour preparer() {
        return preparerDossierDuJour(dossier.chemin(), horloge.date, dialogues);
    }
    // Buttons "Ouvrir inscrire Note Voir Imprimer protege", then each command of the enum.
    std::string permises(bool parMenu = false) const {
        const VisibiliteBoutons v = visibiliteBoutons(etat, true);
        std::string s;
        for (bool b : {v.Ouvrir, v.inscrire, v.Note, v.Voir, v.Imprimer, v.protege})
            s += "01"[b];
        s += ' ';
        for (int c = 0; c <= static_cast<int>(Commande::Direct); ++c)
            s += "01"[commandePermise({Commande(c), "Poutre", parMenu}, etat, v, {2006, 10, 1})];
        return s;
    }

    QString barre() {
        QStringList cles;
        for (const char* cle : {"Ouvrir", "Nouveau", "protege", "partir", "titre", "inscrire",
                                "Note", "Voir", "Imprimer", "Aide"})
            if (fenetre.action(cle)->isVisible()) cles << cle;
        return cles.join(' ');
    }
    QString panneau(const char* nom) { return enfant(fenetre, nom)->text(); }
    QListWidget* listFich() { return enfant<QListWidget>(fenetre, "ListFich"); }
    // A key pressed in the main window, active again; `pilote` drives the dialog it opens.
    template <class D = QDialog>
    void touche(Qt::Key k, Qt::KeyboardModifiers m, std::function<void(D&)> pilote = nullptr) {
        fenetre.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        if (pilote) piloterModal<D>(pilote);
        QTest::keyClick(&fenetre, k, m);
    }
};

} // namespace

TEST_F(Appli, DatesPlacesTheCompetitionsOfAFolderAndTheDayFolder) {
    const TextesDate t = textesDate({2026, 8, 1});
    EXPECT_EQ(nomDossierDuJour({2026, 12, 5}) + "|" + nomDossierDuJour({2027, 2, 28}) + "|" +
                  t.jour + "|" + t.mois + "|" + t.annee + "|" + dateCourte({2026, 12, 5}) + " " +
                  heureCourte({2026, 12, 5, 9, 3, 7}) + "|" + legendeVersion(4, 0, 1),
              "05 décembre 2026|28 février 2027|01| août |2026|05/12/2026 09:03:07|Palmora - "
              "Version 4.01");

    for (const char* nom :
         {"M_X_TS00.PLM", "F_1_NS00.PLM", "essai.plm", "notes.txt", "F_1_NS01.PLM"})
        ecrireFichier(dossier / nom, "");
    for (const char* nom : {"DOSSIER.PLM", "Zèbre", ".cache"})
        fs::create_directory(dossier / nom);
    EXPECT_EQ(
        listerCompetitions(dossier.chemin()),
        (std::vector<std::string>{"F_1_NS00.PLM", "F_1_NS01.PLM", "M_X_TS00.PLM", "essai.plm"}));
    // Visible folders only, by name.
    EXPECT_EQ(sousDossiers(dossier.chemin()),
              (Chemins{dossier / "DOSSIER.PLM", dossier / "Zèbre"}));

    // The root and the home folder; a folder belongs to the longest place that holds it.
    EXPECT_EQ(lieuxDeTravail("/home/anne", "personne-de-ce-nom"), (Chemins{"/", "/home/anne"}));
    EXPECT_EQ(lieuxDeTravail("/", ""), Chemins{"/"});
    const Chemins lieux{"/", "/home/anne", "/media/anne/CLE"};
    std::string places;
    for (const char* c : {"/home/anne/Gym/05 décembre 2026", "/home/anne", "/media/anne/CLE/",
                          "/home/anne2/Gym", "/tmp"})
        places += std::to_string(lieuDe(lieux, c));
    EXPECT_EQ(places, "11200");

    // No, Cancel or a file in the way leave the day's folder to the folder dialog or end the
    // program; Yes creates it. Never the program folder as working folder, its sub-folders yes.
    dialogues.reponses = {Reponse::Non, Reponse::Annuler};
    EXPECT_EQ(preparer().issue, IssueDossier::ChoisirDossier);
    EXPECT_EQ(preparer().issue, IssueDossier::Quitter);
    ecrireFichier(jour, "pas un dossier");
    EXPECT_EQ(preparer().issue, IssueDossier::ChoisirDossier);
    fs::remove(jour);
    dialogues.reponses = {Reponse::Oui};
    EXPECT_EQ(preparer().issue, IssueDossier::Pret);
    EXPECT_EQ(fs::current_path(), jour);
    EXPECT_FALSE(accepterDossierTravail(dossier.chemin(), dossier.chemin(), dialogues));
    EXPECT_FALSE(accepterDossierTravail(jour / "..", dossier.chemin(), dialogues));
    EXPECT_EQ(QString::fromStdString(affiches(dialogues.messages))
                  .replace(QString::fromStdString(dossier.chemin().string()), "~"),
              QString::fromStdString(plm("dossier.txt")));
    EXPECT_TRUE(accepterDossierTravail(dossier / "Zèbre", dossier.chemin(), dialogues));
    EXPECT_EQ(fs::current_path(), dossier / "Zèbre");
}

TEST_F(Appli, EachStateAllowsItsCommandsAndItsSettingsAreAskedUntilValid) {
    EXPECT_EQ(visibiliteBoutons(etat, false), VisibiliteBoutons{});
    EXPECT_EQ(permises(), "100000 10110000000010001011001");
    // Menu clicks skip the "open" test: their menus exist only while a competition is open.
    EXPECT_EQ(permises(true), "100000 10110011111110001011001");
    EXPECT_FALSE(commandePermise({Commande::Ages, "", false}, etat, {}, {2006, 9, 15}));

    // One byte beyond the placeholder counts as teams; a team of one is as long, yet a team.
    for (const auto& c : lireTable(fs::path(PALMORA_FIXTURES) / "etats.txt")) {
        ouvrir(plm(c[0]));
        EXPECT_EQ(permises(), c[1] + " " + c[2]) << c[0];
    }
    EXPECT_EQ(etat.nbEquipes(), 1);
    EXPECT_FALSE(commandePermise({Commande::Saisie, "Arçons", false}, etat, {}, {2006, 10, 1}))
        << "not a women's apparatus";

    // Each key and its command (in the order of the enum) and apparatus, "-" for none.
    for (const auto& c : lireTable(fs::path(PALMORA_FIXTURES) / "demandes.txt")) {
        const auto d = demandeDeCle(c[0]);
        EXPECT_EQ(d ? std::to_string(int(d->commande)) + d->agres : "-", c[1]) << c[0];
    }
    EXPECT_TRUE(demandeDeCle("Barres")->parMenu);
    EXPECT_FALSE(demandeDeCle("")) << "an action without a key commands nothing";

    // Team size 1-6 and retained marks 1-5 within the team size, asked until valid; retained marks
    // refused once marks exist; protection refused while a mark is missing, No its default.
    dialogues.messages.clear();
    ouvrir("F_1_N000.PLM", plm("effectif-6.plm"));
    dialogues.saisies = {"0", "", "7", "3"};
    DemanderEffectifEquipe(etat, dialogues);
    EXPECT_EQ(surDisque(), plm("effectif-3.plm"));

    ouvrir("F_2_PS00.PLM", plm("retenues-3.plm"));
    dialogues.saisies = {"4", "5", "0", "2"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(surDisque(), plm("retenues-2.plm"));
    ouvrir("F_2_PS02.PLM", plm("six-par-equipe.plm"));
    dialogues.saisies = {"6", "5"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(etat.CalcEquip(), 5);
    ouvrir("F_2_PS01.PLM", plm("retenues-total.plm"));
    DemanderNotesRetenues(etat, dialogues);

    ouvrir(plm("incomplet.plm"));
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    ouvrir("F_2_PS01.PLM", plm("complet.plm"));
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    EXPECT_EQ(surDisque(), plm("complet.plm"));
    EXPECT_EQ(dialogues.invites[0] + "\n" + dialogues.invites[4] + "\n" +
                  affiches(dialogues.messages),
              plm("refus.txt"));
}

// The main window's roads the acceptance run does not take, from start-up to the folder dialog.
TEST_F(Appli, TheMainWindowFromStartUpToTheEnd) {
    ecrireFichier(dossier / "AGE.AGE", "97989596939491929798959693949192");
    fs::create_directories(jour);
    ecrireFichier(jour / "TITRE.1", "\"Coupe de printemps\",\"Lyon\"\r\n");
    ecrireFichier(jour / "M_1_NS00.PLM", plm("deux.plm"));
    ASSERT_TRUE(fenetre.demarrer());
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle() + "|" + QString::fromStdString(fenetre.etat().dates.mois) +
                  "|" + panneau("TitreCompét") + "|" + panneau("utilisé") + "|" +
                  panneau("aujourd'hui") + " " + panneau("horloge") + "|" + barre() +
                  QString::number(listFich()->isVisible()),
              "Palmora - Version 1.00| octobre |Coupe de printemps - Lyon|Aucun fichier en "
              "mémoire|06/10/2005 18:09:02|Ouvrir Nouveau partir titre Aide0");
    fenetre.ouvrirCompetition("M_1_NS00.PLM");

    // Enter opens the selected line of the list; the "Note" menu follows the competition.
    ecrireFichier(jour / "M_E_NS00.PLM", plm("provisoire.plm"));
    touche(Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(listFich(), Qt::Key_Down);
    QTest::keyClick(listFich(), Qt::Key_Return);
    QStringList vus{QString::number(listFich()->isVisible()), panneau("utilisé")};
    for (QAction* a : fenetre.action("Note")->menu()->actions())
        vus << a->text();
    EXPECT_EQ(vus.join('|'),
              "0|Mini-enchaînements . 7-8 ans . Simple appartenance|Saut|Barres|Poutre|Sol");

    // Commands hide the list and are reported by key; "Ouvrir" and the drop-down buttons are not.
    QString liste;
    QObject::connect(&fenetre, &Akeuil::commandeChoisie, [&](const QString& c) { liste += c; });
    for (const char* cle : {"Ouvrir", "titre", "Note", "Poutre", "Imprim_Match", "Ouvrir"}) {
        fenetre.action(cle)->trigger();
        liste += QString::number(listFich()->isVisible());
    }
    enfant<QPushButton>(fenetre, "Annule")->click();
    EXPECT_EQ(liste + QString::number(listFich()->isVisible()), "1titre00Poutre0Imprim_Match010");

    // Keys the acceptance run does not press: team size refused, unprotect, title.
    new Commandes(fenetre, dialogues, horloge, ouvreur, lecteur);
    ecrireFichier(jour / "M_1_PS00.PLM", plm("protege.plm"));
    fenetre.ouvrirCompetition("M_1_PS00.PLM");
    touche(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(affiches({dialogues.messages.back()}),
              "Modification impossible [critique] Des équipes ont déjà été saisies\n");
    touche(Qt::Key_F9, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(barre() + QString::number(fenetre.etat().compet.Protege()),
              "Ouvrir Nouveau protege partir titre inscrire Note Voir Imprimer Aide0");
    // The title dialog shows the stored title, refuses blanks and beeps at a quote.
    touche<Titre>(Qt::Key_T, Qt::AltModifier, [&](Titre& t) {
        const auto boite = [&](const char* nom) {
            auto* b = enfant<QLineEdit>(t, nom);
            return b->text() + " " + QString::number(b->maxLength());
        };
        EXPECT_EQ(boite("Titre1") + "|" + boite("LieuDate"), "Coupe de printemps 60|Lyon 50");
        enfant<QLineEdit>(t, "Titre1")->setText("   ");
        enfant<QLineEdit>(t, "LieuDate")->clear();
        cliquer(t, "Terminé");
        QTest::keyClicks(enfant<QLineEdit>(t, "Titre1"), "Gala\"");
        EXPECT_EQ(panneau("TitreCompét") + "|" + enfant(t, "Label2")->text() +
                      QString::number(enfant(t, "Label2")->isVisible()) +
                      QString::number(dialogues.bips),
                  "Entrez le titre de la compétition|Saisie obligatoire pour pouvoir continuer11");
        cliquer(t, "Terminé");
    });

    // Ctrl+Shift+F12: a new working folder closes the competition; "A&nnuler" ends the program.
    fs::create_directory(dossier / "Gala");
    ecrireFichier(dossier / "Gala" / "TITRE.1", "\"Gala\",\"\"\r\n");
    touche<Dossier>(Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier, [&](Dossier& d) {
        EXPECT_EQ(d.chemin(), jour);
        auto* dir = enfant<QListWidget>(d, "Dir1");
        dir->setCurrentItem(dir->findItems("..", Qt::MatchExactly).value(0));
        QTest::keyClick(dir, Qt::Key_Return);
        cliquer(d, "Oui");
        EXPECT_EQ(dialogues.messages.back().titre, "Choix incorrect");
        dir->setCurrentItem(dir->findItems("Gala", Qt::MatchExactly).value(0));
        QTest::keyClick(dir, Qt::Key_Return);
        cliquer(d, "Oui");
    });
    EXPECT_EQ(fenetre.etat().compet.DossierTravail(), dossier / "Gala");
    EXPECT_FALSE(fenetre.etat().compet.ouvert());
    piloterModal<Dossier>([](Dossier& d) { cliquer(d, "Annuler"); });
    EXPECT_THROW(fenetre.changerDossier(), ProgrammeArrete);
}

TEST_F(Appli, RestoreAsksThenPutsTheChosenCopyBack) {
    horloge.date = {2026, 12, 6, 10, 42, 3};
    Sauvegardes sauvegardes{horloge};
    etat.installerSauvegardes(sauvegardes);
    const std::string avant = plm("a1.plm");
    ouvrir(avant); // the copy made on opening
    horloge.date.minute = 50;
    ASSERT_EQ(etat.EcrireEnreg(2, Enregistrement(plm("b1.plm")), dialogues), Ecriture::Reussie);
    Restaurer r(etat, sauvegardes, dialogues);
    r.show();
    QListWidget* copies = enfant<QListWidget>(r, "ListeSauvegardes");
    EXPECT_EQ(QString::number(copies->count()) + " " + copies->item(0)->text(),
              "2 06/12/2026 10:50   0 équipe, 0 note");
    QTest::keyClick(copies, Qt::Key_Down);
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    QTest::keyClick(copies, Qt::Key_Return);
    EXPECT_NE(surDisque(), avant) << "No to the question";
    QTest::keyClick(copies, Qt::Key_Return);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(r.result(), QDialog::Accepted);
    EXPECT_EQ(dialogues.messages[1].texte,
              "Remplacer F_2_PS00.PLM par sa sauvegarde du 06/12/2026 10:42 ?\n\nLa compétition "
              "telle qu'elle est maintenant sera d'abord sauvegardée.");
}

TEST(DialogueDirect, ShowsTheAddressesAndTheCodeOfTheFirstAndTellsArreterFromFermer) {
    const std::vector<std::string> adresses = {"http://192.0.2.2:8080/", "http://[fd00::2]:8080/"};
    for (const char* bouton : {"Arreter", "Fermer"}) {
        DialogueDirect d(adresses);
        QStringList vues{d.windowTitle()};
        for (QLabel* l : d.findChildren<QLabel*>("adresse"))
            vues << l->text();
        EXPECT_EQ(vues.join(' '),
                  "Résultats en direct http://192.0.2.2:8080/ http://[fd00::2]:8080/");
        // The code of the first address, the one a phone on the same network reaches.
        EXPECT_EQ(enfant(d, "codeQr")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                  codeQr(adresses[0], 6).convertToFormat(QImage::Format_RGB32));
        cliquer(d, bouton);
        EXPECT_EQ(d.arreter(), bouton[0] == 'A');
    }
}

// Every path with its safety headers, compressed or not, nothing written, the rest refused; a
// saved mark reaches the page, built again off the event loop.
TEST_F(Appli, TheLiveResultsServer) {
    ecrireFichier(dossier / nom, competitionDirect());
    QTcpServer libre; // a free port, given back at once
    ASSERT_TRUE(libre.listen(QHostAddress::LocalHost));
    const quint16 port = libre.serverPort();
    libre.close();
    qputenv("PALMORA_PORT_DIRECT", QByteArray::number(port));
    const SourceDirect source{dossier.chemin(), {"Coupe", "Salle"}, {nom}};
    ServeurDirect serveur([&] { return source; });
    ASSERT_EQ(serveur.demarrer(QHostAddress::LocalHost), port);
    // One raw request on its own connection, asked again while the page is being built (503).
    const auto demander = [&](const std::string& ligne, const std::string& entetes = "") {
        ReponseHttp r;
        for (int essai = 0; essai < 100 && (essai == 0 || r.statut() == 503); ++essai) {
            EXPECT_TRUE(essai == 0 || r.entete("Retry-After") == "1");
            QTcpSocket client;
            client.connectToHost(QHostAddress::LocalHost, port);
            client.write(QByteArray::fromStdString(ligne + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                                                   entetes + "Connection: close\r\n\r\n"));
            r.recu.clear();
            (void)QTest::qWaitFor(
                [&] {
                    r.recu += client.readAll().toStdString();
                    const auto fin = r.recu.find("\r\n\r\n");
                    return fin != std::string::npos &&
                           (ligne.starts_with("HEAD") ||
                            r.recu.size() - fin - 4 >= std::stoul(r.entete("Content-Length")));
                },
                2000);
        }
        return r;
    };

    const std::string avant = surDisque();
    for (const std::string chemin :
         {"/", "/ecran", "/direct.css", "/direct.js", "/F_2_PS00/individuel", "/F_2_PS00/equipes",
          "/F_2_PS00/notes", "/F_2_PS00/classement.json"}) {
        SCOPED_TRACE(chemin);
        const ReponseHttp r = demander("GET " + chemin);
        const ReponseHttp encore =
            demander("GET " + chemin, "If-None-Match: " + r.entete("ETag") + "\r\n");
        const ReponseHttp compresse =
            demander("GET " + chemin, "Accept-Encoding: gzip, deflate\r\n");
        EXPECT_EQ(std::to_string(r.statut()) + " " + r.entete("X-Content-Type-Options") + " " +
                      r.entete("Cache-Control") + " " +
                      std::to_string(r.entete("Content-Type").ends_with("; charset=utf-8")) +
                      std::to_string(
                          r.entete("Content-Security-Policy").starts_with("default-src 'none';")) +
                      std::to_string(r.corps().empty()) + " " + std::to_string(encore.statut()) +
                      encore.corps() + " " + compresse.entete("Content-Encoding"),
                  "200 nosniff no-cache 110 304 deflate");
        // zlib's stream without the length qCompress puts before it.
        QByteArray flux = QByteArray(4, '\0') + QByteArray::fromStdString(compresse.corps());
        qToBigEndian<quint32>(static_cast<quint32>(r.corps().size()), flux.data());
        EXPECT_EQ(qUncompress(flux).toStdString(), r.corps());
    }
    const ReponseHttp tete = demander("HEAD /F_2_PS00/individuel");
    EXPECT_EQ(std::to_string(tete.statut()) + tete.corps(), "200");
    EXPECT_EQ(surDisque(), avant);

    const ReponseHttp post = demander("POST /F_2_PS00/individuel", "Content-Length: 0\r\n");
    EXPECT_EQ(std::to_string(post.statut()) + " " + post.entete("Allow"), "405 GET, HEAD");
    for (const std::string chemin :
         {"/../F_2_PS00.PLM", "/F_2_PS00.PLM", "/F_9_PS00/individuel", "/F_2_PS00/", "/etc/passwd"})
        EXPECT_EQ(demander("GET " + chemin).statut(), 404) << chemin;
    EXPECT_EQ(demander("GET /", "X-Trop: " + std::string(40000, 'x') + "\r\n").statut(), 0);

    ouvrir(avant);
    etat.EcrireEnreg(6, auSaut(etat.LireEnreg(6), 995), dialogues); // ARNAUD gets 9,95
    etat.Fermer();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return demander("GET /F_2_PS00/individuel").corps().find("9,95") != std::string::npos;
    }));
}
