#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace palmora {

// A button named after its control. Enter never presses it: in every dialog Enter moves
// from box to box, and the buttons answer to their letters and to clicks.
QPushButton* bouton(const QString& texte, const QString& nom, QWidget* parent);

// A label named after its control; its text is shown as typed, never as markup.
QLabel* etiquette(const QString& texte, const QString& nom, QWidget* parent);

} // namespace palmora
