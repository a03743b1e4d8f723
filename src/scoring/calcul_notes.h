#pragma once

#include "data/fichier_enreg.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

class Competition;
struct CopieCompet;

// A score in hundredths as the record stores it: a multiple of 5 on three digits, any other
// value raised to the next one (a fraction above one half past a 4 or a 9 goes one step
// further), "999" for anything above 995 (10,00). Worked in single precision, as the results
// have always been.
std::string ArrondiNote(float note);

// Recomputes every apparatus score of the open file from the judges' marks and deductions:
// Anneaux, Arçons, Fixe, Barres, Saut, Sol, then Poutre (which shares slot 3 with Fixe and so
// wins when both have judges). An apparatus without 1 to 6 judges is left as it is. The file
// is read once; a record that cannot be written keeps its old content and the others go on.
void CalculNotes(Competition& etat);
// The same on a copy in memory: the file stays as it is.
void CalculNotes(CopieCompet& copie);
// The calculation alone: the records of `contenu` whose apparatus scores change, the judges
// taken from the settings block `BlocConfig`.
ChangementsEnreg ChangementsNotes(std::string_view contenu, std::string_view BlocConfig);

// Team t's total on slot s: the sum of its best CalcEquip scores ("999" counting 1000),
// written into NoteEquipe(s) of each of its records (write failures ignored). Returns the
// total as shown ("28,15"), or nothing for a group of individual competitors (a team name
// holding "*"), which gets no total. Needs CalculNotes since the team's marks were written.
std::optional<std::string> TotalEquipeAgres(Competition& etat, std::int64_t t, int s);

} // namespace palmora
