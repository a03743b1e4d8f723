// Damaged competition files (fichiers_abimes/), a read-only file or folder and a full disk, run
// through every command and window; the PDF surface's refusal and the match sheet dialogues.
#include "data/table_ages.h"
#include "platform/SurfaceQt.h"
#include "registration/Noms.h"
#include "reports/F_Match.h"
#include "reports/Quelepreuv.h"
#include "reports/QuelleEquipe.h"
#include "reports/feuilles_match.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"
#include "reports/voir_pages.h"
#include "scoring/ModiJuge.h"
#include "scoring/Saisie.h"
#include "scoring/saisie_notes.h"
#include "support/ouvreur_enregistre.h"
#include "support/pilote_modal.h"
#include "support/surface_enregistree.h"

#include <QLabel>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>

#include <sys/fsuid.h>
#include <unistd.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const fs::path kEntrees = PALMORA_FICHIERS_ABIMES;

// A copy of one damaged input in a working folder of its own.
struct Essai {
    DossierTemporaire dossier, programme;
    DialoguesScriptes dialogues;
    OuvreurEnregistre ouvreur;
    SurfaceEnregistree surface;
    Competition etat;
    std::string nom;

    explicit Essai(const std::string& cas)
        : nom(fs::directory_iterator(kEntrees / cas)->path().filename().string()) {
        etat.changerDossier(dossier.chemin());
        fs::copy_file(kEntrees / cas / nom, dossier / nom);
    }

    // Every command that reads the whole file, each question answered Yes.
    void parcourir() {
        if (!etat.Ouvrir(nom, dialogues)) return;
        dialogues.reponses.assign(20, Reponse::Oui);
        VoirClIndiv(etat, textesDeTest(), dialogues, ouvreur);
        VoirClEquip(etat, textesDeTest(), dialogues, ouvreur);
        VoirNotes(etat, textesDeTest(), dialogues, ouvreur);
        (etat.CodeAgres() == 'M' ? ImprimClIndivM : ImprimClIndivF)(etat, textesDeTest(), dialogues,
                                                                    surface);
        ImprimClEquip(etat, textesDeTest(), dialogues, surface);
        ImprimerFeuilles(etat, textesDeTest().titre, ChoixFeuilles{}, surface);
        dialogues.reponses.clear();
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> m;
        for (const Message& d : dialogues.messages)
            m.push_back(d.texte + "|" + d.titre);
        return m;
    }
};

// A run with nothing to report: each page announced, each printout asked for.
const std::string kFermer =
    "\n\n Fermer cette page (Clic sur X ou Alt-F-F)\n          pour revenir au logiciel|";
const std::vector<std::string> kParcoursNormal = {
    "   La page de classement va apparaître." + kFermer + "Affichage du classement individuel",
    "   La page de classement va apparaître." + kFermer + "Affichage du classement par équipes",
    "   La page de notes va apparaître." + kFermer + "Affichage des notes",
    "Imprimer le classement individuel|Impression",
    "Imprimer le classement par équipes|Impression"};

// Shows the window, presses each key in turn, then closes it: nothing may crash.
void parcourir(QDialog&& fenetre, std::initializer_list<Qt::Key> touches) {
    fenetre.show();
    QApplication::processEvents();
    for (Qt::Key touche : touches) {
        QWidget* cible = QApplication::focusWidget();
        QTest::keyClick(cible ? cible : &fenetre, touche);
    }
    fenetre.reject();
    QApplication::processEvents();
}

// Root writes anywhere: while it lives, files are opened with an ordinary user's rights.
struct CommeUtilisateur {
    CommeUtilisateur() { changer(65534); }
    ~CommeUtilisateur() { changer(0); }
    static void changer(unsigned id) {
        if (::geteuid() == 0) ::setfsgid(id), ::setfsuid(id);
    }
};

} // namespace

