#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// What a box makes of one typed character (UTF-8): the text it receives (the character
// itself or its replacement), or nothing when the character is refused with a beep.
using RegleTouche = std::function<std::optional<std::string>(std::string_view caractere)>;

// Numeric boxes: a digit stays; the unshifted top row of the French keyboard ("&", "é",
// the double quote, "'", "(", "-", "è", "_", "ç", "à") gives the digits 1 to 9 and 0, so
// that numbers can be typed without Shift; anything else is refused.
std::optional<std::string> toucheChiffre(std::string_view caractere);

} // namespace palmora
