#pragma once

#include "data/touches.h"

class QLineEdit;

namespace palmora {

class Dialogues;

// Makes a box take what is typed through `regle`: each typed character, and each character
// of a pasted text, is kept, replaced, or refused with a beep (a paste is refused whole).
// Editing keys (Backspace, Delete, Tab, Enter, arrows) pass unchanged; drops are refused.
void filtrerTouches(QLineEdit& boite, RegleTouche regle, Dialogues& dialogues);

} // namespace palmora
