#include "reports/impression.h"

#include "data/cp1252.h"
#include "platform/surface_impression.h"
#include "reports/mise_en_page.h"

#include <cmath>
#include <cstdio>

namespace palmora {

void texteADroite(SurfaceImpression& s, double x, double y, const std::string& texte) {
    s.texte(x - s.largeur(texte), y, texte);
}

void texteCentre(SurfaceImpression& s, double x, double y, const std::string& texte) {
    s.texte(x - s.largeur(texte) / 2, y, texte);
}

void tirets(SurfaceImpression& s, double x, double y, const std::string& texte, double fin) {
    const double debut = x + s.largeur(texte);
    const double place = std::nearbyint(fin - debut);
    std::string leader(100, '-');
    while (!leader.empty() && s.largeur(leader) > place)
        leader.pop_back();
    if (!leader.empty()) s.texte(debut, y, leader);
}

void nombreVirgule(SurfaceImpression& s, double x, double y, long centiemes,
                   const std::string& suite) {
    char decimales[8];
    std::snprintf(decimales, sizeof decimales, ",%02ld", centiemes % 100);
    texteADroite(s, x, y, std::to_string(centiemes / 100));
    s.texte(x, y, decimales + suite);
}

std::string imprimable(std::string_view champ) {
    std::string texte(champ);
    // A field never written holds NULs: they print as nothing.
    std::erase(texte, '\0');
    return depuisCp1252(texte);
}

} // namespace palmora

namespace palmora {

double teteImprimee(SurfaceImpression& s, const TextesPage& textes, const LibellesColonnes& l,
                    double y) {
    s.couleur(kNoir);
    s.taille(12);
    s.gras(true);
    s.souligne(true);
    texteCentre(s, 100, 0, std::string(kLigneEntete));
    s.souligne(false);
    s.couleur(kRouge);
    texteCentre(s, 100, 7, textes.titre.ligne1);
    texteCentre(s, 100, 14, textes.titre.ligne2);
    s.couleur(kBleu);
    texteCentre(s, 100, 21, textes.DescriptionCompet);
    s.couleur(kNoir);
    s.ligne(60, 28, 143, 28);
    s.gras(false);
    s.taille(l.tailleNoms);
    for (const Libelle& libelle : l.noms)
        s.texte(libelle.x, y, libelle.texte);
    s.taille(l.tailleAgres);
    for (const Libelle& libelle : l.agres)
        s.texte(libelle.x, y + 0.5, libelle.texte);
    s.taille(11);
    s.texte(l.xTotal, y, "TOTAL");
    return y + 2 * s.hauteur("TOTAL");
}

} // namespace palmora
