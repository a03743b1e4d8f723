#pragma once

#include "data/nombres.h"
#include "support/fabrique.h"

#include <string>
#include <string_view>

namespace palmora::test {

// A women's competition as the live results see it: marks typed at the vault but scores not
// yet computed, a tie, a hors-concours gymnast, a licence number and a team of individual
// entrants.
inline Enregistrement auSaut(Enregistrement e, int note) {
    for (int j = 1; j <= 4; ++j)
        e.poser(champs::Notes(5, j), chiffres(note, 3));
    e.poser(champs::Deduc(5), " 000");
    return e;
}

inline std::string competitionDirect() {
    Enregistrement horsConcours = auSaut(gymnaste("ALPHA", "AUBE", "HORS"), 990);
    horsConcours.poser(champs::SurCl, "H");
    Enregistrement licence = auSaut(gymnaste("ALPHA", "AUBE", "DURAND"), 800);
    licence.poser(champs::NoLic, "9876543210");
    return fichier({auSaut(gymnaste("ALPHA", "AUBE", "MARTIN"), 950), licence, horsConcours,
                    slotLibre("ALPHA", "AUBE"), auSaut(gymnaste("BETA", "BRON", "ZOLA"), 950),
                    auSaut(gymnaste("BETA", "BRON", "ARNAUD"), 700), slotLibre("BETA", "BRON"),
                    slotLibre("BETA", "BRON"), auSaut(gymnaste("*SEULES", "CRAN", "SOLO"), 600),
                    slotLibre("*SEULES", "CRAN"), slotLibre("*SEULES", "CRAN"),
                    slotLibre("*SEULES", "CRAN")});
}

} // namespace palmora::test
