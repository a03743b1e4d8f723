#include "app/Titre.h"
#include "platform/ApplicationPalmora.h"

#include "app/etat_appli.h"
#include "platform/Controles.h"
#include "platform/FiltreTouches.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace palmora {

namespace {

QLineEdit* boiteTitre(const char* nom, int longueur, const std::string& texte, Dialogues& dialogues,
                      QWidget* parent) {
    auto* boite = new QLineEdit(QString::fromStdString(texte), parent);
    boite->setObjectName(nom);
    boite->setMaxLength(longueur);
    filtrerTouches(*boite, toucheTitre, dialogues);
    return boite;
}

} // namespace

Titre::Titre(EtatAppli& etat, Dialogues& dialogues, QLabel& TitreCompét, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues), TitreCompét_(TitreCompét) {
    setObjectName("Titre");
    setWindowTitle("Donner le titre de la compétition");
    etat_.titre = LireTitre(etat_.compet.DossierTravail()).value_or(TitreCompet{});

    Titre1_ = boiteTitre("Titre1", kLongueurTitre, etat_.titre.ligne1, dialogues_, this);
    LieuDate_ = boiteTitre("LieuDate", kLongueurLieuDate, etat_.titre.ligne2, dialogues_, this);
    Label2_ = new QLabel("Saisie obligatoire pour pouvoir continuer", this);
    Label2_->setObjectName("Label2");
    Label2_->setStyleSheet("color: red");
    Label2_->setVisible(etat_.titre.vide());

    auto* boutons = new QHBoxLayout;
    QPushButton* termine = bouton("&Terminé", "Terminé", this);
    QPushButton* annuler = bouton("A&nnuler", "Annuler", this);
    boutons->addWidget(termine);
    boutons->addWidget(annuler);
    connect(termine, &QPushButton::clicked, this, &Titre::termine);
    connect(annuler, &QPushButton::clicked, this, &Titre::reject);

    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel("Titre de la compétition", this));
    page->addWidget(Titre1_);
    page->addWidget(new QLabel("Maxi : 60 caractères ou espaces", this));
    page->addWidget(new QLabel("Lieu et date", this));
    page->addWidget(LieuDate_);
    page->addWidget(new QLabel("Maxi : 50 caractères ou espaces", this));
    page->addWidget(
        new QLabel("Appuyez sur (Maj + ) TAB pour la ligne (précédente) suivante", this));
    page->addWidget(Label2_);
    page->addLayout(boutons);
    // Room for a whole title without scrolling.
    Titre1_->setMinimumWidth(Titre1_->fontMetrics().averageCharWidth() * kLongueurTitre);
}

void Titre::termine() {
    const bool enregistre =
        TerminerTitre(etat_.compet.DossierTravail(), Titre1_->text().toStdString(),
                      LieuDate_->text().toStdString(), etat_.titre, dialogues_);
    afficherTitre(TitreCompét_, etat_.titre);
    if (enregistre)
        accept();
    else
        Label2_->show();
}

void Titre::reject() {
    AnnulerTitre(etat_.titre, dialogues_);
    QDialog::reject();
}

void afficherTitre(QLabel& TitreCompét, const TitreCompet& titre) {
    const LibelleTitre libelle = libelleTitre(titre);
    TitreCompét.setTextFormat(Qt::PlainText);
    TitreCompét.setText(QString::fromStdString(libelle.texte));
    TitreCompét.setFont(QFont("Arial", libelle.taille));
    QPalette palette = TitreCompét.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    TitreCompét.setPalette(palette);
    TitreCompét.show();
}

void lireOuDemanderTitre(EtatAppli& etat, Dialogues& dialogues, QLabel& TitreCompét,
                         QWidget* parent) {
    etat.titre = LireTitre(etat.compet.DossierTravail()).value_or(TitreCompet{});
    afficherTitre(TitreCompét, etat.titre);
    if (etat.titre.vide()) executerModal(Titre(etat, dialogues, TitreCompét, parent));
}

} // namespace palmora
