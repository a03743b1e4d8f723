#pragma once

#include "data/creation.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace palmora {

class Dialogues;
class Competition;

// "Nouveau fichier": the sex, level, category and membership of a new competition (option
// buttons `Sexe<i>`, `Niveau<i>`, `Catégorie<i>`, `Appartenance<i>` in their frames), its team
// size `Effectif` and retained count `Retenues`, and the file name being built `NomFichier`.
// Opening it closes the open competition.
class Nouvo : public QDialog {
    Q_OBJECT
public:
    Nouvo(Competition& etat, Dialogues& dialogues, DemandeJuges demanderJuges,
          QWidget* parent = nullptr);

    // "O&K" created a competition, which is now open.
    bool cree() const { return cree_; }

protected:
    // The numeric keypad's "+" and "-" change the team size, or with Ctrl alone the
    // retained count.
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QGroupBox* cadre(const QString& titre, const QString& nom, const char* const* options,
                     int nombre, QRadioButton** boutons, void (ChoixNouveau::*choisir)(int));
    // A click on `bouton` applies `action` with `valeur` to the choices, then shows them.
    void relier(QAbstractButton* bouton, void (ChoixNouveau::*action)(int), int valeur);
    void afficher();
    void ok();

    Competition& etat_;
    Dialogues& dialogues_;
    DemandeJuges demanderJuges_;
    ChoixNouveau choix_;
    bool cree_ = false;
    std::array<QRadioButton*, 2> Sexe_{};
    std::array<QRadioButton*, nouveau::kNiveaux> Niveau_{};
    std::array<QRadioButton*, nouveau::kCategories> Catégorie_{};
    std::array<QRadioButton*, 2> Appartenance_{};
    QGroupBox* CadreAppartenance_ = nullptr;
    QLabel* Effectif_ = nullptr;
    QLabel* LegendeEffectif_ = nullptr;
    QLabel* Retenues_ = nullptr;
    QLabel* NomFichier_ = nullptr;
};

// Alt+N of the main window: the "Nouveau fichier" dialog, then the judge panel that
// `demanderJuges` opens. Returns whether a competition was created and is open; either way the
// competition open before is closed.
bool lancerNouvo(Competition& etat, Dialogues& dialogues, DemandeJuges demanderJuges,
                 QWidget* parent);

} // namespace palmora
