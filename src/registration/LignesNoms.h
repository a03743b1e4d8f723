#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace palmora {

class Dialogues;
enum class Boite;
struct LigneGymnaste;
struct Place;

// The six gymnast rows of `Noms` under their column captions. The boxes of row i are named
// "Nom<i>", "Prénom<i>", "Naissance<i>", "SurCl<i>" and "NoLic<i>", and filter their keys.
class LignesNoms : public QWidget {
public:
    static constexpr int kLignes = 6;

    LignesNoms(Dialogues& dialogues, QWidget* parent = nullptr);

    // Rows from `n` on are hidden.
    void montrer(int n);
    QLineEdit* boite(Boite boite, int ligne) const;
    // The place of a box of the rows; nothing for any other object.
    std::optional<Place> placeDe(const QObject* objet) const;

    std::vector<LigneGymnaste> lire(int n) const;
    void afficher(const std::vector<LigneGymnaste>& lignes);

private:
    static constexpr int kColonnes = 5; // Nom to NoLic, in the order of `Boite`
    std::array<std::array<QLineEdit*, kColonnes>, kLignes> boites_{};
};

// Puts a text in a box only when it differs, so that the cursor stays where it was.
void poserTexte(QLineEdit& boite, const std::string& texte);

} // namespace palmora
