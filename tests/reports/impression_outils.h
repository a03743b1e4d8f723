#pragma once

#include "support/surface_enregistree.h"

#include <cstdio>
#include <string>

namespace palmora::test {

// What a recording drew, one drawing a line, so that a whole printout can be compared with a
// fixture file: the documents (the folder given shown as "<dossier>"), the line width, then
// each page's drawings in order, positions in millimetres to 1/10000.
inline std::string dessins(const SurfaceEnregistree& s, const std::string& dossier = "") {
    const auto nombre = [](double v) {
        char n[32];
        std::snprintf(n, sizeof n, "%.4f", v);
        std::string t = n;
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.') t.pop_back();
        return t == "-0" ? std::string("0") : t;
    };
    const auto couleur = [](Couleur c) {
        return c == kNoir    ? std::string("noir")
               : c == kRouge ? std::string("rouge")
               : c == kBleu
                   ? std::string("bleu")
                   : std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
    };
    std::string d;
    for (std::string doc : s.documents) {
        if (!dossier.empty() && doc.starts_with(dossier))
            doc.replace(0, dossier.size(), "<dossier>");
        d += "document " + doc + "\n";
    }
    d += "termines " + std::to_string(s.documentsTermines) + "\ntrait " + nombre(s.epaisseurTrait) +
         "\n";
    for (std::size_t p = 0; p < s.pages.size(); ++p) {
        d += "page " + std::to_string(p + 1) + "\n";
        for (const Trace& t : s.pages[p]) {
            if (t.genre == Trace::Genre::Texte)
                d += "texte " + nombre(t.x) + " " + nombre(t.y) + " " + nombre(t.taille) +
                     (t.gras ? " gras" : "") + (t.souligne ? " souligne" : "") + " " +
                     couleur(t.couleur) + " \"" + t.texte + "\"\n";
            else
                d += std::string(t.genre == Trace::Genre::Ligne ? "ligne " : "cadre ") +
                     nombre(t.x) + " " + nombre(t.y) + " " + nombre(t.x2) + " " + nombre(t.y2) +
                     " " + couleur(t.couleur) + "\n";
        }
    }
    return d;
}

} // namespace palmora::test
