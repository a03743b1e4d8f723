#include "reports/Quelepreuv.h"

#include "platform/Controles.h"
#include "reports/GroupeOptions.h"
#include "reports/feuilles_match.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace palmora {

Quelepreuv::Quelepreuv(char CodeAgres, ChoixFeuilles& choix, QWidget* parent)
    : QDialog(parent), choix_(choix) {
    setObjectName("Quelepreuv");
    setWindowTitle("Quelle épreuve ?");
    auto* options = new GroupeOptions(
        "Option", {"&Anneaux", "A&rçons", "&Fixe", "&Barres", "&Saut", "So&l", "&Poutre"},
        [this](int i) { choix_.EpreuveChoisie = i + 1; }, this);
    const bool hommes = CodeAgres == 'M';
    for (int i = 0; i < 7; ++i)
        options->option(i)->setVisible(hommes ? i <= 5 : i >= 3);
    options->choisir(hommes ? 0 : 3);

    QPushButton* Oui = bouton("&Oui", "Oui", this);
    QPushButton* Annuler = bouton("A&nnuler", "Annuler", this);
    connect(Oui, &QPushButton::clicked, this, &Quelepreuv::accept);
    connect(Annuler, &QPushButton::clicked, this, &Quelepreuv::reject);
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(etiquette("Entrée", "Entree", this));
    boutons->addWidget(Oui);
    boutons->addWidget(etiquette("Echap", "Echap", this));
    boutons->addWidget(Annuler);
    boutons->addStretch();
    auto* disposition = new QHBoxLayout(this);
    disposition->addWidget(options);
    disposition->addLayout(boutons);
    Oui->setDefault(true);
}

void Quelepreuv::reject() {
    choix_.EpreuveChoisie = 0;
    QDialog::reject();
}

} // namespace palmora
