// Every whole-file rewrite, failing at each step of its replacement: the file it replaces stays
// whole, nothing is left behind, and the organiser is told.
#include "app/reglages_compet.h"
#include "data/competition.h"
#include "data/echange_licences.h"
#include "data/panneau_juges.h"
#include "data/registre_licences.h"
#include "platform/lecteur_a.h"
#include "scoring/modi_juge.h"
#include "support/systeme_simule.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

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
    bool registre; // the licence registry rather than the competition file
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
    {"tri", false, [](PannesReecritures& t) { TrierFichier(t.etat, t.dialogues); }},
    {"retrait d'équipe", false,
     [](PannesReecritures& t) { RetirerEquipe(t.etat, "BETA", "38 VIENNE", t.dialogues); }},
    {"protection", false,
     [](PannesReecritures& t) {
         MarquerProtection(t.etat, kCode160, t.dialogues);
         EXPECT_EQ(t.etat.Protege(),
                   fs::exists(t.dossier / t.nom) && t.surDisque() != kCompetition);
     }},
    {"juges", false,
     [](PannesReecritures& t) {
         const NbJuges avant = jugesDe(t.etat);
         const bool change = EcrireJuges(t.etat, NbJuges{0, 0, 0, 2, 3, 2, 1}, t.dialogues);
         EXPECT_TRUE(change || jugesDe(t.etat) == avant);
     }},
    {"notes retenues", false,
     [](PannesReecritures& t) {
         t.dialogues.saisies = {"2"};
         DemanderNotesRetenues(t.etat, t.dialogues);
     }},
    {"reconstruction du registre", true,
     [](PannesReecritures& t) {
         ReconstruireRegistre(t.etat, t.programme.chemin(), {t.nom}, t.dialogues);
     }},
    {"import du registre", true,
     [](PannesReecritures& t) {
         LecteurASysteme a;
         ImporterRegistre(t.etat, t.programme.chemin(), a, t.dialogues);
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
                const fs::path cible = r.registre ? programme / kFichierRegistre : dossier / nom;
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
                    EXPECT_NE(fs::exists(cible) ? lireFichier(cible) : "", original);
                    continue;
                }
                EXPECT_EQ(noms(cible.parent_path()), avant) << "a temporary file is left";
                ASSERT_FALSE(dialogues.messages.empty());
                EXPECT_EQ(dialogues.messages.back().icone, Icone::Critique);
                // A competition that refuses writing is a finished one: the program ends.
                const bool interdite = erreur == EACCES && !r.registre;
                EXPECT_EQ(arrete, interdite);
                EXPECT_EQ(dialogues.messages.back().texte,
                          interdite
                              ? "Modification interdite."
                              : "Le fichier\n" + cible.string() + "\nne peut pas être écrit.");
                for (const Message& m : dialogues.messages)
                    EXPECT_EQ(m.texte.find("mis à jour"), std::string::npos) << "success told";
            }
}
