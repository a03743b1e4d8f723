#include "reports/F_Match.h"
#include "platform/ApplicationPalmora.h"

#include "data/competition.h"
#include "data/titre_fichier.h"
#include "platform/Controles.h"
#include "reports/GroupeOptions.h"
#include "reports/Quelepreuv.h"
#include "reports/QuelleEquipe.h"
#include "reports/feuilles_match.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace palmora {

namespace {

QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr const char* kGymnastes[] = {"GYMNASTE Un",     "GYMNASTE Deux", "GYMNASTE Trois",
                                      "GYMNASTE Quatre", "GYMNASTE Cinq", "GYMNASTE Six"};

} // namespace

F_Match::F_Match(Competition& compet, const TitreCompet& titre, ChoixFeuilles& choix,
                 SurfaceImpression& surface, QWidget* parent)
    : QDialog(parent), compet_(compet), titre_(titre), choix_(choix), surface_(surface) {
    setObjectName("F_Match");
    setWindowTitle("Impression de feuille(s) de match");
    choix_ = ChoixFeuilles{};

    auto* epreuves = new GroupeOptions(
        "O_épreuve", {"&1 épreuve", "toutes &les épreuves"},
        [this](int i) { choix_.EpreuveChoisie = i == 1 ? -1 : 0; }, this);
    auto* equipes = new GroupeOptions(
        "O_équipe", {"&Une équipe", "&Toutes les équipes"},
        [this](int i) { choix_.EquipeChoisie = i == 1 ? -1 : 0; }, this);
    auto* grille = new GroupeOptions(
        "O_Grille", {"&Feuille complète", "&Grille seulement", "&Sans la grille"},
        [this](int i) {
            choix_.AvecGrille = i != 2;
            choix_.GrilleSeule = i == 1;
            majApercu();
        },
        this);

    QPushButton* Oui = bouton("&Oui", "Oui", this);
    QPushButton* Annuler = bouton("A&nnuler", "Annuler", this);
    connect(Oui, &QPushButton::clicked, this, &F_Match::oui);
    connect(Annuler, &QPushButton::clicked, this, &F_Match::reject);

    auto* options = new QVBoxLayout;
    options->addWidget(epreuves);
    options->addWidget(equipes);
    options->addWidget(grille);
    auto* milieu = new QHBoxLayout;
    milieu->addLayout(options);
    milieu->addWidget(apercu());
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Oui);
    boutons->addWidget(Annuler);

    auto* disposition = new QVBoxLayout(this);
    QLabel* legende = etiquette(qt(titre.ligne1 + " - " + titre.ligne2), "Titre", this);
    legende->setStyleSheet("color: red; font-weight: bold");
    QLabel* description = etiquette(qt(compet.DescriptionCompet()), "Description", this);
    description->setStyleSheet("color: blue; font-weight: bold");
    disposition->addWidget(legende, 0, Qt::AlignHCenter);
    disposition->addWidget(description, 0, Qt::AlignHCenter);
    disposition->addLayout(milieu);
    disposition->addLayout(boutons);

    epreuves->choisir(1);
    equipes->choisir(1);
    grille->choisir(0);
}

QWidget* F_Match::apercu() {
    auto* cadre = new QFrame(this);
    cadre->setObjectName("Apercu");
    cadre->setFrameShape(QFrame::Box);
    cadre->setStyleSheet("QFrame#Apercu { background: white } QLabel { font-size: 7pt }");
    auto* g = new QGridLayout(cadre);
    auto place = [&](QList<QLabel*>& liste, const QString& texte, int ligne, int colonne) {
        QLabel* l = etiquette(texte, "", cadre);
        g->addWidget(l, ligne, colonne);
        liste.append(l);
    };
    place(noms_, "Equipe  .................", 0, 0);
    place(noms_, "Epreuve :  ............. ", 1, 0);
    const char* colonnes[] = {"n° de licence", "Juge Arb.", "Juge 1", "Juge 2",     "Juge 3",
                              "Juge 4",        "Juge 5",    "Déduc",  "Note finale"};
    for (int c = 0; c < 9; ++c)
        place(grille_, colonnes[c], 2, c + 1);
    const int n = std::clamp(compet_.EffectEquip(), 0, 6);
    for (int k = 0; k < n; ++k)
        place(noms_, kGymnastes[k], 3 + k, 0);
    place(grille_, "Total équipe :", 3 + n, 8);
    return cadre;
}

void F_Match::majApercu() {
    for (QLabel* l : grille_)
        l->setVisible(choix_.AvecGrille);
    for (QLabel* l : noms_)
        l->setVisible(!choix_.GrilleSeule);
}

void F_Match::oui() {
    if (choix_.EquipeChoisie == 0) {
        executerModal(QuelleEquipe(compet_, choix_, this));
        if (choix_.EquipeChoisie == 0) return reject();
    }
    if (choix_.EpreuveChoisie == 0) {
        executerModal(Quelepreuv(compet_.CodeAgres(), choix_, this));
        if (choix_.EpreuveChoisie == 0) return reject();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hide();
    ImprimerFeuilles(compet_, titre_, choix_, surface_);
    QApplication::restoreOverrideCursor();
    accept();
}

} // namespace palmora
