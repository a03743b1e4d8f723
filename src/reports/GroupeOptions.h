#pragma once

#include <QGroupBox>
#include <QList>

#include <functional>

class QRadioButton;

namespace palmora {

// A frame of option buttons named `nom` + index, the selected one shown in red and the others
// in black; `choisi` is called with the index of each new selection.
class GroupeOptions : public QGroupBox {
    Q_OBJECT
public:
    GroupeOptions(const QString& nom, const QStringList& libelles, std::function<void(int)> choisi,
                  QWidget* parent);

    // Selects option i (its handler runs) and shows the colours.
    void choisir(int i);
    QRadioButton* option(int i) const { return options_[i]; }

private:
    void colorer();

    QList<QRadioButton*> options_;
    std::function<void(int)> choisi_;
};

} // namespace palmora
