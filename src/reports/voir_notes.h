#pragma once

#include "reports/classement_equipes.h"
#include "reports/mise_en_page.h"

#include <optional>
#include <string>
#include <vector>

namespace palmora {

// The score listing page VoirNotes.htm, in Windows-1252 with CR LF: the gymnasts of `cl`
// (its records in file order, its teams unsorted), team by team, hors-concours gymnasts left
// out, each team headed by its total.
std::string composerVoirNotes(const ClassementEquipes& cl, int EffectEquip, char CodeAgres,
                              const TextesPage& textes);

// The listing's gymnasts of one team, in file order: empty slots and hors-concours gymnasts
// left out; a team of individual entrants gets no total.
struct GroupeNotes {
    const Enregistrement* premier; // the team's first listed gymnast
    std::optional<long> total;
    std::vector<const Enregistrement*> gymnastes;
};
std::vector<GroupeNotes> grouperNotes(const ClassementEquipes& cl, int EffectEquip);

// A number of hundredths as a plain French decimal: 12050 gives "120,5", 9800 gives "98".
std::string decimalSimple(long centiemes);

} // namespace palmora
