#include "registration/Noms.h"

#include "data/competition.h"
#include "platform/Controles.h"
#include "registration/LignesNoms.h"
#include "registration/saisie_noms.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace palmora {

namespace {

QLineEdit* boiteEquipe(const QString& nom, int longueur, QWidget* parent) {
    auto* boite = new QLineEdit(parent);
    boite->setObjectName(nom);
    boite->setMaxLength(longueur);
    boite->setMinimumWidth(boite->fontMetrics().averageCharWidth() * (longueur + 3));
    return boite;
}

} // namespace

Noms::Noms(Competition& compet, const BornesCategories& BornesAges,
           std::filesystem::path dossierProgramme, Dialogues& dialogues, QWidget* parent)
    : QDialog(parent), compet_(compet), BornesAges_(BornesAges),
      dossierProgramme_(std::move(dossierProgramme)), dialogues_(dialogues) {
    setObjectName("Noms");
    setWindowTitle("Saisie des équipes");
    construire();
    // Every key and every focus change of the window passes here first.
    for (QWidget* enfant : findChildren<QWidget*>())
        enfant->installEventFilter(this);

    Effacer->setEnabled(compet_.nbEquipes() >= 1);
    lignes_->montrer(lignesAffichees(compet_));
    DéfilementV1->setRange(1, 1);
    afficherEquipe();
    connect(DéfilementV1, &QScrollBar::valueChanged, this, [this] {
        afficherEquipe();
        NomEquip->setFocus();
    });
}

void Noms::construire() {
    NomEquip = boiteEquipe("NomEquip", 15, this);
    NomEquip->setToolTip("* à la fin pour individuel");
    Ville = boiteEquipe("Ville", 20, this);
    numero_ = etiquette("", "NuméroEquipe", this);
    nombre_ = etiquette("", "NombreEquipes", this);
    auto* description =
        etiquette(QString::fromStdString(compet_.DescriptionCompet()), "Description", this);
    description->setStyleSheet("font-weight: bold; color: #0000c0");

    lignes_ = new LignesNoms(dialogues_, this);
    DéfilementV1 = new QScrollBar(Qt::Vertical, this);
    DéfilementV1->setObjectName("DéfilementV1");
    DéfilementV1->setPageStep(1);
    précédente_ = etiquette("<- Equipe précédente", "Précédente", this);
    aidePrécédente_ = etiquette("Page Précédente ou Ctrl Haut ", "AidePrécédente", this);
    suivante_ = etiquette("<- Equipe suivante", "Suivante", this);
    aideSuivante_ = etiquette("ou bien   Page Suivante             ou Ctrl Bas            ",
                              "AideSuivante", this);

    Terminé = bouton("&Valider ", "Terminé", this);
    CestFini = bouton("&Terminé", "CestFini", this);
    Effacer = bouton("&Effacer cette équipe", "Effacer", this);
    Annule = bouton("A&nnuler", "Annule", this);
    connect(Terminé, &QPushButton::clicked, this, &Noms::valider);
    connect(CestFini, &QPushButton::clicked, this, &Noms::terminer);
    connect(Effacer, &QPushButton::clicked, this, &Noms::effacer);
    connect(Annule, &QPushButton::clicked, this, &Noms::reject);
    // Nothing of the team shown is saved: the import command takes over.
    Importer = bouton("Im&porter…", "Importer", this);
    connect(Importer, &QPushButton::clicked, this, [this] { done(kImporter); });

    auto* entete = new QHBoxLayout;
    entete->addWidget(description, 1);
    entete->addWidget(nombre_);
    auto* equipe = new QGridLayout;
    equipe->addWidget(numero_, 0, 0);
    equipe->addWidget(NomEquip, 0, 1);
    equipe->addWidget(new QLabel("Ville :", this), 0, 2, Qt::AlignRight);
    equipe->addWidget(Ville, 0, 3);
    equipe->addWidget(new QLabel("Département sur 2 chiffres Espace Ville", this), 1, 3);
    equipe->setColumnStretch(4, 1);

    auto* defilement = new QVBoxLayout;
    for (QLabel* l : {précédente_, aidePrécédente_, suivante_, aideSuivante_}) {
        // Their room stays when they are hidden, so the rows do not move between teams.
        QSizePolicy place = l->sizePolicy();
        place.setRetainSizeWhenHidden(true);
        l->setSizePolicy(place);
        if (l == suivante_) defilement->addStretch();
        defilement->addWidget(l);
    }
    auto* milieu = new QHBoxLayout;
    milieu->addWidget(lignes_, 1);
    milieu->addWidget(DéfilementV1);
    milieu->addLayout(defilement);

    auto* boutons = new QGridLayout;
    const std::pair<QPushButton*, const char*> rangee[] = {
        {Terminé, "Enregistrent les modifications"},
        {CestFini, nullptr},
        {Effacer, nullptr},
        {Annule, "Ignore les modifications si l'on n'a pas Validé"},
        {Importer, nullptr}};
    for (int k = 0; k < 5; ++k) {
        boutons->addWidget(rangee[k].first, 0, k);
        if (rangee[k].second) boutons->addWidget(new QLabel(rangee[k].second, this), 1, k);
    }

    auto* page = new QVBoxLayout(this);
    page->addLayout(entete);
    page->addLayout(equipe);
    page->addWidget(
        new QLabel("Entrez  *  à la fin du nom d'équipe pour les concurrents individuels", this));
    page->addLayout(milieu);
    page->addWidget(new QLabel(
        "    Appuyez sur                             TAB ou Entrée     pour passer à la     "
        "case suivante                                Maj + TAB pour  passer à la case "
        "précédente.",
        this));
    page->addLayout(boutons);

    setTabOrder(NomEquip, Ville);
    QWidget* avant = Ville;
    for (int i = 0; i < LignesNoms::kLignes; ++i)
        for (Boite b : {Boite::Nom, Boite::Prénom, Boite::Naissance, Boite::SurCl, Boite::NoLic}) {
            setTabOrder(avant, lignes_->boite(b, i));
            avant = lignes_->boite(b, i);
        }
    for (QWidget* b : {static_cast<QWidget*>(Terminé), static_cast<QWidget*>(CestFini),
                       static_cast<QWidget*>(Effacer), static_cast<QWidget*>(Annule),
                       static_cast<QWidget*>(Importer)}) {
        setTabOrder(avant, b);
        avant = b;
    }
}

