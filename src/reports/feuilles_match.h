#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace palmora {

class SurfaceImpression;
class Competition;
struct TitreCompet;

// What F_Match, QuelleEquipe and Quelepreuv choose. `EquipeChoisie`: −1 every team, t one team,
// 0 the choice was cancelled; `EpreuveChoisie`: −1 every apparatus, 1 to 7 one of kEpreuves,
// 0 cancelled.
struct ChoixFeuilles {
    int EquipeChoisie = -1;
    int EpreuveChoisie = -1;
    bool AvecGrille = true;
    bool GrilleSeule = false;
};

// The apparatus as the sheets name them, numbered from 1; the men's parallel bars print
// "Barres".
inline constexpr std::array<std::string_view, 7> kEpreuves = {
    "Anneaux", "Arçons", "Fixe", "Barres", "Saut", "Sol", "Poutre"};

// Teams the sheets count: the records over the team size, to the nearest whole number, a
// half going to the even one (one placeholder record and teams of 2 make none).
std::int64_t equipesFeuilles(const Competition& etat);

// The first 15 characters of a team's first record, as QuelleEquipe shows them.
std::string nomEquipeFeuille(Competition& etat, std::int64_t equipe);

// Prints the chosen sheets of the open competition as one document, two sheets a page, the
// first in the upper half: a page of two blank grids when only the grid is wanted, otherwise
// for each team its sheets in the order of its apparatus set (women: Poutre, Barres, Saut,
// Sol). Record by record through Enreg.
void ImprimerFeuilles(Competition& etat, const TitreCompet& titre, const ChoixFeuilles& choix,
                      SurfaceImpression& surface);

} // namespace palmora
