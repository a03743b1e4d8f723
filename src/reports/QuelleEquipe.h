#pragma once

#include <QDialog>

class QLabel;
class QScrollBar;

namespace palmora {

struct ChoixFeuilles;
class Competition;

// "Quelle équipe ?": the one team of the sheets, chosen with the scroll bar by its name.
class QuelleEquipe : public QDialog {
    Q_OBJECT
public:
    QuelleEquipe(Competition& etat, ChoixFeuilles& choix, QWidget* parent = nullptr);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void montrer(int equipe);

    Competition& etat_;
    ChoixFeuilles& choix_;
    QScrollBar* DV_;
    QLabel* Et_éq_;
};

} // namespace palmora
