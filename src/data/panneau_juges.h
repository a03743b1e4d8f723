#pragma once

#include "data/enregistrement.h"

#include <array>

namespace palmora {

class Competition;

// The judge panel's seven lines: Anneaux, Arçons, Fixe, Barres, Saut, Sol, Poutre. It is also
// the order of the judges digits at positions 52 to 58 of every record, and the order in which
// the scores are computed (Poutre last: it shares slot 3 with Fixe and wins when both have
// judges).
inline constexpr int kLignesJuges = 7;
using NbJuges = std::array<int, kLignesJuges>;

// Each line's marks slot and judges digit.
struct LigneJuges {
    int slot;
    Champ juges;
};
inline constexpr LigneJuges kLignes[kLignesJuges] = {
    {1, champs::JugesSlot(1)}, {2, champs::JugesSlot(2)}, {3, champs::JugesSlot(3)},
    {4, champs::JugesSlot(4)}, {5, champs::JugesSlot(5)}, {6, champs::JugesSlot(6)},
    {3, champs::JugesPoutre}};

// JugesAnneaux … JugesPoutre of the open competition (positions 52 to 58), in line order.
NbJuges jugesDe(const Competition& compet);

// What a judge dialog shows and changes: a count per line, 0 on an inactive line.
class PanneauJuges {
public:
    // `femmes`: the women's set (lines 0 to 2 inactive), otherwise the men's (line 6 inactive).
    // Inactive lines keep 0 whatever `comptes` holds.
    PanneauJuges(bool femmes, const NbJuges& comptes);

    bool femmes() const { return femmes_; }
    bool actif(int ligne) const { return femmes_ ? ligne > 2 : ligne < 6; }
    const NbJuges& comptes() const { return comptes_; }

    // Function key `touche` (1 for F1 …): with Ctrl alone adds a judge to its line (up to 6),
    // with Alt alone takes one off (down to 1); `autre`: another modifier is held too. Keys
    // of inactive lines do nothing. Returns whether a count changed.
    bool appuyer(int touche, bool ctrl, bool alt, bool autre);

    // Set when the dialog is left with "A&nnuler": nothing is stored.
    bool JugesAnnule = false;

private:
    bool femmes_;
    NbJuges comptes_;
};

// The women's set applies to women and to every Mini-enchaînement ("E") competition.
bool jeuFeminin(char codeSexe, char niveau);

// `Juges`, for a competition being created: every active line starts at 1 judge.
PanneauJuges panneauNouveau(char codeSexe, char niveau);

// `ModiJuge`, for the open competition: its current counts.
PanneauJuges panneauOuvert(const Competition& etat);

} // namespace palmora
