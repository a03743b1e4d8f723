#pragma once

#include "registration/inscription.h"
#include "registration/lignes_import.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Competition;
class Dialogues;
struct BornesCategories;

// A team found in a registration file: the run of lines with the same team name and town.
struct EquipeImport {
    EquipeSaisie equipe;     // as the registration window would hold it typed
    std::vector<int> lignes; // the file's line of each gymnast
    std::string refus;       // why it cannot be added; empty when it will be
    bool acceptee() const { return refus.empty(); }
};

// What importing a file would do to the open competition.
struct PlanImport {
    std::string erreur; // the whole file is refused (its headers)
    std::vector<EquipeImport> equipes;
    std::vector<Probleme> problemes;
    std::string contenu; // the competition file once the accepted teams are added
    int nbAcceptees() const;
};

// Reads the file (`octets`) and checks its teams with the registration window's rules: the
// gymnasts' fields, the team size, the birth years (`verifierNaissances`) and the teams the
// file already holds. The accepted teams are composed as `SauverEquipe` would write them one
// after the other, then the whole is sorted as `TrierFichier` sorts it.
PlanImport preparerImport(const Competition& compet, const BornesCategories& BornesAges,
                          std::string_view entreesRegistre, std::string_view octets);

// "ALPHA (01 BOURG) : DUPONT Anne 15 N 123, … : sera ajoutée" or the reason of the refusal.
std::string libelleEquipe(const EquipeImport& e);
// "Ligne 4 : …".
std::string libelleProbleme(const Probleme& p);

// Writes the plan in one safe rewrite, after a copy of the file as it is (when copies are
// kept), then tells "n équipe(s) ajoutée(s)" with the teams left out. Nothing is written when no
// team is accepted; a failed write is named in a message and leaves the file as it was.
bool ImporterInscriptions(Competition& compet, const PlanImport& plan, Dialogues& dialogues);

// The empty model the clubs fill in: its headers only.
inline constexpr std::string_view kFichierModele = "modele-inscriptions.csv";
inline constexpr std::string_view kEntetesModele =
    "Equipe;Ville;Nom;Prenom;Annee;Surcl;Licence\r\n";
// Writes the model into `dossier` (asking before replacing one) and says where.
void EcrireModele(const std::filesystem::path& dossier, Dialogues& dialogues);

} // namespace palmora
