#pragma once

#include "reports/outils.h"

#include <string>

namespace palmora::test {

inline Enregistrement auSaut(Enregistrement e, int note) {
    for (int j = 1; j <= 4; ++j)
        e.poser(champs::Notes(5, j), chiffres(note, 3));
    e.poser(champs::Deduc(5), " 000");
    return e;
}

// A women's competition as the live results see it: marks typed at the vault (saut=, every
// judge) but scores not yet computed, a tie, a hors-concours gymnast, a licence number and a
// team of individual entrants.
inline std::string competitionDirect() {
    std::string c;
    for (const std::string l :
         {"ALPHA|AUBE|MARTIN||saut=950", "ALPHA|AUBE|DURAND||saut=800 lic=9876543210",
          "ALPHA|AUBE|HORS||saut=990 H", "ALPHA|AUBE|||", "BETA|BRON|ZOLA||saut=950",
          "BETA|BRON|ARNAUD||saut=700", "BETA|BRON|||", "BETA|BRON|||",
          "*SEULES|CRAN|SOLO||saut=600", "*SEULES|CRAN|||", "*SEULES|CRAN|||", "*SEULES|CRAN|||"}) {
        const Enregistrement e = enreg(l + " bloc=" + std::string(kBlocFeminin));
        const std::size_t saut = l.find("saut=");
        c += (saut == std::string::npos ? e : auSaut(e, std::stoi(l.substr(saut + 5)))).octets();
    }
    return c;
}

} // namespace palmora::test
