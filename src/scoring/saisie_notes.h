#pragma once

#include "data/enregistrement.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Dialogues;
class Competition;

inline constexpr int kJugesSaisie = 6;

// The apparatus of the "Note" menu entry `libelle` when its marks may be entered: a
// competition is open, not protected, and that entry is in its menu. Nothing otherwise.
const Agres* agresSaisissable(const Competition& etat, std::string_view libelle);

// What the boxes of one gymnast row of `Saisie` hold.
struct TextesLigne {
    std::array<std::string, kJugesSaisie> notes; // N_J1 to N_J6
    std::string Déd;
};

// One row as a team is shown.
struct LigneSaisie {
    bool visible = false;      // a gymnast, not an empty place
    bool horsConcours = false; // marks shown as 0,00 and boxes disabled
    std::string Nom;
    std::string Prénom;
    TextesLigne textes;
    std::string Défin; // the apparatus score
};

struct EquipeNotee {
    std::string Ekip;
    bool totalVisible = true; // no total for a group of individual competitors
    // The team total as last stored; nothing when none is, and the label keeps its text.
    std::optional<std::string> Totéq;
    bool Avant = false;              // a team before it
    bool Après = false;              // a team after it
    std::vector<LigneSaisie> lignes; // EffectEquip rows
};

// After a save: what the rows show from the recomputed file.
struct EquipeRafraichie {
    std::vector<std::string> Défin;
    std::vector<std::string> Déd;
    std::optional<std::string> Totéq; // nothing for a group of individual competitors
};

// Score entry on one apparatus, one team at a time: the logic of the `Saisie` window.
class SaisieNotes {
public:
    SaisieNotes(Competition& etat, Dialogues& dialogues, const Agres& agres);

    // "Saisie des notes - " and the competition's description.
    std::string titre() const;
    // `Nom_d_Appareil`: "Notes au sol".
    std::string NomAppareil() const;
    // Judges of the apparatus, fixed when the window opens.
    int NbJuges() const { return NbJuges_; }
    std::int64_t nbEquipes() const;
    std::int64_t EquipeCourante() const { return EquipeCourante_; }

    // Shows team t, which becomes the current team.
    EquipeNotee ChargerEquipe(std::int64_t t);
    // Writes the current team's (it must exist) marks and deductions on the apparatus from its
    // rows' boxes, every row and every judge: an empty box clears its mark, and an empty place of
    // the team keeps no mark whatever its row holds. A file that refuses writing shows
    // "Modification interdite." and ends the program; a full disk is named in one message.
    void EnregistrerEquipe(const std::vector<TextesLigne>& lignes);
    // Reads back the current team's scores and deductions and stores its total.
    EquipeRafraichie RafraichirEquipe();
    // `Valider`: the save, the recalculation of the file, then what the rows show; nothing
    // when the competition has no team yet.
    EquipeRafraichie Valider(const std::vector<TextesLigne>& lignes);

private:
    Competition& etat_;
    Dialogues& dialogues_;
    const Agres& agres_;
    int NbJuges_;
    std::int64_t EquipeCourante_ = 1;
};

} // namespace palmora
