#pragma once

#include "app/Dossier.h"
#include "support/pilote_modal.h"

#include <QListWidget>

namespace palmora::test {

inline void piloterDossier(std::function<void(Dossier&)> pilote) {
    piloterModal<Dossier>(std::move(pilote));
}

// Selects the folder of that name in `Dir1` and opens it with Enter.
inline void entrerDans(Dossier& d, const QString& nom) {
    auto* dir1 = d.findChild<QListWidget*>(QStringLiteral("Dir1"));
    const QList<QListWidgetItem*> lignes = dir1->findItems(nom, Qt::MatchExactly);
    ASSERT_EQ(lignes.size(), 1) << nom.toStdString();
    dir1->setCurrentItem(lignes[0]);
    QTest::keyClick(dir1, Qt::Key_Return);
}

} // namespace palmora::test
