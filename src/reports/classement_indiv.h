#pragma once

#include "data/enregistrement.h"

#include <cstdint>
#include <vector>

namespace palmora {

class Competition;
struct CopieCompet;

// The individual ranking of the open competition, rebuilt from the file on every call.
struct ClassementIndiv {
    std::int64_t NbEnreg = 0;             // whole records of the file
    std::int64_t NbGymnastes = 0;         // records holding a gymnast
    std::vector<Enregistrement> TabEnreg; // every record, in ranking order, with its fresh total
    std::vector<int> TotIndiv;            // the total of TabEnreg at the same index, in hundredths
};

// Sum of the six apparatus scores in hundredths: "999" counts 1000, a blank field 0.
int totalIndiv(const Enregistrement& e);

// Recomputes the scores, writes every record's total back into the file (failures ignored,
// protected or not), and ranks the records: higher total first, then the record from `Nom`
// on, byte by byte.
ClassementIndiv ClasserIndiv(Competition& etat);
// The same ranking of a copy whose scores CalculNotes brought up to date; nothing is written.
ClassementIndiv ClasserIndiv(const CopieCompet& copie);

// The ranking sort alone, on both arrays together.
void OrdonnerIndiv(ClassementIndiv& cl);

// The places the reports show, walking the ranking in order over the listed gymnasts.
// Everybody listed uses up a number; a total equal to the previous listed gymnast's shows no
// place, and neither does a hors-concours gymnast.
class PlacesIndiv {
public:
    struct Place {
        int numero;
        bool exAequo;      // same total as the previous listed gymnast
        bool horsConcours; // `SurCl` = "H"
    };
    Place suivante(const Enregistrement& e, int total);

private:
    int compteur_ = 0;
    int totalPrecedent_ = 0;
};

} // namespace palmora
