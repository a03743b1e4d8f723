#pragma once

#include "support/surface_enregistree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace palmora::test {

// Checks a recording against a section ("== nom") of a drawing list in tests/data/sorties: one
// check a line, pages from 1, positions in millimetres, "*" for a value left unchecked.
//   pages N | termines N | trait E | documents "chemin"...  (the folder given shown as <dossier>)
//   texte P "T" [x y taille] [gras|maigre] [souligne|plat] [noir|rouge|bleu]
//   absent P "T" | sans P "partie" (no text holds it) | nombre P ligne|cadre|"T" N
//   en P x y "T" (the first text there, "" none) | place P y "T" (the text left of 11 mm)
//   rangee P y "T"... (the texts of the line, in order) | vide P y [x1 x2] (no text between)
//   ligne|cadre P i x y x2 y2 [couleur] (the i-th of its kind from 1, -1 the last)
inline void verifierDessins(const SurfaceEnregistree& s, const std::string& fichier,
                            const std::string& section, const std::string& dossier = "") {
    std::ifstream f(std::string(PALMORA_FIXTURES) + "/" + fichier);
    ASSERT_TRUE(f) << fichier;
    const auto proche = [](double a, const std::string& b) {
        return b == "*" || std::abs(a - std::stod(b)) < 1e-6;
    };
    const auto couleur = [](Couleur c) {
        return c == kNoir ? "noir" : c == kRouge ? "rouge" : c == kBleu ? "bleu" : "autre";
    };
    bool dedans = false;
    for (std::string l; std::getline(f, l);) {
        if (l.starts_with("== ")) dedans = l.substr(3) == section;
        if (!dedans || l.empty() || l[0] == '#' || l[0] == '=') continue;
        SCOPED_TRACE(fichier + " " + section + ": " + l);
        std::vector<std::string> m; // the words, quoted texts without their quotes
        for (std::size_t i = 0; i < l.size(); ++i) {
            if (l[i] == ' ') continue;
            const std::size_t fin = l[i] == '"' ? l.find('"', i + 1) : l.find(' ', i);
            m.push_back(l[i] == '"' ? l.substr(i + 1, fin - i - 1) : l.substr(i, fin - i));
            i = fin == std::string::npos ? l.size() : fin;
        }
        const std::string& quoi = m[0];
        if (quoi == "pages") {
            EXPECT_EQ(s.pages.size(), std::stoul(m[1]));
        } else if (quoi == "termines") {
            EXPECT_EQ(s.documentsTermines, std::stoi(m[1]));
        } else if (quoi == "trait") {
            EXPECT_TRUE(proche(s.epaisseurTrait, m[1])) << s.epaisseurTrait;
        } else if (quoi == "documents") {
            std::vector<std::string> vus;
            for (const auto& d : s.documents)
                vus.push_back("<dossier>" + d.string().substr(dossier.size()));
            EXPECT_EQ(vus, std::vector<std::string>(m.begin() + 1, m.end()));
            EXPECT_TRUE(!dossier.empty() && s.documents.at(0).string().starts_with(dossier));
        } else {
            const std::size_t p = std::stoul(m[1]) - 1;
            ASSERT_LT(p, s.pages.size());
            const std::vector<Trace> textes = s.textes(p);
            std::vector<Trace> ligne; // the texts on the line y of m[2]
            for (const Trace& t : textes)
                if (m.size() > 2 && m[2] != "*" && !m[2].empty() && std::isdigit(m[2][0]) &&
                    proche(t.y, m[2]))
                    ligne.push_back(t);
            const Trace* trouve = nullptr;
            for (const Trace& t : textes)
                if (!trouve && t.texte == m[2]) trouve = &t;
            if (quoi == "texte") {
                ASSERT_TRUE(trouve);
                std::size_t n = 3;
                for (double v : {trouve->x, trouve->y, trouve->taille})
                    if (n < m.size() && (m[n] == "*" || std::isdigit(m[n][0]))) {
                        EXPECT_TRUE(proche(v, m[n++])) << v;
                    }
                for (; n < m.size(); ++n)
                    if (m[n] == "gras" || m[n] == "maigre")
                        EXPECT_EQ(trouve->gras, m[n] == "gras");
                    else if (m[n] == "souligne" || m[n] == "plat")
                        EXPECT_EQ(trouve->souligne, m[n] == "souligne");
                    else
                        EXPECT_EQ(couleur(trouve->couleur), m[n]);
            } else if (quoi == "absent") {
                EXPECT_FALSE(trouve);
            } else if (quoi == "sans") {
                for (const Trace& t : textes)
                    EXPECT_EQ(t.texte.find(m[2]), std::string::npos) << t.texte;
            } else if (quoi == "nombre") {
                long n = 0;
                if (m[2] == "ligne" || m[2] == "cadre")
                    n = std::ssize(s.traces(p, m[2] == "ligne" ? Trace::Genre::Ligne
                                                               : Trace::Genre::Rectangle));
                else
                    for (const Trace& t : textes)
                        n += t.texte == m[2] ? 1 : 0;
                EXPECT_EQ(n, std::stol(m[3]));
            } else if (quoi == "en") {
                std::string vu;
                for (const Trace& t : textes)
                    if (vu.empty() && proche(t.x, m[2]) && proche(t.y, m[3])) vu = t.texte;
                EXPECT_EQ(vu, m.size() > 4 ? m[4] : "");
            } else if (quoi == "place") {
                std::string vu;
                for (const Trace& t : ligne)
                    if (vu.empty() &&
                        t.x + static_cast<double>(SurfaceEnregistree::caracteres(t.texte)) * 9 *
                                    0.2 <=
                            11 + 1e-6)
                        vu = t.texte;
                EXPECT_EQ(vu, m.size() > 3 ? m[3] : "");
            } else if (quoi == "rangee") {
                std::vector<std::string> vus;
                for (const Trace& t : ligne)
                    vus.push_back(t.texte);
                EXPECT_EQ(vus, std::vector<std::string>(m.begin() + 3, m.end()));
            } else if (quoi == "vide") {
                for (const Trace& t : ligne)
                    EXPECT_FALSE(m.size() < 5 || (t.x > std::stod(m[3]) && t.x < std::stod(m[4])))
                        << t.texte;
            } else {
                const std::vector<Trace> d =
                    s.traces(p, quoi == "ligne" ? Trace::Genre::Ligne : Trace::Genre::Rectangle);
                const long i = std::stol(m[2]);
                ASSERT_LE(std::abs(i), std::ssize(d));
                const Trace& t = d[i < 0 ? d.size() - 1 : static_cast<std::size_t>(i - 1)];
                EXPECT_TRUE(proche(t.x, m[3]) && proche(t.y, m[4]) && proche(t.x2, m[5]) &&
                            proche(t.y2, m[6]))
                    << t.x << " " << t.y << " " << t.x2 << " " << t.y2;
                if (m.size() > 7) {
                    EXPECT_EQ(couleur(t.couleur), m[7]);
                }
            }
        }
    }
}

} // namespace palmora::test
