#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace palmora {

class Dialogues;

// What a box makes of one typed character (UTF-8): the text it receives (the character
// itself or its replacement), or nothing when the character is refused with a beep.
using RegleTouche = std::function<std::optional<std::string>(std::string_view caractere)>;

// Makes a box take what is typed through `regle`: each typed character, and each character
// of a pasted text, is kept, replaced, or refused with a beep (a paste is refused whole).
// Editing keys (Backspace, Delete, Tab, Enter, arrows) pass unchanged; drops are refused.
void filtrerTouches(QLineEdit& boite, RegleTouche regle, Dialogues& dialogues);

} // namespace palmora
