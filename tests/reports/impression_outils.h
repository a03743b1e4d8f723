#pragma once

#include "support/surface_enregistree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace palmora::test {

// Checks a recording against a section ("== nom") of a drawing list in tests/data/sorties: one
// check a line, pages from 1, positions in millimetres, "*" for a value left unchecked.
//   pages N | termines N | trait E
//   texte P "T" [x y taille] [gras|maigre] [souligne|plat] [noir|rouge|bleu]
//   absent P "T" | sans P "partie" (no text holds it) | nombre P ligne|cadre|"T" N
//   en P x y "T" (the first text there, "" none) | place P y "T" (the text left of 11 mm)
//   rangee P y "T"... (the texts of the line, in order) | vide P y [x1 x2] (no text between)
//   ligne|cadre P i x y x2 y2 [couleur] (the i-th of its kind from 1, -1 the last)
inline void verifierDessins(const SurfaceEnregistree& s, const std::string& fichier,
                            const std::string& section) {
    std::ifstream f(std::string(PALMORA_FIXTURES) + "/" + fichier);
    ASSERT_TRUE(f) << fichier;
    const auto proche = [](double a, const std::string& b) {
        return b == "*" || std::abs(a - std::stod(b)) < 1e-6;
    };
    const auto couleur = [](Couleur c) {
        return c == kNoir ? "noir" : c == kRouge ? "rouge" : c == kBleu ? "bleu" : "autre";
    };
    const auto nombre = [](const std::string& w) { return w == "*" || std::isdigit(w[0]); };
    bool dedans = false;
    for (std::string l; std::getline(f, l);) {
        if (l.starts_with("== ")) dedans = l.substr(3) == section;
        if (!dedans || l.empty() || l[0] == '#' || l[0] == '=') continue;
        SCOPED_TRACE(fichier + " " + section + ": " + l);
        std::istringstream mots(l);
        std::vector<std::string> m;
        for (std::string w; mots >> std::quoted(w);)
            m.push_back(w);
        const std::string& quoi = m[0];
        std::vector<std::string> vus;
        EXPECT_TRUE(quoi != "pages" || s.pages.size() == std::stoul(m[1])) << s.pages.size();
        EXPECT_TRUE(quoi != "termines" || s.documentsTermines == std::stoi(m[1]));
        EXPECT_TRUE(quoi != "trait" || proche(s.epaisseurTrait, m[1])) << s.epaisseurTrait;
        if (quoi == "pages" || quoi == "termines" || quoi == "trait") continue;
        const std::size_t p = std::stoul(m[1]) - 1;
        ASSERT_LT(p, s.pages.size());
        const std::vector<Trace> textes = s.textes(p);
        const Trace* trouve = nullptr;
        std::string en; // the first text at x y, or left of 11 mm on the line y
        long n = 0;
        for (const Trace& t : textes) {
            if (!trouve && t.texte == m[2]) trouve = &t;
            n += t.texte == m[2] ? 1 : 0;
            EXPECT_TRUE(quoi != "sans" || t.texte.find(m[2]) == std::string::npos) << t.texte;
            if (quoi == "en" && en.empty() && proche(t.x, m[2]) && proche(t.y, m[3])) en = t.texte;
            if (m[2] == "*" || !std::isdigit(m[2][0]) || !proche(t.y, m[2])) continue;
            vus.push_back(t.texte);
            const double fin =
                t.x + static_cast<double>(SurfaceEnregistree::caracteres(t.texte)) * 1.8;
            if (quoi == "place" && en.empty() && fin <= 11 + 1e-6) en = t.texte;
            EXPECT_FALSE(quoi == "vide" &&
                         (m.size() < 5 || (t.x > std::stod(m[3]) && t.x < std::stod(m[4]))))
                << t.texte;
        }
        if (quoi == "texte") {
            ASSERT_TRUE(trouve);
            std::size_t k = 3;
            for (double v : {trouve->x, trouve->y, trouve->taille})
                EXPECT_TRUE(k >= m.size() || !nombre(m[k]) || proche(v, m[k++])) << v;
            for (; k < m.size(); ++k)
                if (m[k] == "gras" || m[k] == "maigre")
                    EXPECT_EQ(trouve->gras, m[k] == "gras");
                else if (m[k] == "souligne" || m[k] == "plat")
                    EXPECT_EQ(trouve->souligne, m[k] == "souligne");
                else
                    EXPECT_EQ(couleur(trouve->couleur), m[k]);
        } else if (quoi == "absent") {
            EXPECT_FALSE(trouve);
        } else if (quoi == "nombre") {
            if (m[2] == "ligne" || m[2] == "cadre")
                n = std::ssize(
                    s.traces(p, m[2] == "ligne" ? Trace::Genre::Ligne : Trace::Genre::Rectangle));
            EXPECT_EQ(n, std::stol(m[3]));
        } else if (quoi == "en") {
            EXPECT_EQ(en, m.size() > 4 ? m[4] : "");
        } else if (quoi == "place") {
            EXPECT_EQ(en, m.size() > 3 ? m[3] : "");
        } else if (quoi == "rangee") {
            EXPECT_EQ(vus, std::vector<std::string>(m.begin() + 3, m.end()));
        } else if (quoi == "ligne" || quoi == "cadre") {
            const std::vector<Trace> d =
                s.traces(p, quoi == "ligne" ? Trace::Genre::Ligne : Trace::Genre::Rectangle);
            const long i = std::stol(m[2]);
            ASSERT_LE(std::abs(i), std::ssize(d));
            const Trace& t = d[i < 0 ? d.size() - 1 : static_cast<std::size_t>(i - 1)];
            EXPECT_TRUE(proche(t.x, m[3]) && proche(t.y, m[4]) && proche(t.x2, m[5]) &&
                        proche(t.y2, m[6]))
                << t.x << " " << t.y << " " << t.x2 << " " << t.y2;
            EXPECT_TRUE(m.size() < 8 || couleur(t.couleur) == m[7]) << couleur(t.couleur);
        }
    }
}

} // namespace palmora::test
