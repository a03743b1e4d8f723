#include "app/Dossier.h"

#include "app/demarrage.h"
#include "platform/lieux.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <utility>

namespace palmora {

namespace fs = std::filesystem;

namespace {

QString texteChemin(const fs::path& chemin) {
    return QString::fromStdString(chemin.string());
}

} // namespace

Dossier::Dossier(Dialogues& dialogues, fs::path dossierProgramme, const fs::path& depart,
                 QWidget* parent)
    : QDialog(parent), dialogues_(dialogues), dossierProgramme_(std::move(dossierProgramme)) {
    setObjectName(QStringLiteral("Dossier"));
    setWindowTitle(QStringLiteral("Dossier de travail"));

    auto* consigne = new QLabel(QStringLiteral("Sélectionner le disque et le dossier de travail"));
    Drive1 = new QComboBox;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    lieux_ =
        lieuxDeTravail(QDir::homePath().toStdString(), qEnvironmentVariable("USER").toStdString());
    for (const fs::path& lieu : lieux_)
        Drive1->addItem(texteChemin(lieu));
    Chemin = new QLabel;
    Chemin->setObjectName(QStringLiteral("Chemin"));
    Chemin->setTextFormat(Qt::PlainText);
    Dir1 = new QListWidget;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    auto* aide =
        new QLabel(QStringLiteral("<- double-clic sur           le nom du dossier          "
                                  "           ou                     flèches + Entrée"));
    aide->setTextFormat(Qt::PlainText);
    aide->setWordWrap(true);
    aide->setFixedWidth(120);
    auto* oui = new QPushButton(QStringLiteral("&Oui"));
    oui->setObjectName(QStringLiteral("Oui"));
    auto* annuler = new QPushButton(QStringLiteral("A&nnuler"));
    annuler->setObjectName(QStringLiteral("Annuler"));
    // Enter belongs to the folder list, which opens the selected folder.
    oui->setAutoDefault(false);
    annuler->setAutoDefault(false);

    auto* dossiers = new QHBoxLayout;
    dossiers->addWidget(Dir1, 1);
    dossiers->addWidget(aide, 0, Qt::AlignTop);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(oui);
    boutons->addWidget(annuler);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(consigne);
    colonne->addWidget(Drive1);
    colonne->addWidget(Chemin);
    colonne->addLayout(dossiers, 1);
    colonne->addLayout(boutons);
    resize(460, 360);

    Drive1->setCurrentIndex(static_cast<int>(lieuDe(lieux_, depart)));
    allerA(depart);
    connect(Drive1, &QComboBox::activated, this,
            [this](int index) { allerA(lieux_.at(static_cast<std::size_t>(index))); });
    connect(Dir1, &QListWidget::activated, this, [this](const QModelIndex& ligne) {
        allerA(ligne.data(Qt::UserRole).toString().toStdString());
    });
    connect(oui, &QPushButton::clicked, this, &Dossier::valider);
    connect(annuler, &QPushButton::clicked, this, &Dossier::reject);
    Dir1->setFocus();
}

void Dossier::allerA(const fs::path& dossier) {
    chemin_ = dossier.lexically_normal();
    if (chemin_.has_relative_path() && !chemin_.has_filename()) chemin_ = chemin_.parent_path();
    Chemin->setText(texteChemin(chemin_));
    Dir1->clear();
    const QIcon icone = style()->standardIcon(QStyle::SP_DirIcon);
    const auto ajouter = [&](const QString& nom, const fs::path& cible) {
        auto* ligne = new QListWidgetItem(icone, nom, Dir1);
        ligne->setData(Qt::UserRole, texteChemin(cible));
    };
    if (chemin_.has_relative_path()) ajouter(QStringLiteral(".."), chemin_.parent_path());
    for (const fs::path& sous : sousDossiers(chemin_))
        ajouter(QString::fromStdString(sous.filename().string()), sous);
    Dir1->setCurrentRow(0);
}

void Dossier::valider() {
    if (accepterDossierTravail(chemin_, dossierProgramme_, dialogues_)) accept();
}

} // namespace palmora
