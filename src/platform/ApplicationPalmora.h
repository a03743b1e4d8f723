#pragma once

#include <QApplication>

#include <optional>

class QDialog;

namespace palmora {

// The application object. A command that ends the program throws `FinProgramme`; it is caught
// where Qt handed the event to the program, so that it never crosses Qt's own code, every event
// loop is told to end, and each modal dialog's `executerModal` carries the end on outwards, up
// to `main`.
class ApplicationPalmora : public QApplication {
public:
    ApplicationPalmora(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
    // Runs the event loop; returns the status the program ends with.
    int executer();
    // The status of the end under way, when a command has ended the program.
    static std::optional<int> finEnCours();

private:
    std::optional<int> statutFin_;
};

// Runs a modal dialog. When the program was ended inside it, the end goes on from here
// (`FinProgramme` thrown again) instead of returning to a caller that would carry on.
int executerModal(QDialog& dialogue);
inline int executerModal(QDialog&& dialogue) {
    return executerModal(dialogue);
}

} // namespace palmora
