#pragma once

#include <span>
#include <string>
#include <string_view>

namespace palmora {

class SurfaceImpression;

// Small pieces shared by the printed rankings and the match sheets.

// Ends at x.
void texteADroite(SurfaceImpression& s, double x, double y, const std::string& texte);
// Centred on x.
void texteCentre(SurfaceImpression& s, double x, double y, const std::string& texte);

// After `texte` printed at x, the dash leader that runs as far as `fin` allows: the most
// dashes (100 at most) that fit in the room left, rounded to the millimetre.
void tirets(SurfaceImpression& s, double x, double y, const std::string& texte, double fin);

// A value in hundredths with its whole part ending at the comma position x, then "," and
// two decimals followed by `suite`.
void nombreVirgule(SurfaceImpression& s, double x, double y, long centiemes,
                   const std::string& suite);

// A record's field (Windows-1252, as stored) as printed text.
std::string imprimable(std::string_view champ);

} // namespace palmora

namespace palmora {

struct TextesPage;

// A column label and where it starts.
struct Libelle {
    const char* texte;
    double x;
};

// The column labels of a printed ranking: the names in one size, the apparatus in another
// (0.5 mm lower), "TOTAL" in 11 pt level with the names.
struct LibellesColonnes {
    std::span<const Libelle> noms;
    double tailleNoms;
    std::span<const Libelle> agres;
    double tailleAgres;
    double xTotal;
};

// The head of a printed ranking: heading, title, description, rule and column labels at y.
// Returns where the first row goes (after the label line and one empty line).
double teteImprimee(SurfaceImpression& s, const TextesPage& textes, const LibellesColonnes& l,
                    double y);

} // namespace palmora
