#include "scoring/Saisie.h"
#include "platform/ApplicationPalmora.h"

#include "platform/Controles.h"
#include "platform/FiltreTouches.h"
#include "platform/dialogues.h"
#include "scoring/boites_notes.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace palmora {

namespace {

QString qs(const std::string& texte) {
    return QString::fromStdString(texte);
}

void grossir(QWidget& widget, double facteur) {
    QFont police = widget.font();
    police.setPointSizeF(police.pointSizeF() * facteur);
    police.setBold(true);
    widget.setFont(police);
}

// Grid columns: surname, first name, the judges of the apparatus, the deduction, the score.
constexpr int kColonneJuge1 = 2;

} // namespace

Saisie::Saisie(Competition& etat, Dialogues& dialogues, const Agres& agres, QWidget* parent)
    : QDialog(parent), saisie_(etat, dialogues, agres), dialogues_(dialogues) {
    setObjectName("Saisie");
    setWindowTitle(qs(saisie_.titre()));

    QLabel* Nom_d_Appareil = etiquette(qs(saisie_.NomAppareil()), "Nom_d_Appareil", this);
    grossir(*Nom_d_Appareil, 1.5);
    Ekip = etiquette({}, "Ekip", this);
    grossir(*Ekip, 1.2);

    Ascen = new QScrollBar(Qt::Vertical, this);
    Ascen->setObjectName("Ascen");
    Ascen->setFocusPolicy(Qt::NoFocus);
    // The team changes when the thumb is released, not at every step of a drag.
    Ascen->setTracking(false);
    Ascen->setRange(1, std::max<int>(1, static_cast<int>(saisie_.nbEquipes())));
    Ascen->setPageStep(1);
    Avant = etiquette(" <- (ou page précédente) Valider et passer à l'équipe précédente", "Avant",
                      this);
    Après =
        etiquette(" <- (ou page suivante) Valider et passer à l'équipe suivante", "Après", this);
    // The window keeps its width whichever of the two shows.
    for (QLabel* indication : {Avant, Après}) {
        QSizePolicy politique = indication->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        indication->setSizePolicy(politique);
    }
    auto* indications = new QVBoxLayout;
    indications->addWidget(Avant);
    indications->addStretch();
    indications->addWidget(Après);
    auto* centre = new QHBoxLayout;
    centre->addLayout(construireGrille());
    centre->addWidget(Ascen);
    centre->addLayout(indications);

    auto* aides = new QHBoxLayout;
    aides->addWidget(etiquette("La virgule est automatique", "Virgule", this));
    aides->addStretch();
    aides->addWidget(etiquette(" Déplacements  TAB ou Entrée  Maj-TAB", "Mod_Emp", this));

    QPushButton* Valider = bouton("&Valider", "Valider", this);
    QPushButton* Terminé = bouton("&Terminé", "Terminé", this);
    QPushButton* Annuler = bouton("A&nnuler", "Annuler", this);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Valider);
    boutons->addStretch();
    boutons->addWidget(Terminé);
    boutons->addWidget(
        etiquette("   Valider et quitter     la saisie des notes", "Et_Terminé", this));
    boutons->addStretch();
    boutons->addWidget(Annuler);
    boutons->addWidget(etiquette("Quitter la saisie des notes sans valider", "Et_Annul", this));

    auto* page = new QVBoxLayout(this);
    page->addWidget(Nom_d_Appareil);
    page->addWidget(Ekip);
    page->addLayout(centre);
    page->addLayout(aides);
    page->addLayout(boutons);

    afficher(saisie_.ChargerEquipe(1));
    focusPremiereBoite();
    connect(Ascen, &QScrollBar::valueChanged, this, &Saisie::changerEquipe);
    connect(Valider, &QPushButton::clicked, this, &Saisie::valider);
    connect(Terminé, &QPushButton::clicked, this, [this] {
        if (valider()) accept();
    });
    connect(Annuler, &QPushButton::clicked, this, &Saisie::reject);
}

