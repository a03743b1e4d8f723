// Damaged competition files (fichiers_abimes/), files and folders that refuse writing, a full
// disk: each is opened, shown, ranked and printed as the commands do it, with their messages.
#include "reports/feuilles_match.h"
#include "reports/imprim_classements.h"
#include "reports/voir_pages.h"
#include "scoring/saisie_notes.h"

#include "reports/outils.h"

#include <sys/fsuid.h>
#include <unistd.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const fs::path kEntrees = PALMORA_FICHIERS_ABIMES;

// A copy of one damaged input in a working folder of its own.
struct Essai : Programme {
    DossierTemporaire programme;
    std::string nom;

    explicit Essai(const std::string& cas)
        : nom(fs::directory_iterator(kEntrees / cas)->path().filename().string()) {
        appli.dossierProgramme = programme.chemin();
        appli.compet.changerDossier(dossier.chemin());
        appli.titre = {"Gala", "Lyon"};
        appli.dates = {"06", " décembre ", "2026"};
        fs::copy_file(kEntrees / cas / nom, dossier / nom);
    }

    // Every command that reads the whole file, each question answered Yes.
    void parcourir() {
        if (!appli.compet.Ouvrir(nom, dialogues)) return;
        dialogues.reponses.assign(20, Reponse::Oui);
        VoirClIndiv(appli.compet, textesPage(appli), dialogues, ouvreur);
        VoirClEquip(appli.compet, textesPage(appli), dialogues, ouvreur);
        VoirNotes(appli.compet, textesPage(appli), dialogues, ouvreur);
        (appli.compet.CodeAgres() == 'M' ? ImprimClIndivM : ImprimClIndivF)(
            appli.compet, textesPage(appli), dialogues, surface);
        ImprimClEquip(appli.compet, textesPage(appli), dialogues, surface);
        ImprimerFeuilles(appli.compet, appli.titre, ChoixFeuilles{}, surface);
        dialogues.reponses.clear();
    }
};

// A run with nothing to report: each page announced, each printout asked for.
const std::vector<std::string> kParcoursNormal = {
    "Affichage du classement individuel", "Affichage du classement par équipes",
    "Affichage des notes", "Impression", "Impression"};

std::vector<std::string> titres(const DialoguesScriptes& d) {
    std::vector<std::string> t;
    for (const Message& m : d.messages)
        t.push_back(m.titre);
    return t;
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

TEST(EntreesAbimees, DamagedFilesAreShownRankedAndPrintedWithTheirMessages) {
    for (const auto& cas : fs::directory_iterator(kEntrees)) {
        if (!cas.is_directory()) continue;
        const std::string nom = cas.path().filename().string();
        SCOPED_TRACE(nom);
        Essai essai(nom);
        essai.parcourir();
        std::vector<std::string> attendus = kParcoursNormal;
        if (nom == "protege") attendus.insert(attendus.begin(), essai.appli.compet.FichierCompet());
        EXPECT_EQ(titres(essai.dialogues), attendus);
        EXPECT_EQ(essai.ouvreur.ouverts.size(), 3u);
        EXPECT_EQ(essai.surface.documentsTermines, 3);
        EXPECT_GE(essai.surface.pages.size(), 2u);
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
                                : titres(essai.dialogues) == kParcoursNormal);
        EXPECT_EQ(essai.surface.documentsTermines, 3) << "printing goes on";

        essai.dialogues.messages.clear();
        if (!dossierSeul) {
            SaisieNotes saisie(essai.appli.compet, essai.dialogues, agresDe('F')[0]);
            saisie.ChargerEquipe(1);
            EXPECT_THROW(saisie.Valider({TextesLigne{{"95"}, ""}}), ProgrammeArrete);
        }
        EXPECT_THROW(TrierFichier(essai.appli.compet, essai.dialogues), ProgrammeArrete);
        ASSERT_EQ(essai.dialogues.messages.size(), dossierSeul ? 1u : 2u);
        for (const Message& m : essai.dialogues.messages)
            EXPECT_EQ(m.texte + "|" + m.titre, "Modification interdite.|Compétition terminée");
        EXPECT_EQ(lireFichier(fichier), original);
    }
}

TEST(EntreesAbimees, AFullDiskNamesThePageThatCouldNotBeWritten) {
    Essai essai("longueur");
    ASSERT_TRUE(essai.appli.compet.Ouvrir(essai.nom, essai.dialogues));
    // The page lands on a device that is always full.
    fs::create_symlink("/dev/full", cheminClIndiv(essai.appli.compet, ".htm"));
    VoirClIndiv(essai.appli.compet, textesPage(essai.appli), essai.dialogues, essai.ouvreur);
    ASSERT_EQ(essai.dialogues.messages.size(), 1u);
    EXPECT_EQ(essai.dialogues.messages[0].texte,
              "Le fichier\n" + cheminClIndiv(essai.appli.compet, ".htm").string() +
                  "\nne peut pas être écrit.");
    EXPECT_TRUE(essai.ouvreur.ouverts.empty());
    EXPECT_TRUE(fs::exists(cheminClIndiv(essai.appli.compet, ".txt"))) << "the table is written";
}
