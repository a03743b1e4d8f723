#pragma once

#include "platform/surface_impression.h"

#include <cstddef>
#include <string>
#include <vector>

namespace palmora::test {

// One drawing, with the font and colour it was made in.
struct Trace {
    enum class Genre { Texte, Ligne, Rectangle };
    Genre genre;
    double x = 0, y = 0, x2 = 0, y2 = 0;
    std::string texte;
    double taille = 0;
    bool gras = false;
    bool souligne = false;
    Couleur couleur;
};

// Records what is drawn, page by page, with a fixed metric so that tests can compute every
// position: a character is 0.2 mm wide per point, a line 0.4 mm high per point.
class SurfaceEnregistree final : public SurfaceImpression {
public:
    static constexpr double kLargeurParPoint = 0.2;
    static constexpr double kHauteurParPoint = 0.4;

    std::vector<std::vector<Trace>> pages; // pages drawn on, in order
    int documentsTermines = 0;
    double epaisseurTrait = 0;

    void commencer(const std::filesystem::path&) override { pageAttendue_ = true; }
    void taille(double points) override { taille_ = points; }
    void gras(bool actif) override { gras_ = actif; }
    void souligne(bool actif) override { souligne_ = actif; }
    void couleur(Couleur c) override { couleur_ = c; }
    void epaisseur(double mm) override { epaisseurTrait = mm; }
    void texte(double x, double y, const std::string& t) override {
        ajouter(Trace::Genre::Texte, x, y, 0, 0, t);
    }
    double largeur(const std::string& t) override {
        return static_cast<double>(caracteres(t)) * taille_ * kLargeurParPoint;
    }
    double hauteur(const std::string&) override { return taille_ * kHauteurParPoint; }
    void ligne(double x1, double y1, double x2, double y2) override {
        ajouter(Trace::Genre::Ligne, x1, y1, x2, y2);
    }
    void rectangle(double x1, double y1, double x2, double y2) override {
        ajouter(Trace::Genre::Rectangle, x1, y1, x2, y2);
    }
    void nouvellePage() override { pageAttendue_ = true; }
    void terminer() override { ++documentsTermines; }

    // The texts of a page, in drawing order.
    std::vector<Trace> textes(std::size_t page) const {
        std::vector<Trace> t;
        for (const Trace& d : pages.at(page))
            if (d.genre == Trace::Genre::Texte) t.push_back(d);
        return t;
    }
    // Every drawing of a kind on a page.
    std::vector<Trace> traces(std::size_t page, Trace::Genre genre) const {
        std::vector<Trace> t;
        for (const Trace& d : pages.at(page))
            if (d.genre == genre) t.push_back(d);
        return t;
    }

    static std::size_t caracteres(const std::string& utf8) {
        std::size_t n = 0;
        for (unsigned char c : utf8)
            n += (c & 0xC0) != 0x80 ? 1 : 0;
        return n;
    }

private:
    void ajouter(Trace::Genre genre, double x, double y, double x2, double y2,
                 const std::string& texte = "") {
        if (pageAttendue_) pages.emplace_back();
        pageAttendue_ = false;
        pages.back().push_back({genre, x, y, x2, y2, texte, taille_, gras_, souligne_, couleur_});
    }

    double taille_ = 12;
    bool gras_ = false;
    bool souligne_ = false;
    Couleur couleur_;
    bool pageAttendue_ = true;
};

} // namespace palmora::test
