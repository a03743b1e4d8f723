#pragma once

#include "app/demandes.h"

#include <QObject>

#include <memory>

class QLabel;

namespace palmora {

class Akeuil;
class Dialogues;
class Horloge;
class LecteurA;
class OuvreurDocuments;
class ServeurDirect;

// The main window's dispatcher: every key, button and menu entry leads here, is checked
// against its condition, and starts the window or the logic that does the work.
class Commandes : public QObject {
    Q_OBJECT
public:
    Commandes(Akeuil& fenetre, Dialogues& dialogues, const Horloge& horloge,
              OuvreurDocuments& ouvreur, LecteurA& lecteur);
    ~Commandes() override;

    // Runs the command when its condition holds; otherwise nothing happens.
    void executer(const Demande& demande);

protected:
    // "?" typed in the main window, and F1 in any window.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void installerTouches();
    void lancer(const Demande& demande);
    void inscrire();
    void importerInscriptions();
    void quitter();
    void aide();
    // "Résultats en direct" (Ctrl+Alt+D): starts the results when they are not running, then
    // shows where to find them; quitting stops them with this object.
    void resultatsDirect();

    Akeuil& fenetre_;
    Dialogues& dialogues_;
    const Horloge& horloge_;
    OuvreurDocuments& ouvreur_;
    LecteurA& lecteur_;
    std::unique_ptr<ServeurDirect> direct_;
    QLabel* etatDirect_ = nullptr; // in the status bar while the results run
};

} // namespace palmora
