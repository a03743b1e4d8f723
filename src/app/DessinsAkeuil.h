#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace palmora {

// Toolbar images, drawn here rather than taken from elsewhere: one per command key.
QIcon iconeCommande(const QString& cle);

// The emblem of the main window: a pair of rings over the program's name.
QPixmap emblème(int taille);

} // namespace palmora
