#pragma once

#include <QDialog>

namespace palmora {

class GroupeOptions;
struct ChoixFeuilles;

// "Quelle épreuve ?": the one apparatus of the sheets, among those of the competition's set.
class Quelepreuv : public QDialog {
    Q_OBJECT
public:
    Quelepreuv(char CodeAgres, ChoixFeuilles& choix, QWidget* parent = nullptr);

public slots:
    void reject() override;

private:
    ChoixFeuilles& choix_;
};

} // namespace palmora
