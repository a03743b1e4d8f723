#include "app/Akeuil.h"
#include "platform/ApplicationPalmora.h"

#include "app/A_Prop.h"
#include "app/BarreAkeuil.h"
#include "app/DessinsAkeuil.h"
#include "app/Dossier.h"
#include "app/Titre.h"
#include "app/a_propos.h"
#include "app/boutons.h"
#include "app/demarrage.h"
#include "app/liste_compet.h"
#include "data/Ages.h"
#include "data/nom_compet.h"
#include "platform/dialogues.h"
#include "platform/horloge.h"
#include "platform/version.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <utility>

namespace palmora {

namespace fs = std::filesystem;

namespace {

QString depuisUtf8(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

} // namespace

Akeuil::Akeuil(Dialogues& dialogues, const Horloge& horloge, fs::path dossierProgramme,
               QWidget* parent)
    : QMainWindow(parent), dialogues_(dialogues), horloge_(horloge) {
    setObjectName(QStringLiteral("Akeuil"));
    etat_.dossierProgramme = std::move(dossierProgramme);
    etat_.compet.installerSauvegardes(sauvegardes_);
    E1_ = QString::fromStdString(texteE1());
    // 9900 x 7200 twips at 15 twips a pixel, at the top-left corner of the screen.
    resize(660, 480);
    move(0, 0);

    Toolbar1 = creerToolbar1(this);
    addToolBar(Toolbar1);
    for (QAction* a : Toolbar1->actions()) {
        if (a->isSeparator()) continue;
        relier(a);
        if (a->menu()) {
            for (QAction* entree : a->menu()->actions())
                relier(entree);
        }
    }
    construireCentre();
    construireBarreEtat();

    auto* altO = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), this);
    connect(altO, &QShortcut::activated, this, &Akeuil::ouvrirListe);
    // Linux keeps Ctrl+Alt+F-keys for its consoles: Ctrl+Shift+F12 answers too.
    auto* dossier = new QShortcut(this);
    dossier->setKeys({QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F12),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12)});
    connect(dossier, &QShortcut::activated, this, &Akeuil::changerDossier);

    majBoutons();
}

void Akeuil::construireCentre() {
    auto* centre = new QWidget(this);
    auto* colonne = new QVBoxLayout(centre);

    TitreCompét = new QLabel(centre);
    TitreCompét->setObjectName(QStringLiteral("TitreCompét"));
    TitreCompét->setTextFormat(Qt::PlainText);
    TitreCompét->setAlignment(Qt::AlignCenter);
    TitreCompét->setWordWrap(true);
    afficherTitre(*TitreCompét, etat_.titre);
    colonne->addWidget(TitreCompét);

    Picture1 = new QLabel(centre);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(emblème(180));

    ListFich = new QListWidget(centre);
    ListFich->setObjectName(QStringLiteral("ListFich"));
    ListFich->setMinimumWidth(390);
    connect(ListFich, &QListWidget::activated, this, [this](const QModelIndex& ligne) {
        ouvrirCompetition(fichiers_.at(static_cast<std::size_t>(ligne.row())));
    });
    Annule = new QPushButton(QStringLiteral("A&nnuler"), centre);
    Annule->setObjectName(QStringLiteral("Annule"));
    connect(Annule, &QPushButton::clicked, this, &Akeuil::cacherListe);
    cacherListe();

    auto* liste = new QVBoxLayout;
    liste->addWidget(ListFich);
    liste->addWidget(Annule, 0, Qt::AlignRight);
    auto* milieu = new QHBoxLayout;
    milieu->addStretch();
    milieu->addWidget(Picture1, 0, Qt::AlignTop);
    milieu->addLayout(liste);
    milieu->addStretch();
    colonne->addLayout(milieu, 1);
    setCentralWidget(centre);
}

void Akeuil::construireBarreEtat() {
    QStatusBar* barre = statusBar();
    barre->setObjectName(QStringLiteral("StatusBar1"));
    barre->setSizeGripEnabled(false);
    const auto panneau = [&](const char* cle, const char* bulle, int etirement) {
        auto* label = new QLabel(barre);
        label->setObjectName(QString::fromUtf8(cle));
        label->setToolTip(QString::fromUtf8(bulle));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        barre->addPermanentWidget(label, etirement);
        return label;
    };
    panneauUtilisé = panneau("utilisé", "Fichier utilisé actuellement", 1);
    panneauUtilisé->setText(QStringLiteral("Aucun fichier en mémoire"));
    panneauAujourdhui = panneau("aujourd'hui", "On est le", 0);
    panneauHorloge = panneau("horloge", "Il est", 0);
    rafraichirHorloge();
    auto* minuterie = new QTimer(this);
    connect(minuterie, &QTimer::timeout, this, &Akeuil::rafraichirHorloge);
    minuterie->start(1000);
}

void Akeuil::relier(QAction* action) {
    connect(action, &QAction::triggered, this, [this, action] {
        cacherListe();
        const QString cle = action->objectName();
        if (cle == QLatin1String("Ouvrir"))
            ouvrirListe();
        else if (!action->menu())
            emit commandeChoisie(cle);
    });
}