QLayout* Saisie::construireGrille() {
    auto* grille = new QGridLayout;
    // The deduction and the score come right after the last judge of the apparatus; the
    // other judges' boxes stay out of the grid, hidden and empty.
    const int NbJuges = saisie_.NbJuges();
    const int colonneDeduc = kColonneJuge1 + NbJuges;
    const auto placer = [&](QWidget* w, int rangee, int j) {
        if (j < NbJuges || j == kJugesSaisie)
            grille->addWidget(w, rangee, j < NbJuges ? kColonneJuge1 + j : colonneDeduc,
                              rangee == 0 ? Qt::AlignCenter : Qt::Alignment());
        else
            w->hide();
    };
    for (int j = 0; j < kJugesSaisie; ++j) {
        QLabel* J = etiquette(QString("Juge  %1").arg(j + 1), "", this);
        J->setObjectName(QString("J%1").arg(j + 1));
        placer(J, 0, j);
    }
    placer(etiquette("Déduc.", "Déduk", this), 0, kJugesSaisie);
    grille->addWidget(etiquette("Note", "Note", this), 0, colonneDeduc + 1, Qt::AlignCenter);

    const int largeurNom = fontMetrics().averageCharWidth() * 16;
    const int largeurBoite = fontMetrics().horizontalAdvance("-0,000");
    for (int i = 0; i < kJugesSaisie; ++i) {
        Ligne& ligne = lignes_[static_cast<std::size_t>(i)];
        const auto rangee = [&](QWidget* w) {
            w->setProperty("index", i);
            w->hide(); // shown for a gymnast of the team
        };
        ligne.Nom = etiquette({}, "Nom", this);
        ligne.Prénom = etiquette({}, "Prénom", this);
        for (QLabel* nom : {ligne.Nom, ligne.Prénom}) {
            nom->setMinimumWidth(largeurNom);
            rangee(nom);
        }
        grille->addWidget(ligne.Nom, i + 1, 0);
        grille->addWidget(ligne.Prénom, i + 1, 1);
        for (int j = 0; j <= kJugesSaisie; ++j) {
            const bool deduction = j == kJugesSaisie;
            auto* boite = new QLineEdit(this);
            boite->setObjectName(deduction ? QString("Déd") : QString("N_J%1").arg(j + 1));
            boite->setMaxLength(deduction ? 5 : 4);
            boite->setFixedWidth(largeurBoite);
            boite->setAlignment(Qt::AlignRight);
            filtrerTouches(*boite, deduction ? toucheDeduction : toucheNote, dialogues_);
            boite->installEventFilter(this);
            ligne.boites[static_cast<std::size_t>(j)] = boite;
            rangee(boite);
            placer(boite, i + 1, j);
        }
        ligne.Défin = etiquette({}, "Défin", this);
        ligne.Défin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rangee(ligne.Défin);
        grille->addWidget(ligne.Défin, i + 1, colonneDeduc + 1);
    }
    Et_Tot = etiquette("Total équipe :", "Et_Tot", this);
    Totéq = etiquette({}, "Totéq", this);
    Totéq->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grille->addWidget(Et_Tot, kJugesSaisie + 1, 0, 1, colonneDeduc + 1, Qt::AlignRight);
    grille->addWidget(Totéq, kJugesSaisie + 1, colonneDeduc + 1);
    return grille;
}

void Saisie::afficher(const EquipeNotee& equipe) {
    Ekip->setText(qs(equipe.Ekip));
    Et_Tot->setVisible(equipe.totalVisible);
    Totéq->setVisible(equipe.totalVisible);
    Avant->setVisible(equipe.Avant);
    Après->setVisible(equipe.Après);
    if (equipe.Totéq) Totéq->setText(qs(*equipe.Totéq));
    const std::size_t rangees = std::min(equipe.lignes.size(), lignes_.size());
    for (std::size_t i = 0; i < rangees; ++i) {
        const LigneSaisie& vue = equipe.lignes[i];
        Ligne& ligne = lignes_[i];
        ligne.Nom->setText(qs(vue.Nom));
        ligne.Prénom->setText(qs(vue.Prénom));
        ligne.Défin->setText(qs(vue.Défin));
        for (QWidget* w : {static_cast<QWidget*>(ligne.Nom), static_cast<QWidget*>(ligne.Prénom),
                           static_cast<QWidget*>(ligne.Défin)})
            w->setVisible(vue.visible);
        for (std::size_t j = 0; j < ligne.boites.size(); ++j) {
            const bool deduction = j == kJugesSaisie;
            QLineEdit* boite = ligne.boites[j];
            boite->setText(qs(deduction ? vue.textes.Déd : vue.textes.notes[j]));
            boite->setVisible(vue.visible &&
                              (deduction || static_cast<int>(j) < saisie_.NbJuges()));
            boite->setEnabled(!vue.horsConcours);
        }
    }
}

void Saisie::afficher(const EquipeRafraichie& equipe) {
    for (std::size_t i = 0; i < std::min(equipe.Défin.size(), lignes_.size()); ++i) {
        lignes_[i].Défin->setText(qs(equipe.Défin[i]));
        lignes_[i].Déd()->setText(qs(equipe.Déd[i]));
    }
    if (equipe.Totéq) Totéq->setText(qs(*equipe.Totéq));
}

