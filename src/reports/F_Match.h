#pragma once

#include <QDialog>
#include <QList>

class QLabel;

namespace palmora {

class SurfaceImpression;
struct ChoixFeuilles;
class Competition;
struct TitreCompet;

// "Impression de feuille(s) de match": which teams, which apparatus and which kind of sheet,
// with a small preview of what the chosen kind prints; "&Oui" asks for the one team or
// apparatus when needed, then prints.
class F_Match : public QDialog {
    Q_OBJECT
public:
    F_Match(Competition& compet, const TitreCompet& titre, ChoixFeuilles& choix,
            SurfaceImpression& surface, QWidget* parent = nullptr);

private:
    void oui();
    QWidget* apercu();
    void majApercu();

    Competition& compet_;
    const TitreCompet& titre_;
    ChoixFeuilles& choix_;
    SurfaceImpression& surface_;
    QList<QLabel*> grille_; // what only the grid shows
    QList<QLabel*> noms_;   // what only the complete sheet fills in
};

} // namespace palmora
