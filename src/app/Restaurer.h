#pragma once

#include "data/sauvegardes.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace palmora {

class Competition;
class Dialogues;

// "Restaurer une sauvegarde": the open competition's copies, newest first, with their date and
// time, teams and marks. Enter (or "&Restaurer") asks for confirmation, then puts the chosen
// copy in place of the file; Escape leaves everything as it is.
class Restaurer : public QDialog {
    Q_OBJECT
public:
    Restaurer(Competition& compet, const Sauvegardes& sauvegardes, Dialogues& dialogues,
              QWidget* parent = nullptr);

private:
    void restaurer();

    Competition& compet_;
    Dialogues& dialogues_;
    std::vector<CopieSauvegarde> copies_;
    QListWidget* liste_;
};

} // namespace palmora
