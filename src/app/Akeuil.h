#pragma once

#include "app/etat_appli.h"
#include "data/sauvegardes.h"

#include <QMainWindow>

#include <filesystem>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QToolBar;

namespace palmora {

class Dialogues;
class Horloge;

// The main window: toolbar, competition title, competition list and status bar. It owns the
// program's state from start-up to the end.
class Akeuil : public QMainWindow {
    Q_OBJECT

public:
    Akeuil(Dialogues& dialogues, const Horloge& horloge, std::filesystem::path dossierProgramme,
           QWidget* parent = nullptr);

    // The start-up sequence, run before the window is shown; false when the program must end
    // at once (the organiser refused every working folder).
    bool demarrer();

    EtatAppli& etat() { return etat_; }
    // The copies of the competitions, kept while the program runs.
    const Sauvegardes& sauvegardes() const { return sauvegardes_; }
    const std::filesystem::path& fichierAide() const { return fichierAide_; }
    // The command of that key: a toolbar button or an entry of its drop-down menus.
    QAction* action(const QString& cle) const;

    // Reads the competition files of the working folder again and refills the list.
    void RafraichirListe();
    // Opens a competition file of the working folder and sets the window to match.
    void ouvrirCompetition(const std::string& nom);
    // Shows and hides the toolbar buttons to match the state; call after every change.
    void majBoutons();
    // "Ouvrir": the competition list, refreshed, shown and focused.
    void ouvrirListe();
    void cacherListe();
    // The working-folder dialog from the main window; cancelling it ends the program.
    void changerDossier();
    // Buttons, "Note" menu and status bar once a command has opened, changed or closed the
    // competition.
    void afficherCompetition();
    QLabel& titreCompet() { return *TitreCompét; }
    // The competition files of the working folder, in list order.
    const std::vector<std::string>& fichiers() const { return fichiers_; }
    // The About window, modal.
    void aPropos();

signals:
    // A command chosen on the toolbar or in its menus, by key, once the list is hidden. The
    // list's own commands ("Ouvrir") and the drop-down buttons themselves are not reported.
    void commandeChoisie(const QString& cle);

protected:
    // Closing the main window, from "partir" or its title bar, shows the About window last.
    void closeEvent(QCloseEvent* evenement) override;

private:
    void construireCentre();
    void construireBarreEtat();
    void relier(QAction* action);
    void remplirMenuNote();
    bool choisirDossier(const std::filesystem::path& depart);
    void installerDossier(const std::filesystem::path& dossier);
    void rafraichirHorloge();

    Dialogues& dialogues_;
    const Horloge& horloge_;
    EtatAppli etat_;
    Sauvegardes sauvegardes_{horloge_};
    std::filesystem::path fichierAide_;
    std::vector<std::string> fichiers_; // line i of ListFich stands for fichiers_[i]
    QString E1_;                        // the About window's message, built at start-up

    QToolBar* Toolbar1;
    QLabel* TitreCompét;
    QLabel* Picture1;
    QListWidget* ListFich;
    QPushButton* Annule;
    QLabel* panneauUtilisé;
    QLabel* panneauAujourdhui;
    QLabel* panneauHorloge;
};

} // namespace palmora
