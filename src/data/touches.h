#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// Numeric boxes: a digit stays; the unshifted top row of the French keyboard ("&", "é",
// the double quote, "'", "(", "-", "è", "_", "ç", "à") gives the digits 1 to 9 and 0, so
// that numbers can be typed without Shift; anything else is refused.
std::optional<std::string> toucheChiffre(std::string_view caractere);

} // namespace palmora
