#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace palmora {

class Dialogues;
struct EtatAppli;
struct TitreCompet;

// "Donner le titre de la compétition": the title and its place-and-date line of the working
// folder, in the boxes `Titre1` and `LieuDate`. Opening it reads TITRE.1 again; `TitreCompét`
// is the main window's title label, kept up to date by "&Terminé".
class Titre : public QDialog {
    Q_OBJECT
public:
    Titre(EtatAppli& etat, Dialogues& dialogues, QLabel& TitreCompét, QWidget* parent = nullptr);

    // "A&nnuler", Escape or closing the window: nothing is written; without a title the
    // program ends.
    void reject() override;

private:
    void termine();

    EtatAppli& etat_;
    Dialogues& dialogues_;
    QLabel& TitreCompét_;
    QLineEdit* Titre1_;
    QLineEdit* LieuDate_;
    QLabel* Label2_;
};

// The title label: line 1 + " - " + line 2 in dark blue Arial, smaller for a long text, or
// "Entrez le titre de la compétition" while there is no title.
void afficherTitre(QLabel& TitreCompét, const TitreCompet& titre);

// Start-up and a change of working folder: reads TITRE.1 into the state and the label, and
// asks for the title in the dialog when there is none.
void lireOuDemanderTitre(EtatAppli& etat, Dialogues& dialogues, QLabel& TitreCompét,
                         QWidget* parent);

} // namespace palmora