TEST(EntreesAbimees, DamagedFilesGoThroughEveryCommandAndWindow) {
    for (const auto& cas : fs::directory_iterator(kEntrees)) {
        if (!cas.is_directory()) continue;
        const std::string nom = cas.path().filename().string();
        SCOPED_TRACE(nom);
        Essai essai(nom);
        essai.parcourir();
        std::vector<std::string> vus = essai.messages();
        if (nom == "protege") {
            EXPECT_TRUE(vus.front().ends_with("|" + essai.etat.FichierCompet()));
            vus.erase(vus.begin());
        }
        EXPECT_EQ(vus, kParcoursNormal);
        EXPECT_EQ(essai.ouvreur.ouverts.size(), 3u);
        EXPECT_EQ(essai.surface.documentsTermines, 3);
        EXPECT_GE(essai.surface.pages.size(), 2u);

        // The windows on a fresh copy, with the keys an organiser uses.
        Essai f(nom);
        Competition& etat = f.etat;
        ASSERT_TRUE(etat.Ouvrir(f.nom, f.dialogues));
        if (!etat.Protege()) {
            parcourir(Noms(etat, BornesCategories{}, f.programme.chemin(), f.dialogues),
                      {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Tab});
            for (const Agres& agres : agresDe(etat.CodeAgres()))
                parcourir(Saisie(etat, f.dialogues, agres),
                          {Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_PageUp});
            parcourir(ModiJuge(etat, f.dialogues), {Qt::Key_Down});
        }
        ChoixFeuilles choix;
        parcourir(QuelleEquipe(etat, choix), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
    }
}

// A read-only file is shown and printed but refuses a mark and the sort. A read-only folder
// names each page it cannot take (page and table of each ranking, shown then printed, and the
// notes page), prints all the same and refuses the sort. Neither changes the file.
TEST(EntreesAbimees, AReadOnlyFileOrFolderKeepsTheFile) {
    for (const bool dossierSeul : {false, true}) {
        Essai essai(dossierSeul ? "nom_bizarre" : "tronque");
        const fs::path fichier = essai.dossier / essai.nom;
        const std::string original = lireFichier(fichier);
        const auto lecture = fs::perms::owner_read | fs::perms::others_read;
        fs::permissions(dossierSeul ? fichier : essai.dossier.chemin(), fs::perms::all);
        fs::permissions(dossierSeul ? essai.dossier.chemin() : fichier,
                        dossierSeul ? lecture | fs::perms::owner_exec | fs::perms::others_exec
                                    : lecture | fs::perms::group_read);
        CommeUtilisateur utilisateur;

        essai.parcourir();
        int refuses = 0;
        for (const Message& m : essai.dialogues.messages)
            if (m.texte.ends_with("\nne peut pas être écrit.")) {
                EXPECT_TRUE(
                    m.texte.starts_with("Le fichier\n" + essai.dossier.chemin().string() + "/"));
                ++refuses;
            }
        EXPECT_EQ(refuses, dossierSeul ? 9 : 0);
        EXPECT_TRUE(dossierSeul ? essai.ouvreur.ouverts.empty()
                                : essai.messages() == kParcoursNormal);
        EXPECT_EQ(essai.surface.documentsTermines, 3) << "printing goes on";

        essai.dialogues.messages.clear();
        if (!dossierSeul) {
            SaisieNotes saisie(essai.etat, essai.dialogues, agresDe('F')[0]);
            saisie.ChargerEquipe(1);
            EXPECT_THROW(saisie.Valider({TextesLigne{{"95"}, ""}}), ProgrammeArrete);
        }
        EXPECT_THROW(TrierFichier(essai.etat, essai.dialogues), ProgrammeArrete);
        ASSERT_EQ(essai.dialogues.messages.size(), dossierSeul ? 1u : 2u);
        for (const std::string& m : essai.messages())
            EXPECT_EQ(m, "Modification interdite.|Compétition terminée");
        EXPECT_EQ(lireFichier(fichier), original);
    }
}

TEST(EntreesAbimees, AFullDiskNamesThePageThatCouldNotBeWrittenAndWritesTheTable) {
    Essai essai("longueur");
    ASSERT_TRUE(essai.etat.Ouvrir(essai.nom, essai.dialogues));
    const fs::path page = cheminClIndiv(essai.etat, ".htm");
    fs::create_symlink("/dev/full", page); // a device that is always full
    VoirClIndiv(essai.etat, textesDeTest(), essai.dialogues, essai.ouvreur);
    EXPECT_EQ(essai.messages(), std::vector<std::string>{"Le fichier\n" + page.string() +
                                                         "\nne peut pas être écrit.|Affichage "
                                                         "du classement individuel"});
    EXPECT_TRUE(essai.ouvreur.ouverts.empty());
    EXPECT_TRUE(fs::exists(cheminClIndiv(essai.etat, ".txt")));
}

// Without a printer: a document nothing was drawn on is not written; one that cannot be is named.
TEST(SurfacePdf, APdfIsWrittenOnlyWhenDrawnOnAndWhereItCan) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer is set";
    Essai essai("vide");
    for (const fs::path& pdf : {essai.dossier / "vide.pdf", essai.dossier / "absent" / "x.pdf"}) {
        SurfaceQt s(essai.dialogues, essai.ouvreur);
        s.commencer(pdf);
        if (pdf.filename() == "x.pdf") s.ligne(0, 0, 10, 10);
        s.terminer();
    }
    EXPECT_FALSE(fs::exists(essai.dossier / "vide.pdf"));
    EXPECT_EQ(essai.messages(),
              std::vector<std::string>{"Le fichier\n" + (essai.dossier / "absent/x.pdf").string() +
                                       "\nne peut pas être écrit.|Impression"});
}

