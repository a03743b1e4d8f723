#pragma once

// Records from one line of text, and the competition the live results are tested on.

#include "data/cp1252.h"
#include "data/nombres.h"
#include "support/fabrique.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace palmora::test {

// Settings with no judge anywhere: the score calculation leaves the scores as a test sets them.
inline constexpr std::string_view kSansJuges = "0430000000";

inline std::vector<std::string> couper(std::string_view l, char sep) {
    std::vector<std::string> m;
    for (std::size_t d = 0, f = 0; f != std::string_view::npos; d = f + 1)
        m.emplace_back(l.substr(d, (f = l.find(sep, d)) - d));
    return m;
}

// A record from one line "EQUIPE|VILLE|NOM|Prénom|cases" (Prénom "Anne" if left out; no NOM
// makes an empty slot). Cases: S=score of slot S, eS=team score, jS.J=mark of judge J,
// t=individual total, H hors concours, P protected, bloc=settings (else no judges),
// lic=licence; "_" is a space, "~" a NUL.
inline Enregistrement enreg(std::string_view ligne) {
    const std::vector<std::string> f = couper(ligne, '|');
    std::string bloc(kSansJuges);
    std::vector<std::string> cases = f.size() > 4 ? couper(f[4], ' ') : std::vector<std::string>{};
    for (const std::string& c : cases)
        if (c.starts_with("bloc=")) bloc = c.substr(5);
    Enregistrement e =
        f[2].empty() ? slotLibre(f[0], f[1], bloc) : gymnaste(f[0], f[1], f[2], bloc);
    std::string prenom = f.size() > 3 && !f[3].empty() ? f[3] : "Anne";
    std::ranges::replace(prenom, '_', ' ');
    if (!f[2].empty()) e.poser(champs::Prénom, versCp1252(prenom));
    for (const std::string& c : cases) {
        const std::size_t egal = c.find('=');
        std::string v = egal == std::string::npos ? "" : c.substr(egal + 1);
        std::ranges::replace(v, '_', ' ');
        std::ranges::replace(v, '~', '\0');
        if (c == "H")
            e.poser(champs::SurCl, "H");
        else if (c == "P")
            e[kTailleEnreg] = kCode160;
        else if (c.starts_with("t="))
            e.poser(champs::TotalIndiv, v);
        else if (c.starts_with("lic="))
            e.poser(champs::NoLic, v);
        else if (c[0] == 'e')
            e.poser(champs::NoteEquipe(std::stoi(c.substr(1))), v);
        else if (c[0] == 'j')
            e.poser(champs::Notes(c[1] - '0', c[3] - '0'), v);
        else if (std::isdigit(c[0]))
            e.poser(champs::NoteAgres(std::stoi(c)), v);
    }
    return e;
}

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
