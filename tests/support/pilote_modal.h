#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace palmora::test {

// Runs `pilote` on the next modal dialog of type `Fenetre` once its loop runs and it has the
// focus; a dialog still open afterwards is rejected, so that a failing test never hangs.
template <class Fenetre> void piloterModal(std::function<void(Fenetre&)> pilote) {
    QTimer::singleShot(0, [pilote] {
        const auto dialogue = [] {
            return qobject_cast<Fenetre*>(QApplication::activeModalWidget());
        };
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return dialogue() != nullptr && QApplication::activeWindow() == dialogue(); },
            2000));
        Fenetre* d = dialogue();
        pilote(*d);
        if (d->isVisible()) d->reject();
    });
}

// Clicks the button of that object name.
inline void cliquer(QWidget& fenetre, const char* bouton) {
    auto* b = fenetre.findChild<QPushButton*>(QString::fromUtf8(bouton));
    ASSERT_NE(b, nullptr) << bouton;
    b->click();
}

} // namespace palmora::test