int Noms::numeroEquipe() const {
    return DéfilementV1->value();
}

void Noms::majDefilement() {
    const int numero = numeroEquipe();
    {
        const QSignalBlocker bloque(DéfilementV1);
        DéfilementV1->setMaximum(static_cast<int>(compet_.nbEquipes()) + 1);
    }
    précédente_->setVisible(numero > 1);
    aidePrécédente_->setVisible(numero > 1);
    suivante_->setVisible(numero < DéfilementV1->maximum());
    aideSuivante_->setVisible(numero < DéfilementV1->maximum());
    nombre_->setText(QString::fromStdString(libelleNombreEquipes(compet_.nbEquipes())));
}

// Showing a team drops whatever was typed and not validated.
void Noms::afficherEquipe() {
    Terminé->setEnabled(true);
    majDefilement();
    numero_->setText(QString("Nom de l'équipe n° %1").arg(numeroEquipe()));
    afficher(lireEquipe(compet_, numeroEquipe()));
}

void Noms::changerEquipe(int sens) {
    DéfilementV1->setValue(numeroEquipe() + sens); // the scroll bar keeps to its range
}

EquipeSaisie Noms::lire() const {
    return {NomEquip->text().toStdString(), Ville->text().toStdString(),
            lignes_->lire(lignesAffichees(compet_))};
}

void Noms::afficher(const EquipeSaisie& equipe) {
    poserTexte(*NomEquip, equipe.NomEquip);
    poserTexte(*Ville, equipe.Ville);
    lignes_->afficher(equipe.lignes);
}