namespace {

QRadioButton* option(QWidget& w, const char* nom) {
    return w.findChild<QRadioButton*>(QString::fromUtf8(nom));
}

bool enRouge(QRadioButton* b) {
    return b->palette().color(QPalette::WindowText) == Qt::red;
}

} // namespace

// The chosen option shows in red; the team comes from the scroll bar; the grid only needs no
// apparatus; cancelling the apparatus prints nothing. The men's set starts on the rings.
TEST_F(CompetOuverte, MatchSheetChoicesReachThePrintout) {
    ouvrir(contenu("trois_equipes"));
    ChoixFeuilles choix;
    SurfaceEnregistree surface;
    piloterModal<F_Match>([&](F_Match& f) {
        option(f, "O_équipe0")->click();
        EXPECT_TRUE(enRouge(option(f, "O_équipe0")) && !enRouge(option(f, "O_équipe1")));
        option(f, "O_Grille1")->click();
        EXPECT_TRUE(choix.AvecGrille && choix.GrilleSeule);
        piloterModal<QuelleEquipe>([](QuelleEquipe& q) {
            q.findChild<QScrollBar*>("DV")->setValue(2);
            EXPECT_EQ(q.findChild<QLabel*>("Et_éq")->text(), "EQUIPE B       ");
            QTest::keyClick(&q, Qt::Key_Return);
        });
        cliquer(f, "Oui");
    });
    F_Match(etat, {"T", "L"}, choix, surface).exec();
    EXPECT_EQ(choix.EquipeChoisie, 2);
    EXPECT_EQ(surface.pages.size(), 1U);

    surface = {};
    piloterModal<F_Match>([&](F_Match& f) {
        option(f, "O_épreuve0")->click();
        piloterModal<Quelepreuv>([](Quelepreuv& q) {
            EXPECT_FALSE(option(q, "Option0")->isVisible());
            EXPECT_TRUE(option(q, "Option6")->isVisible());
            EXPECT_TRUE(option(q, "Option3")->isChecked() && enRouge(option(q, "Option3")));
            cliquer(q, "Annuler");
        });
        cliquer(f, "Oui");
    });
    F_Match(etat, {"T", "L"}, choix, surface).exec();
    EXPECT_EQ(choix.EpreuveChoisie, 0);
    EXPECT_TRUE(surface.documents.empty());

    Quelepreuv hommes('M', choix);
    hommes.show();
    EXPECT_EQ(choix.EpreuveChoisie, 1);
    EXPECT_FALSE(option(hommes, "Option6")->isVisible());
}
