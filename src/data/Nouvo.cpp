#include "data/Nouvo.h"
#include "platform/ApplicationPalmora.h"

#include "data/competition.h"
#include "platform/Controles.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace palmora {

using namespace nouveau;

namespace {

constexpr const char* kLibellesSexe[] = {"&Féminines", "&Masculins"};
constexpr const char* kLibellesNiveau[] = {
    "Niveau&1",    "Niveau&2",  "Mini-&Enchaînement", "Circuit &préparatoire",
    "Niveau&3",    "&Honneur",  "P&romotion",         "Esp&oir",
    "E&xcellence", "Crit&érium"};
constexpr const char* kLibellesCatégorie[] = {" 9-10 ans", " 9-12 ans",          " 9-14 ans",
                                              "11-14 ans", "&Toutes catégories", " 7- 8 ans"};
constexpr const char* kLibellesAppartenance[] = {"S&imple", "&Double"};

// The selected option shows in red, the others in black.
void colorer(QRadioButton* b, bool rouge) {
    QPalette palette = b->palette();
    const QColor couleur = rouge ? Qt::red : Qt::black;
    palette.setColor(QPalette::WindowText, couleur);
    palette.setColor(QPalette::ButtonText, couleur);
    b->setPalette(palette);
}

template <std::size_t N>
void montrer(const std::array<QRadioButton*, N>& boutons, int choisi,
             const std::array<bool, N>& visibles, bool enCouleur) {
    for (std::size_t i = 0; i < N; ++i) {
        boutons[i]->setVisible(visibles[i]);
        if (enCouleur) colorer(boutons[i], static_cast<int>(i) == choisi);
    }
    boutons[static_cast<std::size_t>(choisi)]->setChecked(true);
}

} // namespace

Nouvo::Nouvo(Competition& etat, Dialogues& dialogues, DemandeJuges demanderJuges, QWidget* parent)
    : QDialog(parent), etat_(etat), dialogues_(dialogues),
      demanderJuges_(std::move(demanderJuges)) {
    setObjectName("Nouvo");
    setWindowTitle("Nouveau fichier");
    etat_.Fermer();

    auto* cadres = new QHBoxLayout;
    cadres->addWidget(
        cadre("&Sexe", "CadreSexe", kLibellesSexe, 2, Sexe_.data(), &ChoixNouveau::choisirSexe));
    cadres->addWidget(cadre("&Niveau", "CadreNiveau", kLibellesNiveau, kNiveaux, Niveau_.data(),
                            &ChoixNouveau::choisirNiveau));
    cadres->addWidget(cadre("&Catégorie", "CadreCatégorie", kLibellesCatégorie, kCategories,
                            Catégorie_.data(), &ChoixNouveau::choisirCatégorie));
    CadreAppartenance_ = cadre("&Appartenance", "CadreAppartenance", kLibellesAppartenance, 2,
                               Appartenance_.data(), &ChoixNouveau::choisirAppartenance);
    cadres->addWidget(CadreAppartenance_);

    Effectif_ = etiquette("", "Effectif", this);
    LegendeEffectif_ = etiquette("", "LegendeEffectif", this);
    Retenues_ = etiquette("", "Retenues", this);
    NomFichier_ = etiquette("", "NomFichier", this);
    auto* equipe = new QGridLayout;
    const auto reglage = [&](int ligne, QLabel* nombre, QWidget* legende, const char* plus,
                             const char* moins, void (ChoixNouveau::*changer)(int)) {
        QPushButton* boutonPlus = bouton(plus, ligne == 0 ? "Plus" : "CtrlPlus", this);
        QPushButton* boutonMoins = bouton(moins, ligne == 0 ? "Moins" : "CtrlMoins", this);
        relier(boutonPlus, changer, +1);
        relier(boutonMoins, changer, -1);
        equipe->addWidget(nombre, ligne, 0);
        equipe->addWidget(legende, ligne, 1);
        equipe->addWidget(boutonPlus, ligne, 2);
        equipe->addWidget(boutonMoins, ligne, 3);
    };
    reglage(0, Effectif_, LegendeEffectif_, "+", "-", &ChoixNouveau::changerEffectif);
    reglage(1, Retenues_, new QLabel("Notes retenues pour le classement par équipes", this),
            "Ctrl +", "Ctrl -", &ChoixNouveau::changerRetenues);

    QPushButton* OK = bouton("O&K", "OK", this);
    QPushButton* Annuler = bouton("Annu&ler", "Annuler", this);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &Nouvo::ok);
    connect(Annuler, &QPushButton::clicked, this, &Nouvo::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(OK);
    boutons->addWidget(Annuler);

    auto* page = new QVBoxLayout(this);
    page->addLayout(cadres);
    page->addLayout(equipe);
    page->addWidget(NomFichier_);
    page->addWidget(
        new QLabel("Sélectionner dans l'ordre : Sexe, Niveau, Catégorie, appartenance", this));
    page->addWidget(new QLabel(
        "Vous pouvez utiliser TAB pour changer de cadre et les flèches pour sélectionner", this));
    page->addLayout(boutons);
    afficher();
}

