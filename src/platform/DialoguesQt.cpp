#include "platform/DialoguesQt.h"
#include "platform/ApplicationPalmora.h"

#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace palmora {

namespace {

QMessageBox::Icon iconeQt(Icone icone) {
    switch (icone) {
    case Icone::Critique:
        return QMessageBox::Critical;
    case Icone::Exclamation:
        return QMessageBox::Warning;
    case Icone::Question:
        return QMessageBox::Question;
    case Icone::Information:
        return QMessageBox::Information;
    case Icone::Aucune:
        break;
    }
    return QMessageBox::NoIcon;
}

struct BoutonQt {
    Reponse reponse;
    QMessageBox::StandardButton standard;
    const char* texte;
};

std::vector<BoutonQt> boutonsQt(Boutons boutons) {
    const BoutonQt oui{Reponse::Oui, QMessageBox::Yes, "&Oui"};
    const BoutonQt non{Reponse::Non, QMessageBox::No, "&Non"};
    const BoutonQt annuler{Reponse::Annuler, QMessageBox::Cancel, "Annuler"};
    switch (boutons) {
    case Boutons::OuiNon:
        return {oui, non};
    case Boutons::OuiNonAnnuler:
        return {oui, non, annuler};
    case Boutons::ReessayerAnnuler:
        return {{Reponse::Reessayer, QMessageBox::Retry, "&Réessayer"}, annuler};
    case Boutons::Ok:
        break;
    }
    return {{Reponse::Ok, QMessageBox::Ok, "OK"}};
}

// The window the boxes go over. Between two boxes no window is active, and a box without a
// parent would land in the middle of the screen, away from the program.
QWidget* fenetreDevant() {
    if (QWidget* modale = QApplication::activeModalWidget()) return modale;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible() && qobject_cast<QMainWindow*>(fenetre)) return fenetre;
    return nullptr;
}

} // namespace

Reponse DialoguesQt::message(const Message& m) {
    QMessageBox boite(iconeQt(m.icone), QString::fromStdString(m.titre),
                      QString::fromStdString(m.texte), QMessageBox::NoButton, fenetreDevant());
    boite.setTextFormat(Qt::PlainText);
    const std::vector<BoutonQt> boutons = boutonsQt(m.boutons);
    for (const BoutonQt& b : boutons) {
        QPushButton* bouton = boite.addButton(b.standard);
        bouton->setText(QString::fromUtf8(b.texte));
        if (b.reponse == m.defaut) boite.setDefaultButton(bouton);
    }
    executerModal(boite);
    const QMessageBox::StandardButton choisi = boite.standardButton(boite.clickedButton());
    for (const BoutonQt& b : boutons)
        if (b.standard == choisi) return b.reponse;
    // Closed without a button (Escape with no escape button): the box's last button.
    return boutons.back().reponse;
}

std::string DialoguesQt::saisie(const std::string& invite, const std::string& titre,
                                const std::string& defaut) {
    QInputDialog boite(fenetreDevant());
    boite.setWindowTitle(QString::fromStdString(titre));
    boite.setLabelText(QString::fromStdString(invite));
    boite.setTextValue(QString::fromStdString(defaut));
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    if (executerModal(boite) != QDialog::Accepted) return {};
    return boite.textValue().toStdString();
}

void DialoguesQt::bip() {
    QApplication::beep();
}

void DialoguesQt::avantFin(const Message& dernier) {
    // The windows are hidden rather than closed: closing the main window shows the About
    // window, which must not appear after a fatal message.
    for (QWidget* fenetre : QApplication::topLevelWidgets())
        fenetre->hide();
    if (!dernier.texte.empty()) message(dernier);
}

} // namespace palmora
