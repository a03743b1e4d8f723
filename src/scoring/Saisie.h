#pragma once

#include "scoring/saisie_notes.h"

#include <QDialog>

#include <array>
#include <string_view>

class QLabel;
class QLayout;
class QLineEdit;
class QScrollBar;

namespace palmora {

class Dialogues;
class Competition;

// "Saisie des notes": the judges' marks of one apparatus, one team at a time. Each gymnast row
// carries the control names of its boxes and labels (`Nom`, `Prénom`, `N_J1` to `N_J6`, `Déd`,
// `Défin`), and its row number, from 0, in the property "index".
class Saisie : public QDialog {
    Q_OBJECT
public:
    Saisie(Competition& etat, Dialogues& dialogues, const Agres& agres, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // A gymnast row: its boxes are N_J1 to N_J6, then Déd.
    struct Ligne {
        QLabel* Nom;
        QLabel* Prénom;
        std::array<QLineEdit*, kJugesSaisie + 1> boites;
        QLabel* Défin;
        QLineEdit* Déd() const { return boites[kJugesSaisie]; }
    };

    QLayout* construireGrille();
    void afficher(const EquipeNotee& equipe);
    void afficher(const EquipeRafraichie& equipe);
    std::vector<TextesLigne> textes() const;
    // The rule of a box being left; false for a deduction out of range (beep).
    bool normaliser(QLineEdit& boite);
    // Before a save: every box typed in and not left yet; false when a deduction is refused,
    // the focus then being in its box.
    bool normaliserSaisies();
    bool valider();
    void changerEquipe(int nouvelle);
    void entree(QLineEdit& boite);
    void page(int sens);
    void focusPremiereBoite();
    // The row and column of a box of the grid (column kJugesSaisie: `Déd`); -1 for another.
    std::pair<int, int> place(const QObject* objet) const;

    SaisieNotes saisie_;
    Dialogues& dialogues_;
    std::array<Ligne, kJugesSaisie> lignes_{};
    QLabel* Ekip;
    QLabel* Et_Tot;
    QLabel* Totéq;
    QLabel* Avant;
    QLabel* Après;
    QScrollBar* Ascen;
    bool focusInterne_ = false; // the window moves the focus itself: nothing is left by hand
};

// The "Note" menu entry `libelle` and its keys (Ctrl+Shift+S, O, B, P, L, N, R, F): score entry
// on that apparatus, modal, when a competition is open, not protected, and has it in its menu;
// nothing otherwise.
void lancerSaisie(Competition& etat, Dialogues& dialogues, std::string_view libelle,
                  QWidget* parent);

} // namespace palmora
