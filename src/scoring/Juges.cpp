#include "scoring/Juges.h"
#include "platform/ApplicationPalmora.h"

#include "platform/Controles.h"
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace palmora {

namespace {

constexpr const char* kAgres[kLignesJuges] = {
    "Anneaux ....",     "Arçons ......",     "Fixe ...........", "Barres .......",
    "Saut ...........", "Sol .............", "Poutre ......."};
constexpr const char* kTouches[kLignesJuges] = {"(F1)", "(F2)", "(F3)", "(F4)",
                                                "(F5)", "(F7)", "(F8)"};

} // namespace

Juges::Juges(const PanneauJuges& panneau, QWidget* parent) : QDialog(parent), panneau_(panneau) {
    setObjectName("Juges");
    setWindowTitle("Nombre de juges");
    auto* grille = new QGridLayout(this);
    for (int i = 0; i < kLignesJuges; ++i) {
        const QString indice = QString::number(i);
        QLabel* E = etiquette(QString::fromUtf8(kAgres[i]), "E" + indice, this);
        QLabel* Et = etiquette(kTouches[i], "Et" + indice, this);
        J_[i] = etiquette({}, "J" + indice, this);
        const bool actif = panneau_.actif(i);
        E->setEnabled(actif);
        J_[i]->setEnabled(actif);
        Et->setVisible(actif);
        grille->addWidget(E, i, 0);
        grille->addWidget(Et, i, 1);
        grille->addWidget(J_[i], i, 2);
    }
    grille->addWidget(new QLabel("Control  = augmenter      Alt         = diminuer", this),
                      kLignesJuges, 0, 1, 3);
    grille->addWidget(new QLabel("Attention ! pas de F6", this), kLignesJuges + 1, 0, 1, 3);
    QPushButton* Oui = bouton("&Oui", "Oui", this);
    QPushButton* Annuler = bouton("A&nnuler", "Annuler", this);
    grille->addWidget(Oui, kLignesJuges + 2, 0);
    grille->addWidget(Annuler, kLignesJuges + 2, 2);
    connect(Oui, &QPushButton::clicked, this, &Juges::oui);
    connect(Annuler, &QPushButton::clicked, this, &Juges::reject);
    afficher();
}

void Juges::afficher() {
    for (int i = 0; i < kLignesJuges; ++i)
        J_[i]->setText(QString::number(panneau_.comptes()[i]));
}

void Juges::keyPressEvent(QKeyEvent* evenement) {
    const int touche = evenement->key() - Qt::Key_F1 + 1;
    const Qt::KeyboardModifiers m = evenement->modifiers();
    if (touche >= 1 && touche <= 12) {
        if (panneau_.appuyer(touche, m & Qt::ControlModifier, m & Qt::AltModifier,
                             m & (Qt::ShiftModifier | Qt::MetaModifier)))
            afficher();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void Juges::oui() {
    accept();
}

void Juges::reject() {
    panneau_.JugesAnnule = true;
    QDialog::reject();
}

PanneauJuges Juges::demander(const PanneauJuges& depart, QWidget* parent) {
    Juges dialogue(depart, parent);
    executerModal(dialogue);
    return dialogue.panneau();
}

} // namespace palmora
