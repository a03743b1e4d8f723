#include "registration/LignesNoms.h"

#include "data/touches.h"
#include "platform/FiltreTouches.h"
#include "registration/saisie_noms.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace palmora {

namespace {

struct Colonne {
    const char* nom;
    const char* legende;
    int longueur;
    char large; // the widest character the box takes
    RegleTouche regle;
    const char* bulle;
};

const std::array<Colonne, 5>& colonnes() {
    static const std::array<Colonne, 5> kColonnes = {{
        {"Nom", "Nom", 15, 'W', toucheNom, nullptr},
        {"Prénom", "Prénom", 15, 'W', touchePrénom, nullptr},
        {"Naissance", "Né(e) en", 2, '0', toucheChiffre, "Les 2 derniers chiffres de l'année"},
        {"SurCl", "Surcl.", 1, 'O', toucheSurCl,
         "N = non surclassé (par défaut) ou O = surclassé (pas de contrôle d'âge) ou H = hors "
         "concours"},
        {"NoLic", "N° licence", 10, '0', toucheChiffre, nullptr},
    }};
    return kColonnes;
}

// A short box shows all it may hold: digits are wider than the average character, and a
// licence number of ten lost its first digit in a box sized on the average.
int largeurPour(const QLineEdit& boite, const Colonne& colonne) {
    const QString plein(colonne.longueur, QChar(colonne.large));
    const int cadre = boite.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &boite);
    // The frame on both sides, the box's own margins and room for the cursor.
    return boite.fontMetrics().horizontalAdvance(plein) + 2 * cadre + 2 * 2 + 6;
}

int colonneDe(Boite boite) {
    return static_cast<int>(boite) - static_cast<int>(Boite::Nom);
}

} // namespace

void poserTexte(QLineEdit& boite, const std::string& texte) {
    const QString nouveau = QString::fromStdString(texte);
    if (boite.text() != nouveau) boite.setText(nouveau);
}

LignesNoms::LignesNoms(Dialogues& dialogues, QWidget* parent) : QWidget(parent) {
    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    const QFontMetrics mesure = fontMetrics();
    for (int c = 0; c < kColonnes; ++c) {
        const Colonne& colonne = colonnes()[static_cast<std::size_t>(c)];
        grille->addWidget(new QLabel(colonne.legende, this), 0, c);
        for (int i = 0; i < kLignes; ++i) {
            auto* boite = new QLineEdit(this);
            boite->setObjectName(QString("%1%2").arg(colonne.nom).arg(i));
            boite->setMaxLength(colonne.longueur);
            if (colonne.longueur < 15)
                boite->setFixedWidth(largeurPour(*boite, colonne)); // the names take the rest
            else
                boite->setMinimumWidth(mesure.averageCharWidth() * (colonne.longueur + 3));
            if (colonne.bulle) boite->setToolTip(colonne.bulle);
            filtrerTouches(*boite, colonne.regle, dialogues);
            boites_[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] = boite;
            grille->addWidget(boite, i + 1, c);
        }
    }
}

void LignesNoms::montrer(int n) {
    for (int i = 0; i < kLignes; ++i)
        for (QLineEdit* boite : boites_[static_cast<std::size_t>(i)])
            boite->setVisible(i < n);
}

QLineEdit* LignesNoms::boite(Boite boite, int ligne) const {
    return boites_.at(static_cast<std::size_t>(ligne))
        .at(static_cast<std::size_t>(colonneDe(boite)));
}

std::optional<Place> LignesNoms::placeDe(const QObject* objet) const {
    for (int i = 0; i < kLignes; ++i)
        for (int c = 0; c < kColonnes; ++c)
            if (boites_[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] == objet)
                return Place{static_cast<Boite>(c + static_cast<int>(Boite::Nom)), i};
    return std::nullopt;
}

std::vector<LigneGymnaste> LignesNoms::lire(int n) const {
    std::vector<LigneGymnaste> lignes;
    for (int i = 0; i < n; ++i) {
        const auto texte = [&](Boite b) { return boite(b, i)->text().toStdString(); };
        lignes.push_back({texte(Boite::Nom), texte(Boite::Prénom), texte(Boite::Naissance),
                          texte(Boite::SurCl), texte(Boite::NoLic)});
    }
    return lignes;
}

void LignesNoms::afficher(const std::vector<LigneGymnaste>& lignes) {
    for (int i = 0; i < kLignes; ++i) {
        const LigneGymnaste l = i < static_cast<int>(lignes.size())
                                    ? lignes[static_cast<std::size_t>(i)]
                                    : LigneGymnaste{};
        poserTexte(*boite(Boite::Nom, i), l.Nom);
        poserTexte(*boite(Boite::Prénom, i), l.Prénom);
        poserTexte(*boite(Boite::Naissance, i), l.Naissance);
        poserTexte(*boite(Boite::SurCl, i), l.SurCl);
        poserTexte(*boite(Boite::NoLic, i), l.NoLic);
    }
}

} // namespace palmora
