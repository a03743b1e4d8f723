#pragma once

#include "scoring/Juges.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace palmora::test {

// Runs `pilote` on the judge dialog once its modal loop runs; a dialog still open afterwards
// is rejected, so that a failing test never hangs.
inline void piloterJuges(std::function<void(Juges&)> pilote) {
    QTimer::singleShot(0, [pilote] {
        const auto dialogue = [] {
            return qobject_cast<Juges*>(QApplication::activeModalWidget());
        };
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return dialogue() != nullptr && QApplication::activeWindow() == dialogue(); },
            2000));
        Juges* d = dialogue();
        pilote(*d);
        if (d->isVisible()) d->reject();
    });
}

inline void cliquer(QWidget& fenetre, const char* bouton) {
    auto* b = fenetre.findChild<QPushButton*>(QString::fromUtf8(bouton));
    ASSERT_NE(b, nullptr) << bouton;
    b->click();
}

// Ctrl (`sens` > 0) or Alt with a function key, as the organiser presses it.
inline void fonction(QWidget& fenetre, Qt::Key touche, int sens) {
    QTest::keyClick(&fenetre, touche, sens > 0 ? Qt::ControlModifier : Qt::AltModifier);
}

} // namespace palmora::test
