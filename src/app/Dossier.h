#pragma once

#include <QDialog>

#include <filesystem>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;

namespace palmora {

class Dialogues;

// The working-folder dialog: a place (root, home, mounted media) and a folder list. It is
// accepted only with a folder other than the program folder, which it makes the current
// directory; any other way out of it is the organiser's "A&nnuler".
class Dossier : public QDialog {
    Q_OBJECT

public:
    Dossier(Dialogues& dialogues, std::filesystem::path dossierProgramme,
            const std::filesystem::path& depart, QWidget* parent = nullptr);

    // The folder the list stands in: the working folder chosen once the dialog is accepted.
    const std::filesystem::path& chemin() const { return chemin_; }

private:
    void allerA(const std::filesystem::path& dossier);
    void valider();

    Dialogues& dialogues_;
    std::filesystem::path dossierProgramme_;
    std::filesystem::path chemin_;
    std::vector<std::filesystem::path> lieux_;

    QComboBox* Drive1;
    QLabel* Chemin;
    QListWidget* Dir1;
};

} // namespace palmora
