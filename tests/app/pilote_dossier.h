#pragma once

#include "app/Dossier.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace palmora::test {

// Runs `pilote` on the working-folder dialog once its modal loop runs; a dialog still open
// afterwards is rejected, so that a failing test never hangs.
inline void piloterDossier(std::function<void(Dossier&)> pilote) {
    QTimer::singleShot(0, [pilote] {
        const auto dialogue = [] {
            return qobject_cast<Dossier*>(QApplication::activeModalWidget());
        };
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogue() != nullptr; }, 2000));
        Dossier* d = dialogue();
        pilote(*d);
        if (d->isVisible()) d->reject();
    });
}

// Selects the folder of that name in `Dir1` and opens it with Enter.
inline void entrerDans(Dossier& d, const QString& nom) {
    auto* dir1 = d.findChild<QListWidget*>(QStringLiteral("Dir1"));
    const QList<QListWidgetItem*> lignes = dir1->findItems(nom, Qt::MatchExactly);
    ASSERT_EQ(lignes.size(), 1) << nom.toStdString();
    dir1->setCurrentItem(lignes[0]);
    QTest::keyClick(dir1, Qt::Key_Return);
}

inline void cliquer(Dossier& d, const char* bouton) {
    d.findChild<QPushButton*>(QString::fromUtf8(bouton))->click();
}

} // namespace palmora::test
