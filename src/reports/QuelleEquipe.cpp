#include "reports/QuelleEquipe.h"

#include "data/competition.h"
#include "platform/Controles.h"
#include "reports/feuilles_match.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace palmora {

QuelleEquipe::QuelleEquipe(Competition& etat, ChoixFeuilles& choix, QWidget* parent)
    : QDialog(parent), etat_(etat), choix_(choix) {
    setObjectName("QuelleEquipe");
    setWindowTitle("Quelle équipe ?");
    DV_ = new QScrollBar(Qt::Vertical, this);
    DV_->setObjectName("DV");
    DV_->setRange(1, static_cast<int>(std::max<std::int64_t>(1, equipesFeuilles(etat))));
    Et_éq_ = etiquette("", "Et_éq", this);
    QFont police = Et_éq_->font();
    police.setBold(true);
    police.setPointSize(police.pointSize() + 2);
    Et_éq_->setFont(police);
    Et_éq_->setMinimumWidth(180);

    QPushButton* Oui = bouton("&Oui", "Oui", this);
    QPushButton* Annuler = bouton("A&nnuler", "Annuler", this);
    connect(Oui, &QPushButton::clicked, this, &QuelleEquipe::accept);
    connect(Annuler, &QPushButton::clicked, this, &QuelleEquipe::reject);
    connect(DV_, &QScrollBar::valueChanged, this, &QuelleEquipe::montrer);

    auto* grille = new QGridLayout(this);
    grille->addWidget(DV_, 0, 0, 4, 1);
    grille->addWidget(Et_éq_, 0, 1);
    grille->addWidget(etiquette("Flèches    Haut        Bas", "Fleches", this), 1, 1);
    grille->addWidget(etiquette("Entrée", "Entree", this), 2, 2);
    grille->addWidget(Oui, 2, 3);
    grille->addWidget(etiquette("Echap", "Echap", this), 3, 2);
    grille->addWidget(Annuler, 3, 3);
    DV_->setMinimumHeight(100);
    DV_->setFocus();
    montrer(1);
}

void QuelleEquipe::montrer(int equipe) {
    choix_.EquipeChoisie = equipe;
    Et_éq_->setText(QString::fromStdString(nomEquipeFeuille(etat_, equipe)));
}

void QuelleEquipe::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void QuelleEquipe::reject() {
    choix_.EquipeChoisie = 0;
    QDialog::reject();
}

} // namespace palmora
