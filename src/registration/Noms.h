#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace palmora {

class Dialogues;
class LignesNoms;
struct BornesCategories;
struct EquipeSaisie;
class Competition;
struct Place;

// "Saisie des équipes": the teams of the open competition, one at a time, chosen with the
// scroll bar `DéfilementV1` (or Page Up / Page Down, Ctrl+Up / Ctrl+Down). Opened by the main
// window's "inscrire" command on a competition that is not protected. When it closes the
// file may have been sorted, or deleted with its last team (no competition is then open).
class Noms : public QDialog {
    Q_OBJECT
public:
    Noms(Competition& compet, const BornesCategories& BornesAges,
         std::filesystem::path dossierProgramme, Dialogues& dialogues, QWidget* parent = nullptr);

    // What `exec` returns when "Im&porter…" closed the window: the import command follows.
    static constexpr int kImporter = 2;

    // The team shown (from 1; one past the last team is a new one).
    int numeroEquipe() const;

signals:
    // A team was written: the main window shows the commands of a file that holds teams.
    void equipeEnregistree();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construire();
    void afficherEquipe();
    void majDefilement();
    void changerEquipe(int sens);
    void valider();
    void terminer();
    void effacer();

    EquipeSaisie lire() const;
    void afficher(const EquipeSaisie& equipe);
    QLineEdit* boite(Place place) const;
    std::optional<Place> placeDe(const QObject* objet) const;
    void entrer(Place place);
    void avancer(Place place);
    void placerFocus(int ligne);

    Competition& compet_;
    const BornesCategories& BornesAges_;
    std::filesystem::path dossierProgramme_;
    Dialogues& dialogues_;

    QLineEdit* NomEquip;
    QLineEdit* Ville;
    QLabel* numero_;
    QLabel* nombre_;
    LignesNoms* lignes_;
    QScrollBar* DéfilementV1;
    QLabel* précédente_;
    QLabel* aidePrécédente_;
    QLabel* suivante_;
    QLabel* aideSuivante_;
    QPushButton* Terminé;
    QPushButton* CestFini;
    QPushButton* Effacer;
    QPushButton* Annule;
    QPushButton* Importer;
};

} // namespace palmora
