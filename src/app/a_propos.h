#pragma once

#include <string>

namespace palmora {

// The author's message of the About window, built once at start-up.
std::string texteE1();

inline constexpr char kTexteAide[] = "Pour obtenir de l'aide, appuyer sur la touche F1.";

} // namespace palmora
