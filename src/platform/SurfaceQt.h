#pragma once

#include "platform/surface_impression.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace palmora {

class Dialogues;
class OuvreurDocuments;

// Prints on the system's default printer; without one, writes the PDF into the working folder,
// says where it is and opens it. Device units are kept (a painter scaled to millimetres
// narrows the text): millimetres are converted by hand.
class SurfaceQt final : public SurfaceImpression {
public:
    SurfaceQt(Dialogues& dialogues, OuvreurDocuments& ouvreur);
    ~SurfaceQt() override;

    void commencer(const std::filesystem::path& pdf) override;
    void taille(double points) override;
    void gras(bool actif) override;
    void souligne(bool actif) override;
    void couleur(Couleur c) override;
    void epaisseur(double mm) override;
    void texte(double x, double y, const std::string& texte) override;
    double largeur(const std::string& texte) override;
    double hauteur(const std::string& texte) override;
    void ligne(double x1, double y1, double x2, double y2) override;
    void rectangle(double x1, double y1, double x2, double y2) override;
    void nouvellePage() override;
    void terminer() override;

private:
    // Begins the painter, or the next sheet, on the first drawing that needs it.
    // A PDF that cannot be written is named in a message, once; the drawing goes nowhere.
    bool pret();
    double versPoints(double mm) const { return mm * k_; }
    void majPinceau();

    Dialogues& dialogues_;
    OuvreurDocuments& ouvreur_;
    std::unique_ptr<QPrinter> imprimante_;
    QPainter peintre_;
    std::filesystem::path pdf_;
    QFont police_;
    QColor couleur_ = Qt::black;
    double epaisseur_ = kEpaisseurTrait;
    double k_ = 1; // device units per millimetre
    bool enPdf_ = false;
    bool pageAttendue_ = false;
    bool echec_ = false;
};

} // namespace palmora
