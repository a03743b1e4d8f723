#pragma once

#include <string_view>

namespace palmora {

// The text without its leading and trailing blanks (spaces unless told otherwise).
constexpr std::string_view rogner(std::string_view texte, std::string_view blancs = " ") {
    const auto debut = texte.find_first_not_of(blancs);
    if (debut == std::string_view::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(blancs) - debut + 1);
}

} // namespace palmora