void Noms::valider() {
    Terminé->setEnabled(false);
    EquipeSaisie equipe = lire();
    const Sauvegarde resultat = ValiderEquipe(compet_, BornesAges_, numeroEquipe(), equipe,
                                              dialogues_, [this](int i) { placerFocus(i); });
    afficher(equipe);
    if (resultat == Sauvegarde::Refusee) {
        // Nothing was written: once the box is corrected the team can be validated again.
        Terminé->setEnabled(true);
        return;
    }
    Effacer->setEnabled(compet_.nbEquipes() >= 1);
    majDefilement();
    if (resultat == Sauvegarde::Ecrite) emit equipeEnregistree();
}

void Noms::terminer() {
    EquipeSaisie equipe = lire();
    const Sauvegarde resultat = ValiderEquipe(compet_, BornesAges_, numeroEquipe(), equipe,
                                              dialogues_, [this](int i) { placerFocus(i); });
    afficher(equipe);
    if (resultat == Sauvegarde::Refusee) return;
    TrierFichier(compet_, dialogues_);
    if (resultat == Sauvegarde::Ecrite) emit equipeEnregistree();
    accept();
}

void Noms::effacer() {
    if (EffacerEquipe(compet_, NomEquip->text().toStdString(), Ville->text().toStdString(),
                      dialogues_))
        accept();
}

QLineEdit* Noms::boite(Place place) const {
    switch (place.boite) {
    case Boite::NomEquip:
        return NomEquip;
    case Boite::Ville:
        return Ville;
    default:
        return lignes_->boite(place.boite, place.ligne);
    }
}

std::optional<Place> Noms::placeDe(const QObject* objet) const {
    if (objet == NomEquip) return Place{Boite::NomEquip};
    if (objet == Ville) return Place{Boite::Ville};
    return lignes_->placeDe(objet);
}

void Noms::entrer(Place place) {
    EquipeSaisie equipe = lire();
    const std::optional<Place> retour = entrerBoite(equipe, place);
    afficher(equipe);
    QLineEdit* cible = retour ? boite(*retour) : nullptr;
    if (cible) {
        // Not from inside the focus change itself.
        QTimer::singleShot(0, cible, [cible] { cible->setFocus(Qt::OtherFocusReason); });
    } else if (place.boite == Boite::SurCl) {
        QLineEdit* surCl = boite(place);
        QTimer::singleShot(0, surCl, &QLineEdit::selectAll);
    }
}

void Noms::avancer(Place place) {
    EquipeSaisie equipe = lire();
    const std::optional<Place> suite = toucheEntree(dossierProgramme_, equipe, place);
    afficher(equipe);
    if (suite)
        boite(*suite)->setFocus(Qt::TabFocusReason);
    else
        Terminé->click(); // does nothing while the button is disabled
}

void Noms::placerFocus(int ligne) {
    lignes_->boite(Boite::Nom, ligne)->setFocus();
    QLineEdit* naissance = lignes_->boite(Boite::Naissance, ligne);
    naissance->setFocus();
    naissance->selectAll();
}

bool Noms::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::FocusIn) {
        if (const auto place = placeDe(objet)) entrer(*place);
        return false;
    }
    if (evenement->type() != QEvent::KeyPress) return false;
    const auto* touche = static_cast<const QKeyEvent*>(evenement);
    const bool ctrlSeul = touche->modifiers() == Qt::ControlModifier;
    if (touche->key() == Qt::Key_PageUp || (ctrlSeul && touche->key() == Qt::Key_Up)) {
        changerEquipe(-1);
        return true;
    }
    if (touche->key() == Qt::Key_PageDown || (ctrlSeul && touche->key() == Qt::Key_Down)) {
        changerEquipe(1);
        return true;
    }
    const std::optional<Place> place = placeDe(objet);
    if (!place) return false;
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        avancer(*place);
        return true;
    }
    if (touche->key() == Qt::Key_F12 && place->boite == Boite::Nom) {
        lignes_->boite(Boite::NoLic, place->ligne)->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return false;
}

} // namespace palmora
