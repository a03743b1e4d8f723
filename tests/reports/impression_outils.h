#pragma once

#include "support/surface_enregistree.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace palmora::test {

// The recording surface's metric: widths and heights of the tests' expectations.
inline double largeur(const std::string& texte, double taille) {
    return static_cast<double>(SurfaceEnregistree::caracteres(texte)) * taille *
           SurfaceEnregistree::kLargeurParPoint;
}
inline double hauteur(double taille) {
    return taille * SurfaceEnregistree::kHauteurParPoint;
}

// The first text of a page equal to `texte`, if any.
inline std::optional<Trace> chercher(const SurfaceEnregistree& s, std::size_t page,
                                     const std::string& texte) {
    for (const Trace& t : s.textes(page))
        if (t.texte == texte) return t;
    return std::nullopt;
}

// The texts of a page printed on the line at y.
inline std::vector<Trace> surLaLigne(const SurfaceEnregistree& s, std::size_t page, double y) {
    std::vector<Trace> ligne;
    for (const Trace& t : s.textes(page))
        if (std::abs(t.y - y) < 1e-6) ligne.push_back(t);
    return ligne;
}

inline void attendreTexte(const SurfaceEnregistree& s, std::size_t page, const std::string& texte,
                          double x, double y, double taille) {
    const std::optional<Trace> t = chercher(s, page, texte);
    ASSERT_TRUE(t) << texte;
    EXPECT_NEAR(t->x, x, 1e-6) << texte;
    EXPECT_NEAR(t->y, y, 1e-6) << texte;
    EXPECT_EQ(t->taille, taille) << texte;
}

} // namespace palmora::test
