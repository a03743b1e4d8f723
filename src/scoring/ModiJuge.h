#pragma once

#include "scoring/Juges.h"

namespace palmora {

class Dialogues;
class Competition;

// "Nombre de juges" for the open competition: opens on its counts (`AncienNbJuges`); "&Oui"
// refuses to remove a judge who has given marks, otherwise writes the new counts into every
// record. The dialog closes either way.
class ModiJuge : public Juges {
    Q_OBJECT
public:
    ModiJuge(Competition& etat, Dialogues& dialogues, QWidget* parent = nullptr);

    // The counts were changed in the state and the file.
    bool modifie() const { return modifie_; }

protected:
    void oui() override;

private:
    Competition& etat_;
    Dialogues& dialogues_;
    const NbJuges AncienNbJuges;
    bool modifie_ = false;
};

// Ctrl+Alt+F2 (Ctrl+Shift+F2) of the main window: nothing without an open competition,
// "Fichier protégé" on a protected one, otherwise the `ModiJuge` dialog. Returns whether the
// counts were changed.
bool lancerModiJuge(Competition& etat, Dialogues& dialogues, QWidget* parent);

} // namespace palmora