bool Akeuil::demarrer() {
    setWindowTitle(QString::fromStdString(legendeVersion()));
    ListFich->setToolTip(QStringLiteral("Double Clic sur le fichier à ouvrir ou Flèches + Entrée"));
    TitreCompét->setToolTip(QStringLiteral("Titre de la compétition"));
    panneauUtilisé->setToolTip(QStringLiteral("Fichier utilisé actuellement"));
    fichierAide_ = etat_.dossierProgramme / "PALMORA.html";
    const DateHeure maintenant = horloge_.maintenant();
    chargerTableAges(etat_.compet, etat_.dossierProgramme, maintenant, etat_.BornesAges, dialogues_,
                     this);
    etat_.dates = textesDate(maintenant);

    const DossierDuJour jour =
        preparerDossierDuJour(etat_.dossierProgramme, maintenant, dialogues_);
    switch (jour.issue) {
    case IssueDossier::Pret:
        installerDossier(jour.dossier);
        return true;
    // The dialog's "Oui" settles the folder, the list and the title itself.
    case IssueDossier::ChoisirDossier:
        return choisirDossier(etat_.dossierProgramme);
    case IssueDossier::Quitter:
        break;
    }
    return false;
}

QAction* Akeuil::action(const QString& cle) const {
    return findChild<QAction*>(cle);
}

void Akeuil::RafraichirListe() {
    fichiers_ = listerCompetitions(etat_.compet.DossierTravail());
    ListFich->clear();
    for (const std::string& nom : fichiers_)
        ListFich->addItem(depuisUtf8(DecrireCompet(nom)));
    majBoutons();
}

void Akeuil::ouvrirListe() {
    RafraichirListe();
    ListFich->show();
    Annule->show();
    if (ListFich->count() > 0) ListFich->setCurrentRow(0);
    ListFich->setFocus();
}

void Akeuil::cacherListe() {
    ListFich->hide();
    Annule->hide();
}

void Akeuil::ouvrirCompetition(const std::string& nom) {
    cacherListe();
    Competition& compet = etat_.compet;
    compet.Ouvrir(nom, dialogues_);
    afficherCompetition();
}

void Akeuil::afficherCompetition() {
    const Competition& compet = etat_.compet;
    majBoutons();
    remplirMenuNote();
    panneauUtilisé->setText(compet.ouvert() ? depuisUtf8(compet.DescriptionCompet())
                                            : QStringLiteral(" Aucun fichier en mémoire "));
}

void Akeuil::aPropos() {
    executerModal(A_Prop(E1_, this));
}

void Akeuil::closeEvent(QCloseEvent* evenement) {
    aPropos();
    evenement->accept();
}

void Akeuil::remplirMenuNote() {
    QMenu* menu = action(QStringLiteral("Note"))->menu();
    menu->clear();
    if (!etat_.compet.ouvert()) return;
    for (const Agres& agres : agresDe(etat_.compet.CodeAgres())) {
        const QString libelle = depuisUtf8(agres.libelle);
        QAction* entree = menu->addAction(libelle);
        entree->setObjectName(libelle);
        relier(entree);
    }
}

void Akeuil::majBoutons() {
    const VisibiliteBoutons v = visibiliteBoutons(etat_.compet, !fichiers_.empty());
    const std::pair<const char*, bool> boutons[] = {
        {"Ouvrir", v.Ouvrir}, {"inscrire", v.inscrire}, {"Note", v.Note},
        {"Voir", v.Voir},     {"Imprimer", v.Imprimer}, {"protege", v.protege}};
    for (const auto& [cle, visible] : boutons) {
        action(QString::fromUtf8(cle))->setVisible(visible);
        if (QAction* separateur = action(QString::fromUtf8(cle) + "-separateur"))
            separateur->setVisible(visible);
    }
    action(QStringLiteral("Restaurer"))
        ->setEnabled(etat_.compet.ouvert() && !etat_.compet.Protege());
    // Every button stays in sight whatever the width of the machine's fonts: the window grows
    // to the bar rather than hiding buttons behind its overflow arrow.
    const int largeurBarre = Toolbar1->sizeHint().width();
    if (largeurBarre > width()) resize(largeurBarre, height());
}

void Akeuil::changerDossier() {
    cacherListe();
    if (!choisirDossier(etat_.compet.DossierTravail())) dialogues_.arreterProgramme({});
}

bool Akeuil::choisirDossier(const fs::path& depart) {
    Dossier dialogue(dialogues_, etat_.dossierProgramme, depart, this);
    if (executerModal(dialogue) != QDialog::Accepted) return false;
    etat_.compet.Fermer();
    afficherCompetition();
    installerDossier(dialogue.chemin());
    return true;
}

void Akeuil::installerDossier(const fs::path& dossier) {
    etat_.compet.changerDossier(dossier);
    RafraichirListe();
    lireOuDemanderTitre(etat_, dialogues_, *TitreCompét, this);
}

void Akeuil::rafraichirHorloge() {
    const DateHeure maintenant = horloge_.maintenant();
    panneauAujourdhui->setText(QString::fromStdString(dateCourte(maintenant)));
    panneauHorloge->setText(QString::fromStdString(heureCourte(maintenant)));
}

} // namespace palmora
