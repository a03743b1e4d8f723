#pragma once

#include "data/panneau_juges.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace palmora {

class Dialogues;
class Competition;

// Options of the "Nouveau fichier" dialog, numbered by their place in their group.
namespace nouveau {
enum Sexe : int { Feminines, Masculins };
enum Niveau : int {
    Niveau1,
    Niveau2,
    MiniEnchainement,
    CircuitPreparatoire,
    Niveau3,
    Honneur,
    Promotion,
    Espoir,
    Excellence,
    Criterium
};
enum Categorie : int { Ans9_10, Ans9_12, Ans9_14, Ans11_14, Toutes, Ans7_8 };
enum Appartenance : int { Simple, Double };
inline constexpr int kNiveaux = 10;
inline constexpr int kCategories = 6;
} // namespace nouveau

// What the "Nouveau fichier" dialog holds while the organiser chooses: the selected options,
// which of them are offered, the team settings and the file name being built. Each choice
// brings the others into line, the way the dialog always has.
struct ChoixNouveau {
    // Féminines, Niveau 1, 7-8 ans and Simple, each applied as if chosen in that order.
    ChoixNouveau();

    void choisirSexe(int sexe);
    void choisirNiveau(int niveau);
    void choisirCatégorie(int catégorie);
    void choisirAppartenance(int appartenance);
    // "+" / "-": team size from 1 to 6; lowering it below the retained count lowers that too.
    void changerEffectif(int sens);
    // "Ctrl +" / "Ctrl -": retained count from 1 to the team size.
    void changerRetenues(int sens);

    // The membership frame is not offered for Niveau 1, Niveau 2, Excellence, nor for
    // Niveau 3 in 9-10 ans.
    bool cadreAppartenance() const;
    // The file-name label.
    std::string etiquette() const { return NomNouveau + ".PLM"; }
    std::string_view legendeEffectif() const;

    int sexe = nouveau::Feminines;
    int niveau = nouveau::Niveau1;
    int catégorie = nouveau::Ans7_8;
    int appartenance = nouveau::Simple;
    std::array<bool, nouveau::kNiveaux> niveauVisible{};
    std::array<bool, nouveau::kCategories> catégorieVisible{};
    int effectif = 6;
    int retenues = 5;
    std::string NomNouveau = "F_1_NS";
    char CodeSexe = 'F';
    char CodeAppart = 'S';

private:
    void garderCatégorie();
};

// Shows the judge panel for the competition being created and returns it as it was left.
using DemandeJuges = std::function<PanneauJuges(const PanneauJuges&)>;

// "O&K" of the dialog: asks the judge panel, takes the first free plateau number of the
// working folder, writes the placeholder record into the new file and opens it. A cancelled
// judge panel, or a hundred plateaus already taken, create nothing and leave no competition
// open. Returns whether a competition was created and is open.
bool CreerCompetition(Competition& etat, ChoixNouveau& choix, const DemandeJuges& demanderJuges,
                      Dialogues& dialogues);

} // namespace palmora
