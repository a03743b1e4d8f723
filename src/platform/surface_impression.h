#pragma once

#include <filesystem>
#include <string>

namespace palmora {

struct Couleur {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Couleur&) const = default;
};

inline constexpr Couleur kNoir{0, 0, 0};
inline constexpr Couleur kRouge{255, 0, 0};
inline constexpr Couleur kBleu{0, 0, 255};

// Line width of every printout, in millimetres.
inline constexpr double kEpaisseurTrait = 0.3;

// A sheet of A4 paper, portrait, measured in millimetres from the top-left corner of the
// printable area. Texts are UTF-8 in Arial; a text's position is the top-left corner of its
// first character. The layout code only draws here, so that tests can check every position.
class SurfaceImpression {
public:
    virtual ~SurfaceImpression() = default;

    // Starts a document. `pdf` is where it goes when the system has no printer.
    virtual void commencer(const std::filesystem::path& pdf) = 0;

    virtual void taille(double points) = 0;
    virtual void gras(bool actif) = 0;
    virtual void souligne(bool actif) = 0;
    virtual void couleur(Couleur c) = 0;
    virtual void epaisseur(double mm) = 0;

    virtual void texte(double x, double y, const std::string& texte) = 0;
    // Printed width and line height of a text in the current font.
    virtual double largeur(const std::string& texte) = 0;
    virtual double hauteur(const std::string& texte) = 0;

    virtual void ligne(double x1, double y1, double x2, double y2) = 0;
    virtual void rectangle(double x1, double y1, double x2, double y2) = 0;

    // The next drawing goes on a new sheet; a document never ends with a blank one.
    virtual void nouvellePage() = 0;
    // Sends the document to the printer (or writes and shows the PDF).
    virtual void terminer() = 0;
};

} // namespace palmora
