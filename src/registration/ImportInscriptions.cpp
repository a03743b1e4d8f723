#include "registration/ImportInscriptions.h"

#include "data/competition.h"
#include "data/registre_licences.h"
#include "data/remplacement.h"
#include "platform/ApplicationPalmora.h"
#include "platform/Controles.h"
#include "platform/dialogues.h"
#include "registration/import_inscriptions.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <fstream>
#include <sstream>

namespace palmora {

namespace {

constexpr char kTitre[] = "Importer des inscriptions";

QListWidget* liste(const QString& nom, const QStringList& lignes, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(nom);
    l->addItems(lignes);
    if (l->count() > 0) l->setCurrentRow(0);
    return l;
}

} // namespace

ImportInscriptions::ImportInscriptions(Competition& compet, const PlanImport& plan,
                                       Dialogues& dialogues, QWidget* parent)
    : QDialog(parent), compet_(compet), plan_(plan), dialogues_(dialogues) {
    setObjectName("ImportInscriptions");
    setWindowTitle(kTitre);
    QStringList equipes, problemes;
    for (const EquipeImport& e : plan_.equipes)
        equipes << QString::fromStdString(libelleEquipe(e));
    for (const Probleme& p : plan_.problemes)
        problemes << QString::fromStdString(libelleProbleme(p));

    auto* description =
        etiquette(QString::fromStdString(compet_.DescriptionCompet()), "Description", this);
    description->setStyleSheet("font-weight: bold; color: #0000c0");
    auto* Importer = bouton("&Importer", "Importer", this);
    Importer->setEnabled(plan_.nbAcceptees() > 0);
    auto* Modele = bouton("&Modèle vide…", "Modele", this);
    auto* Annule = bouton("A&nnuler", "Annule", this);
    connect(Importer, &QPushButton::clicked, this, &ImportInscriptions::importer);
    connect(Modele, &QPushButton::clicked, this,
            [this] { EcrireModele(compet_.DossierTravail(), dialogues_); });
    connect(Annule, &QPushButton::clicked, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(description);
    page->addWidget(new QLabel(QString("Equipes trouvées : %1, dont %2 à ajouter")
                                   .arg(plan_.equipes.size())
                                   .arg(plan_.nbAcceptees()),
                               this));
    page->addWidget(liste("Equipes", equipes, this), 3);
    page->addWidget(new QLabel("Problèmes :", this));
    page->addWidget(liste("Problemes", problemes, this), 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Importer);
    boutons->addWidget(Modele);
    boutons->addStretch();
    boutons->addWidget(Annule);
    page->addLayout(boutons);
    resize(760, 520);
}

void ImportInscriptions::importer() {
    if (ImporterInscriptions(compet_, plan_, dialogues_)) accept();
}

std::optional<std::filesystem::path>
choisirFichierInscriptions(const std::filesystem::path& dossier, QWidget* parent) {
    QFileDialog choix(parent, kTitre, QString::fromStdString(dossier.string()),
                      "Inscriptions (*.csv *.txt)");
    choix.setOption(QFileDialog::DontUseNativeDialog);
    choix.setFileMode(QFileDialog::ExistingFile);
    choix.setAcceptMode(QFileDialog::AcceptOpen);
    if (executerModal(choix) != QDialog::Accepted || choix.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(choix.selectedFiles().first().toStdString());
}

bool lancerImportInscriptions(Competition& compet, const BornesCategories& BornesAges,
                              const std::filesystem::path& dossierProgramme, Dialogues& dialogues,
                              QWidget* parent) {
    const auto chemin = choisirFichierInscriptions(compet.DossierTravail(), parent);
    if (!chemin) return false;
    const auto octets = lireTout(*chemin);
    if (!octets) {
        dialogues.message({"Le fichier\n" + chemin->string() + "\nne peut pas être lu.", kTitre,
                           Icone::Critique});
        return false;
    }
    const PlanImport plan =
        preparerImport(compet, BornesAges, EntreesRegistre(dossierProgramme), *octets);
    if (!plan.erreur.empty()) {
        dialogues.message({plan.erreur, kTitre, Icone::Critique});
        return false;
    }
    return executerModal(ImportInscriptions(compet, plan, dialogues, parent)) == QDialog::Accepted;
}

} // namespace palmora
