#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace palmora {

// "Résultats en direct": the addresses to type on a phone, a QR code of the first one, and
// the buttons "&Arrêter la diffusion" (the dialog ends with arreter() true) and "&Fermer"
// (the results go on).
class DialogueDirect : public QDialog {
    Q_OBJECT
public:
    DialogueDirect(const std::vector<std::string>& adresses, QWidget* parent = nullptr);
    bool arreter() const { return arreter_; }

private:
    bool arreter_ = false;
};

// The QR code of `texte`, black on white, `pixels` per module with a quiet zone of four.
QImage codeQr(const std::string& texte, int pixels);

} // namespace palmora
