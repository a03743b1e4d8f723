#pragma once

#include "data/controle_naissances.h"
#include "data/enregistrement.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Dialogues;
struct BornesCategories;
class Competition;

// One gymnast row of the `Noms` window, as its boxes read (UTF-8).
struct LigneGymnaste {
    std::string Nom;
    std::string Prénom;
    std::string Naissance;
    std::string SurCl;
    std::string NoLic;
    bool operator==(const LigneGymnaste&) const = default;
};

// The team shown in the `Noms` window: its two boxes and its shown rows.
struct EquipeSaisie {
    std::string NomEquip;
    std::string Ville;
    std::vector<LigneGymnaste> lignes;
    bool operator==(const EquipeSaisie&) const = default;
};

// "0 équipe", "1 équipe", "2 équipes".
std::string libelleNombreEquipes(std::int64_t n);
// The rows the window shows: the team size, at most six.
int lignesAffichees(const Competition& etat);

// Team `numero` (from 1) as the window shows it; the team after the last one is empty.
EquipeSaisie lireEquipe(Competition& etat, std::int64_t numero);

// Reads record n of a competition (from 1); a missing record reads as NULs.
using LecteurEnreg = std::function<Enregistrement(std::int64_t)>;

// The records `SauverEquipe` writes for a team whose first record is `premier`, one per slot of
// the team size, each keeping the tail of the record `lire` gives there. The boxes are updated
// to what is written.
std::vector<Enregistrement> composerEquipe(const LecteurEnreg& lire, std::int64_t premier,
                                           int effectEquip, std::string_view blocConfig,
                                           EquipeSaisie& equipe);

// Whether one of the `nbEquipes` teams other than `numero` has the team's name and town as
// stored: the sorted file would merge their records.
bool equipeEnDouble(const LecteurEnreg& lire, int effectEquip, std::int64_t nbEquipes,
                    std::int64_t numero, const EquipeSaisie& equipe);

// The rows as the birth-year check reads them; a named gymnast without moved-up flag gets
// "N" first, as Valider gives it.
std::vector<LigneNaissance> naissancesAControler(EquipeSaisie& equipe);

enum class Sauvegarde {
    Ecrite,     // the team's records are written
    Incomplete, // no team name or no town: nothing written, silently
    Refusee     // a birth year, a team of the same name and town or a file that cannot be
                // written stopped it, with a message
};

// `SauverEquipe`: writes the team shown as team `numero`, one record per slot of the team
// size. A row without surname becomes an empty slot (its marks dropped); surnames are put in
// upper case, first names capitalised, a named gymnast without moved-up flag gets "N".
// The boxes are updated to what was written. A team whose name and town are those of
// another team of the file is refused: the sorted file would merge their records.
Sauvegarde SauverEquipe(Competition& etat, std::int64_t numero, EquipeSaisie& equipe,
                        Dialogues& dialogues);

// "&Valider " and "&Terminé": named gymnasts without moved-up flag get "N", the birth years
// are checked (`ControlerNaissances`; `placerFocus` puts the focus on a failing row), then
// the team is saved.
Sauvegarde ValiderEquipe(Competition& etat, const BornesCategories& BornesAges, std::int64_t numero,
                         EquipeSaisie& equipe, Dialogues& dialogues,
                         const std::function<void(int)>& placerFocus = {});

// "&Effacer cette équipe": asks, then removes every record of the team of that name and
// town. When the file is left empty it is deleted, "Equipe effacée" says so and no
// competition stays open. Returns false when the organiser answered No.
bool EffacerEquipe(Competition& etat, std::string_view nomEquip, std::string_view ville,
                   Dialogues& dialogues);

} // namespace palmora
