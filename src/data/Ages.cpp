#include "data/Ages.h"
#include "platform/ApplicationPalmora.h"

#include "data/competition.h"
#include "data/touches.h"
#include "platform/Controles.h"
#include "platform/FiltreTouches.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace palmora {

namespace {

constexpr std::array<const char*, 4> kBandes = {" 7- 8 ans .....", " 9-10 ans .....",
                                                "11-12 ans .....", "13-14 ans ....."};

} // namespace

Ages::Ages(Competition& compet, std::filesystem::path dossierProgramme,
           BornesCategories& BornesAges, Dialogues& dialogues, QWidget* parent)
    : QDialog(parent), dossierProgramme_(std::move(dossierProgramme)), BornesAges_(BornesAges),
      dialogues_(dialogues) {
    setObjectName("Ages");
    setWindowTitle("Années de naissance");
    compet.Fermer();

    auto* grille = new QGridLayout;
    grille->setColumnStretch(4, 1); // the room left goes after the boxes, which stay together
    const TextesAges textes = lireTextesAges(dossierProgramme_);
    for (int r = 0; r < 8; ++r) {
        const int ligne = r + 1 + (r >= 4 ? 1 : 0); // a heading above each sex
        if (r % 4 == 0)
            grille->addWidget(new QLabel(r < 4 ? "Féminines" : "Masculins", this), ligne - 1, 0);
        grille->addWidget(new QLabel(kBandes[static_cast<std::size_t>(r % 4)], this), ligne, 0);
        for (int k = 0; k < 2; ++k) {
            auto* boite = new QLineEdit(this);
            boite->setObjectName(QString(k == 0 ? "Déb%1" : "Fin%1").arg(r));
            boite->setMaxLength(2);
            boite->setFixedWidth(boite->fontMetrics().horizontalAdvance("0000"));
            const auto i = static_cast<std::size_t>(2 * r + k);
            boite->setText(QString::fromStdString(textes[i]));
            filtrerTouches(*boite, toucheChiffre, dialogues_);
            boite->installEventFilter(this);
            boites_[i] = boite;
            grille->addWidget(boite, ligne, 1 + 2 * k);
        }
        grille->addWidget(new QLabel("à", this), ligne, 2);
    }

    auto* boutons = new QHBoxLayout;
    QPushButton* oui = bouton("&Oui", "Oui", this);
    QPushButton* annuler = bouton("A&nnuler", "Annuler", this);
    boutons->addWidget(oui);
    boutons->addWidget(annuler);
    connect(oui, &QPushButton::clicked, this, &Ages::oui);
    connect(annuler, &QPushButton::clicked, this, &Ages::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(
        "La plus ancienne année en premier.       Exemples : de 82 à 84 ou de 99 à 01", this));
    page->addLayout(grille);
    page->addWidget(new QLabel("Déplacement par TAB ou Maj+TAB", this));
    page->addLayout(boutons);
}

bool Ages::eventFilter(QObject* objet, QEvent* evenement) {
    // Entering a box selects its whole text, whichever way the focus came.
    if (evenement->type() == QEvent::FocusIn)
        if (auto* boite = qobject_cast<QLineEdit*>(objet))
            QTimer::singleShot(0, boite, &QLineEdit::selectAll);
    return QDialog::eventFilter(objet, evenement);
}

void Ages::oui() {
    TextesAges textes;
    for (std::size_t i = 0; i < textes.size(); ++i)
        textes[i] = boites_[i]->text().toStdString();
    BornesAges_ = EnregistrerAges(dossierProgramme_, textes, dialogues_);
    accept();
}

void Ages::reject() {
    AbandonnerAges(dossierProgramme_, dialogues_);
    QDialog::reject();
}

void chargerTableAges(Competition& compet, const std::filesystem::path& dossierProgramme,
                      const DateHeure& date, BornesCategories& BornesAges, Dialogues& dialogues,
                      QWidget* parent) {
    if (ChargerAges(dossierProgramme, date, BornesAges, dialogues)) return;
    executerModal(Ages(compet, dossierProgramme, BornesAges, dialogues, parent));
}

} // namespace palmora
