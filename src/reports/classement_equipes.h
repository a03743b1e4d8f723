#pragma once

#include "data/enregistrement.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Competition;
struct CopieCompet;

// One team of the ranking, taken from its first record.
struct EntreeEquipe {
    std::string NomEquip; // 15 characters, as stored
    std::string Ville;    // 20 characters, as stored
    long TotalEquipe = 0; // hundredths
    // The team's score on slots 1 to 6, four digits each ("0000" when nothing counts).
    std::array<std::string, 6> notes;
    std::string_view note(int slot) const { return notes[static_cast<std::size_t>(slot - 1)]; }
    // The beam shares slot 3 with the high bar.
    std::string_view Poutre() const { return note(3); }
};

struct ClassementEquipes {
    std::int64_t NbEnreg = 0;
    std::int64_t NbEquipes = 0;           // whole teams only
    std::vector<Enregistrement> TabEnreg; // every record in file order, with its team total
    std::vector<EntreeEquipe> TabEquipes;
};

// Sum of the six team scores of a record, in hundredths.
long totalEquipe(const Enregistrement& e);

// Recomputes the scores and every record's team total (written back unless the file is
// protected; failures ignored), then fills the table from the first record of each whole
// team and ranks it (higher total first, then team name byte by byte), unless
// `SansTriEquipes` keeps the order of the file. A trailing incomplete team is left out.
ClassementEquipes ClasserEquipes(Competition& etat, bool SansTriEquipes = false);
// The same ranking of a copy whose scores CalculNotes brought up to date; nothing is written.
ClassementEquipes ClasserEquipes(const CopieCompet& copie, bool SansTriEquipes = false);

// The ranking sort alone.
void OrdonnerEquipes(std::vector<EntreeEquipe>& TabEquipes);

// The places the reports show, walking the table in order: teams of individual entrants
// (a "*" in the name) are not listed and get none; a total equal to the entry just before
// (listed or not) shows no place.
class PlacesEquipes {
public:
    struct Place {
        int numero;
        bool exAequo;
    };
    std::optional<Place> suivante(const EntreeEquipe& equipe);

private:
    int compteur_ = 0;
    std::optional<long> totalPrecedent_;
};

} // namespace palmora
