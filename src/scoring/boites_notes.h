#pragma once

#include "data/textes.h"

#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// What the mark boxes `N_J1` to `N_J6` make of a typed character: "." gives ",", the French
// keyboard's top row gives its digits; digits and "," are taken, anything else refused.
std::optional<std::string> toucheNote(std::string_view caractere);

// The deduction box `Déd`: as a mark box, and "+" gives "-" (a bonus), since the "-" key
// itself gives 6 through the top row.
std::optional<std::string> toucheDeduction(std::string_view caractere);

// A mark box left: empty stays empty; otherwise one digit, a comma, two digits, the comma
// always after the first digit ("95" gives "9,50", "10" gives "1,00", ",5" gives "0,50").
std::string normaliserNote(std::string_view texte);

// A deduction box left: a sign position (a space, or "-" for a bonus), one digit, a comma and
// two digits (" 0,50", "-1,25"); an empty box gives " 0,00". Typed without a comma, the comma
// goes after the first digit ("050" is 0,50). Nothing when beyond 3 either way: the box
// refuses it.
std::optional<std::string> normaliserDeduction(std::string_view texte);

} // namespace palmora
