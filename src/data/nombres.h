#pragma once

#include <string>
#include <string_view>

namespace palmora {

// Lenient number reading, the way every number of a record or of a box is read: blanks
// are skipped, an optional sign, then the leading digits count; anything else ends the
// number, and a text without leading digits reads as 0. NUL bytes read as nothing.
long long lireNombre(std::string_view texte);

// The number as zero-padded decimal digits, `largeur` wide (never cut).
std::string chiffres(long long valeur, int largeur);

} // namespace palmora