QGroupBox* Nouvo::cadre(const QString& titre, const QString& nom, const char* const* options,
                        int nombre, QRadioButton** boutons, void (ChoixNouveau::*choisir)(int)) {
    auto* groupe = new QGroupBox(titre, this);
    groupe->setObjectName(nom);
    auto* colonne = new QVBoxLayout(groupe);
    const QString prefixe = nom.mid(QStringLiteral("Cadre").size());
    for (int i = 0; i < nombre; ++i) {
        boutons[i] = new QRadioButton(QString::fromUtf8(options[i]), groupe);
        boutons[i]->setObjectName(prefixe + QString::number(i));
        colonne->addWidget(boutons[i]);
        relier(boutons[i], choisir, i);
    }
    return groupe;
}

void Nouvo::relier(QAbstractButton* bouton, void (ChoixNouveau::*action)(int), int valeur) {
    connect(bouton, &QAbstractButton::clicked, this, [this, action, valeur] {
        (choix_.*action)(valeur);
        afficher();
    });
}

void Nouvo::afficher() {
    montrer(Sexe_, choix_.sexe, {true, true}, true);
    montrer(Niveau_, choix_.niveau, choix_.niveauVisible, true);
    montrer(Catégorie_, choix_.catégorie, choix_.catégorieVisible, true);
    montrer(Appartenance_, choix_.appartenance, {true, true}, false);
    CadreAppartenance_->setVisible(choix_.cadreAppartenance());
    Effectif_->setText(QString::number(choix_.effectif));
    const std::string_view legende = choix_.legendeEffectif();
    LegendeEffectif_->setText(
        QString::fromUtf8(legende.data(), static_cast<qsizetype>(legende.size())));
    Retenues_->setText(QString::number(choix_.retenues));
    NomFichier_->setText(QString::fromStdString(choix_.etiquette()));
}

void Nouvo::keyPressEvent(QKeyEvent* evenement) {
    const int sens = evenement->key() == Qt::Key_Plus    ? +1
                     : evenement->key() == Qt::Key_Minus ? -1
                                                         : 0;
    const Qt::KeyboardModifiers modificateurs = evenement->modifiers();
    if (sens == 0 || !(modificateurs & Qt::KeypadModifier))
        return QDialog::keyPressEvent(evenement);
    if ((modificateurs & ~Qt::KeypadModifier) == Qt::ControlModifier)
        choix_.changerRetenues(sens);
    else
        choix_.changerEffectif(sens);
    afficher();
}

void Nouvo::ok() {
    hide();
    cree_ = CreerCompetition(etat_, choix_, demanderJuges_, dialogues_);
    done(cree_ ? Accepted : Rejected);
}

bool lancerNouvo(Competition& etat, Dialogues& dialogues, DemandeJuges demanderJuges,
                 QWidget* parent) {
    Nouvo dialogue(etat, dialogues, std::move(demanderJuges), parent);
    executerModal(dialogue);
    return dialogue.cree();
}

} // namespace palmora
