#pragma once

#include "app/demandes.h"

#include <QObject>

namespace palmora {

class Akeuil;
class Dialogues;
class Horloge;
class LecteurA;
class OuvreurDocuments;

// The main window's dispatcher: every key, button and menu entry leads here, is checked
// against its condition, and starts the window or the logic that does the work.
class Commandes : public QObject {
    Q_OBJECT
public:
    Commandes(Akeuil& fenetre, Dialogues& dialogues, const Horloge& horloge,
              OuvreurDocuments& ouvreur, LecteurA& lecteur);

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

    Akeuil& fenetre_;
    Dialogues& dialogues_;
    const Horloge& horloge_;
    OuvreurDocuments& ouvreur_;
    LecteurA& lecteur_;
};

} // namespace palmora
