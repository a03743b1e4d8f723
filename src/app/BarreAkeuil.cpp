#include "app/BarreAkeuil.h"

#include "app/DessinsAkeuil.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <span>

namespace palmora {

namespace {

struct EntreeMenu {
    const char* cle;
    const char* legende;
};

constexpr EntreeMenu kMenuOuvrir[] = {{"Restaurer", "Restaurer une sauvegarde\tCtrl+Alt+S"}};
constexpr EntreeMenu kMenuVoir[] = {{"Voir_Cl_Indiv", "Classement Individuel"},
                                    {"Voir_Cl_Equip", "Classement par Equipes"},
                                    {"Voir_Notes", "Notes"},
                                    {"Direct", "Résultats en direct"}};
constexpr EntreeMenu kMenuImprimer[] = {{"Imprim_Cl_Indiv", "Classement Individuel"},
                                        {"Imprim_Cl_Equip", "Classement par Equipes"},
                                        {"Imprim_Match", "Feuilles de match"}};

struct Bouton {
    const char* cle;
    const char* legende;
    const char* bulle;
    bool separateurAvant;
    bool deroulant;
    std::span<const EntreeMenu> menu;
};

// In toolbar order; the "Note" menu is filled when a competition is opened.
constexpr Bouton kBoutons[] = {
    {"Ouvrir", "&Ouvrir", "Ouvrir un fichier existant", false, true, kMenuOuvrir},
    {"Nouveau", "&Nouveau", "Créer un nouveau fichier", false, false, {}},
    {"protege", "&Protéger", "Protéger le fichier en cours", false, false, {}},
    {"partir", "&Quitter", "Quitter Palmora", false, false, {}},
    {"titre", "&Titre", "Modifier le titre de la compétition", false, false, {}},
    {"inscrire", "&Inscrire", "Nouvelle(s) équipe(s)", false, false, {}},
    {"Note", "Notes", "Saisie des notes... cliquer sur la flèche", false, true, {}},
    {"Voir", "&Voir", "Voir ... cliquer sur la flèche", true, true, kMenuVoir},
    {"Imprimer", "Imprimer", "Imprimer ... cliquer sur la flèche", true, true, kMenuImprimer},
    {"Aide", "", "Obtenir de l'aide", true, false, {}},
};

} // namespace

QToolBar* creerToolbar1(QWidget* parent) {
    auto* barre = new QToolBar(parent);
    barre->setObjectName(QStringLiteral("Toolbar1"));
    barre->setMovable(false);
    barre->setFloatable(false);
    barre->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    barre->setIconSize(QSize(24, 24));
    for (const Bouton& b : kBoutons) {
        const QString cle = QString::fromUtf8(b.cle);
        // Named after its button, which hides it with itself: no empty gaps in the bar.
        if (b.separateurAvant) barre->addSeparator()->setObjectName(cle + "-separateur");
        QAction* action = barre->addAction(iconeCommande(cle), QString::fromUtf8(b.legende));
        action->setObjectName(cle);
        action->setToolTip(QString::fromUtf8(b.bulle));
        QWidget* bouton = barre->widgetForAction(action);
        bouton->setObjectName(cle);
        if (!b.deroulant) continue;
        auto* menu = new QMenu(barre);
        for (const EntreeMenu& e : b.menu)
            menu->addAction(QString::fromUtf8(e.legende))->setObjectName(QString::fromUtf8(e.cle));
        action->setMenu(menu);
        static_cast<QToolButton*>(bouton)->setPopupMode(QToolButton::MenuButtonPopup);
    }
    return barre;
}

} // namespace palmora
