// Every whole-file rewrite, failing at each step of its replacement: the file it replaces stays
// whole, nothing is left behind, and the organiser is told.
#include "app/reglages_compet.h"
#include "data/competition.h"
#include "data/echange_licences.h"
#include "data/panneau_juges.h"
#include "data/registre_licences.h"
#include "data/table_ages.h"
#include "data/titre_fichier.h"
#include "platform/lecteur_a.h"
#include "scoring/modi_juge.h"
#include "support/systeme_simule.h"

#include "cas.h"
#include "support/compet_ouverte.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <set>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const std::string kCompetition = fichier({licencie("BETA", "38 VIENNE", "ZOLA", "0000000007"),
                                          licencie("ALPHA", "01 BOURG", "DURAND", "0000000003")});
const std::string kRegistre = entreeNue("0000000005", "MARTIN");

std::set<std::string> noms(const fs::path& dossier) {
    std::set<std::string> n;
    for (const auto& f : fs::directory_iterator(dossier))
        n.insert(f.path().filename().string());
    return n;
}

struct Reecriture {
    const char* nom;
    const char* fichier; // in the program folder; null: the competition file
    const char* titre;   // of the failure's message; null: the competition's name
    std::function<void(struct PannesReecritures&)> faire;
};

struct PannesReecritures : CompetOuverte {
    DossierTemporaire programme;
    DossierTemporaire lecteur;

    PannesReecritures() { ::setenv("PALMORA_LECTEUR_A", lecteur.chemin().c_str(), 1); }
    void TearDown() override {
        simulerPanne(std::nullopt);
        ::unsetenv("PALMORA_LECTEUR_A");
    }

    // Puts back the original files; a stale temporary file of an earlier crash stays.
    void preparer() {
        ecrireFichier(programme / kFichierRegistre, kRegistre);
        ecrireFichier(programme / "AGE.AGE", "97989596939491929798959693949192");
        std::filesystem::remove(programme / "TITRE.1"); // else the title moves to TITRE.000
        ecrireFichier(lecteur / kFichierEchange, entreeNue("0000000001", "ABEL"));
        ouvrir(kCompetition);
        dialogues.messages.clear();
    }
    // Runs the rewrite; true when the program ended.
    bool executer(const Reecriture& r) {
        try {
            r.faire(*this);
        } catch (const ProgrammeArrete&) {
            return true;
        } catch (const MortSimulee&) {
            return false;
        }
        return false;
    }
};

const Reecriture kReecritures[] = {
    {"tri", nullptr, nullptr, [](PannesReecritures& t) { TrierFichier(t.etat, t.dialogues); }},
    {"retrait d'équipe", nullptr, nullptr,
     [](PannesReecritures& t) { RetirerEquipe(t.etat, "BETA", "38 VIENNE", t.dialogues); }},
    {"protection", nullptr, nullptr,
     [](PannesReecritures& t) {
         MarquerProtection(t.etat, kCode160, t.dialogues);
         EXPECT_EQ(t.etat.Protege(),
                   fs::exists(t.dossier / t.nom) && t.surDisque() != kCompetition);
     }},
    {"juges", nullptr, nullptr,
     [](PannesReecritures& t) {
         const NbJuges avant = jugesDe(t.etat);
         const bool change = EcrireJuges(t.etat, NbJuges{0, 0, 0, 2, 3, 2, 1}, t.dialogues);
         EXPECT_TRUE(change || jugesDe(t.etat) == avant);
     }},
    {"notes retenues", nullptr, nullptr,
     [](PannesReecritures& t) {
         t.dialogues.saisies = {"2"};
         DemanderNotesRetenues(t.etat, t.dialogues);
     }},
    {"reconstruction du registre", "Orvane.lic", "Sortie du logiciel",
     [](PannesReecritures& t) {
         ReconstruireRegistre(t.etat, t.programme.chemin(), {t.nom}, t.dialogues);
     }},
    {"import du registre", "Orvane.lic", "Exportation",
     [](PannesReecritures& t) {
         LecteurASysteme a;
         ImporterRegistre(t.etat, t.programme.chemin(), a, t.dialogues);
     }},
    // The bounds of the boxes hold even when the table is not written.
    {"années de naissance", "AGE.AGE", "Années de naissance",
     [](PannesReecritures& t) {
         TextesAges textes;
         textes.fill("99");
         const BornesCategories b = EnregistrerAges(t.programme.chemin(), textes, t.dialogues);
         EXPECT_EQ(b.de('F', 'P')->premiere, 1999);
     }},
    {"titre", "TITRE.1", "Titre de la compétition",
     [](PannesReecritures& t) {
         TitreCompet titre;
         EXPECT_TRUE(TerminerTitre(t.programme.chemin(), "Gala", "Lyon", titre, t.dialogues));
         EXPECT_EQ(titre, (TitreCompet{"Gala", "Lyon"}));
     }},
};

} // namespace

// errno 0 is the program dying at that step: the next run must find the original and rewrite
// it, the temporary file left behind not standing in the way.
TEST_F(PannesReecritures, EachStepThatFailsOrCrashesLeavesTheOriginalWhole) {
    for (const Reecriture& r : kReecritures)
        for (Appel etape : {EtapeRemplacement::Creation, EtapeRemplacement::Ecriture,
                            EtapeRemplacement::Vidage, EtapeRemplacement::Renommage})
            for (int erreur : {ENOSPC, EACCES, 0}) {
                const fs::path cible = r.fichier ? programme / r.fichier : dossier / nom;
                SCOPED_TRACE(std::string(r.nom) + ", étape " + std::to_string(int(etape)) +
                             ", errno " + std::to_string(erreur));
                preparer();
                const std::string original = lireFichier(cible);
                const auto avant = noms(cible.parent_path());
                simulerPanne(PanneSimulee{etape, erreur});
                const bool arrete = executer(r);
                simulerPanne(std::nullopt);
                EXPECT_EQ(lireFichier(cible), original);
                if (erreur == 0) {
                    preparer();
                    EXPECT_FALSE(executer(r));
                    EXPECT_TRUE(dialogues.messages.empty() ||
                                dialogues.messages.back().icone != Icone::Critique);
                    EXPECT_NE(lireFichier(cible), original);
                    continue;
                }
                EXPECT_EQ(noms(cible.parent_path()), avant) << "a temporary file is left";
                ASSERT_FALSE(dialogues.messages.empty());
                // A competition that refuses writing is a finished one: the program ends.
                const bool interdite = erreur == EACCES && !r.fichier;
                EXPECT_EQ(arrete, interdite);
                EXPECT_EQ(vus({dialogues.messages.back()}),
                          interdite ? "Compétition terminée [critique] Modification interdite."
                                    : (r.titre ? r.titre : nom) + " [critique] Le fichier\n" +
                                          cible.string() + "\nne peut pas être écrit.");
                for (const Message& m : dialogues.messages)
                    EXPECT_EQ(m.texte.find("mis à jour"), std::string::npos) << "success told";
            }
}