std::vector<TextesLigne> Saisie::textes() const {
    std::vector<TextesLigne> textes;
    for (const Ligne& ligne : lignes_) {
        TextesLigne t;
        for (std::size_t j = 0; j < kJugesSaisie; ++j)
            t.notes[j] = ligne.boites[j]->text().toStdString();
        t.Déd = ligne.Déd()->text().toStdString();
        textes.push_back(std::move(t));
    }
    return textes;
}

std::pair<int, int> Saisie::place(const QObject* objet) const {
    for (std::size_t i = 0; i < lignes_.size(); ++i)
        for (std::size_t j = 0; j < lignes_[i].boites.size(); ++j)
            if (lignes_[i].boites[j] == objet) return {static_cast<int>(i), static_cast<int>(j)};
    return {-1, -1};
}

bool Saisie::normaliser(QLineEdit& boite) {
    const std::string texte = boite.text().toStdString();
    if (place(&boite).second < kJugesSaisie) {
        boite.setText(qs(normaliserNote(texte)));
        return true;
    }
    const std::optional<std::string> deduction = normaliserDeduction(texte);
    if (!deduction) {
        dialogues_.bip();
        return false;
    }
    boite.setText(qs(*deduction));
    return true;
}

bool Saisie::normaliserSaisies() {
    for (const Ligne& ligne : lignes_)
        for (QLineEdit* boite : ligne.boites)
            if (boite->isModified() && !normaliser(*boite)) {
                const QScopedValueRollback interne(focusInterne_, true);
                boite->setFocus();
                return false;
            }
    return true;
}

bool Saisie::eventFilter(QObject* objet, QEvent* evenement) {
    auto* boite = qobject_cast<QLineEdit*>(objet);
    if (boite == nullptr || place(boite).first < 0) return QDialog::eventFilter(objet, evenement);
    if (evenement->type() == QEvent::FocusOut) {
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        // A message box or a menu coming up does not leave the box.
        const bool quittee = !focusInterne_ && raison != Qt::ActiveWindowFocusReason &&
                             raison != Qt::PopupFocusReason;
        if (quittee && !normaliser(*boite))
            QTimer::singleShot(0, boite, [boite] { boite->setFocus(); });
        return false;
    }
    if (evenement->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(evenement)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        entree(*boite);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        page(static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_PageUp ? -1 : +1);
        // From a mark box the focus goes back to the top, even when no team changed.
        if (place(boite).second < kJugesSaisie) focusPremiereBoite();
        return true;
    default:
        return false;
    }
}

void Saisie::entree(QLineEdit& boite) {
    const auto [rangee, colonne] = place(&boite);
    const Ligne& ligne = lignes_[static_cast<std::size_t>(rangee)];
    if (colonne < kJugesSaisie) {
        const int suivante = colonne + 1 < saisie_.NbJuges() ? colonne + 1 : kJugesSaisie;
        ligne.boites[static_cast<std::size_t>(suivante)]->setFocus();
        return;
    }
    // From a deduction: the next row below that takes marks.
    for (std::size_t i = static_cast<std::size_t>(rangee) + 1; i < lignes_.size(); ++i) {
        QLineEdit* premiere = lignes_[i].boites[0];
        if (!premiere->isHidden() && premiere->isEnabled()) {
            premiere->setFocus();
            return;
        }
    }
    valider();
}

void Saisie::page(int sens) {
    const std::int64_t cible = saisie_.EquipeCourante() + sens;
    if (cible >= 1 && cible <= saisie_.nbEquipes()) Ascen->setValue(static_cast<int>(cible));
}

bool Saisie::valider() {
    // The box being edited is left, as if the focus went to the buttons.
    auto* courante = qobject_cast<QLineEdit*>(focusWidget());
    if (courante != nullptr && place(courante).first >= 0 && !normaliser(*courante)) return false;
    if (!normaliserSaisies()) return false;
    afficher(saisie_.Valider(textes()));
    focusPremiereBoite();
    return true;
}

void Saisie::changerEquipe(int nouvelle) {
    if (!normaliserSaisies()) {
        const QSignalBlocker bloque(Ascen);
        Ascen->setValue(static_cast<int>(saisie_.EquipeCourante()));
        return;
    }
    afficher(saisie_.Valider(textes()));
    Totéq->clear();
    afficher(saisie_.ChargerEquipe(nouvelle));
    focusPremiereBoite();
}

void Saisie::focusPremiereBoite() {
    QLineEdit* premiere = lignes_[0].boites[0];
    const QScopedValueRollback interne(focusInterne_, true);
    if (!premiere->isHidden() && premiere->isEnabled()) premiere->setFocus();
}

void lancerSaisie(Competition& etat, Dialogues& dialogues, std::string_view libelle,
                  QWidget* parent) {
    const Agres* agres = agresSaisissable(etat, libelle);
    if (agres == nullptr) return;
    executerModal(Saisie(etat, dialogues, *agres, parent));
}

} // namespace palmora
