#pragma once

#include "data/panneau_juges.h"

#include <QDialog>

class QLabel;

namespace palmora {

// "Nombre de juges" for a competition being created: one line per apparatus, with its label
// `E<i>`, key hint `Et<i>` and count `J<i>`. Ctrl with the line's function key adds a judge,
// Alt with it takes one off. `ModiJuge` is the same window for the open competition.
class Juges : public QDialog {
    Q_OBJECT
public:
    explicit Juges(const PanneauJuges& panneau, QWidget* parent = nullptr);

    const PanneauJuges& panneau() const { return panneau_; }

    // "A&nnuler", Escape or closing the window: `JugesAnnule`, nothing is stored.
    void reject() override;

    // Shows the dialog and returns the panel as the organiser left it.
    static PanneauJuges demander(const PanneauJuges& depart, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    // "&Oui": the counts are taken as they are.
    virtual void oui();

private:
    void afficher();

    PanneauJuges panneau_;
    std::array<QLabel*, kLignesJuges> J_{};
};

} // namespace palmora
