#pragma once

#include "scoring/Juges.h"
#include "support/pilote_modal.h"

namespace palmora::test {

inline void piloterJuges(std::function<void(Juges&)> pilote) {
    piloterModal<Juges>(std::move(pilote));
}

// Ctrl (`sens` > 0) or Alt with a function key, as the organiser presses it.
inline void fonction(QWidget& fenetre, Qt::Key touche, int sens) {
    QTest::keyClick(&fenetre, touche, sens > 0 ? Qt::ControlModifier : Qt::AltModifier);
}

} // namespace palmora::test
