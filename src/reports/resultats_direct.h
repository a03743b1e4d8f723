#pragma once

#include "data/copie_compet.h"
#include "data/titre_fichier.h"

#include <optional>
#include <string>
#include <vector>

namespace palmora {

// The rankings of one competition as the live results show them, in UTF-8, each text trimmed
// and written as the ranking pages write it: the same rows, order, places and values.
struct LigneIndivDirect {
    std::string place; // "" for a tie and for a hors-concours gymnast
    std::string nom, prenom, annee, club, ville;
    std::vector<std::string> notes; // in the order of `agres`; none for a hors-concours gymnast
    std::optional<std::string> total;
    bool horsConcours = false;
    bool individuel = false; // an individual entrant ("*")
};

struct LigneEquipeDirect {
    std::string place; // "" for a tie
    std::string equipe, ville;
    std::vector<std::string> notes;
    std::string total;
};

// The score listing: the gymnasts team by team, as the listing groups them.
struct GroupeNotesDirect {
    std::optional<std::string> equipe; // "Club de Ville : 120,5"; none for individual entrants
    std::vector<LigneIndivDirect> gymnastes;
};

struct ResultatsDirect {
    std::string fichier;     // "F_1_NS00.PLM"
    std::string description; // as the competition list shows it
    TitreCompet titre;
    std::string maj; // when the file last changed
    bool hommes = false;
    std::vector<std::string> agres; // the columns of the ranking pages
    std::vector<LigneIndivDirect> individuel;
    std::vector<LigneEquipeDirect> equipes; // teams of individual entrants left out
    std::vector<GroupeNotesDirect> notes;
};

// Everything from a copy of the file: the scores computed in memory, nothing written.
ResultatsDirect resultatsDirect(CopieCompet copie, const TitreCompet& titre);

// The JSON feed "classement.json".
std::string jsonDirect(const ResultatsDirect& r);

} // namespace palmora
