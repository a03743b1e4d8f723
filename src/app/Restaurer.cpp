#include "app/Restaurer.h"

#include "data/competition.h"
#include "platform/dialogues.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace palmora {

namespace {

QString pluriel(std::int64_t n, const char* mot) {
    return QString::number(n) + " " + QString::fromUtf8(mot) + (n > 1 ? "s" : "");
}

} // namespace

Restaurer::Restaurer(Competition& compet, const Sauvegardes& sauvegardes, Dialogues& dialogues,
                     QWidget* parent)
    : QDialog(parent), compet_(compet), dialogues_(dialogues), copies_(sauvegardes.lister(compet)),
      liste_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Restaurer une sauvegarde"));
    liste_->setObjectName(QStringLiteral("ListeSauvegardes"));
    for (const CopieSauvegarde& c : copies_)
        liste_->addItem(QString::fromStdString(c.quand) + "   " + pluriel(c.equipes, "équipe") +
                        ", " + pluriel(c.notes, "note"));
    liste_->setCurrentRow(0);
    connect(liste_, &QListWidget::itemDoubleClicked, this, &Restaurer::restaurer);

    auto* restaurer = new QPushButton(QStringLiteral("&Restaurer"), this);
    restaurer->setObjectName(QStringLiteral("Restaurer"));
    restaurer->setEnabled(!copies_.empty());
    restaurer->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("A&nnuler"), this);
    annuler->setObjectName(QStringLiteral("Annuler"));
    connect(restaurer, &QPushButton::clicked, this, &Restaurer::restaurer);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(restaurer);
    boutons->addWidget(annuler);
    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(QString::fromStdString(compet.DescriptionCompet()), this));
    page->addWidget(new QLabel(copies_.empty() ? QStringLiteral("Aucune sauvegarde.")
                                               : QStringLiteral("La plus récente en premier :"),
                               this));
    page->addWidget(liste_);
    page->addLayout(boutons);
    resize(460, 320);
}

void Restaurer::restaurer() {
    const int rang = liste_->currentRow();
    if (rang < 0 || rang >= static_cast<int>(copies_.size())) return;
    const CopieSauvegarde& copie = copies_[static_cast<std::size_t>(rang)];
    const Reponse r = dialogues_.message(
        {"Remplacer " + compet_.FichierCompet() + " par sa sauvegarde du " + copie.quand +
             " ?\n\nLa compétition telle qu'elle est maintenant sera d'abord sauvegardée.",
         "Restaurer une sauvegarde", Icone::Question, Boutons::OuiNon, Reponse::Non});
    if (r != Reponse::Oui) return;
    if (RestaurerSauvegarde(compet_, copie.chemin, dialogues_)) accept();
}

} // namespace palmora
