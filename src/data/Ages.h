#pragma once

#include "data/table_ages.h"

#include <QDialog>

#include <array>
#include <filesystem>

class QLineEdit;

namespace palmora {

class Dialogues;
class Competition;

// "Années de naissance": the eight rows of the age table, `Déb` and `Fin` of each, boxes
// named "Déb0" to "Déb7" and "Fin0" to "Fin7". Opening it closes the open competition;
// the caller refreshes the main window as for no competition open once it has closed.
class Ages : public QDialog {
    Q_OBJECT
public:
    Ages(Competition& compet, std::filesystem::path dossierProgramme, BornesCategories& BornesAges,
         Dialogues& dialogues, QWidget* parent = nullptr);

    // "A&nnuler", Escape or closing the window: nothing is written; without a usable table
    // the program ends.
    void reject() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void oui();

    std::filesystem::path dossierProgramme_;
    BornesCategories& BornesAges_;
    Dialogues& dialogues_;
    std::array<QLineEdit*, 16> boites_{};
};

// Start-up: loads the table (`ChargerAges`), or asks for it in the dialog when it must be
// entered.
void chargerTableAges(Competition& compet, const std::filesystem::path& dossierProgramme,
                      const DateHeure& date, BornesCategories& BornesAges, Dialogues& dialogues,
                      QWidget* parent);

} // namespace palmora
