#include "platform/dialogues.h"
#include "platform/surface_impression.h"
#include "reports/classement_indiv.h"
#include "reports/impression.h"
#include "reports/imprim_classements.h"
#include "reports/verif_notes.h"
#include "reports/voir_pages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace palmora {

namespace {

constexpr int kLignesParPage = 60;

// What differs between the women's and the men's printout.
struct Jeu {
    double place, nom, prenom, naissance, club, ville, finTirets;
    std::array<double, 6> virgules; // in the order of slotsAffiches
    const char* horsConcours;
    double xHorsConcours;
    const char* marque;
    LibellesColonnes libelles;
    double pageX, pageXDerniere;
};

constexpr Libelle kNomsF[] = {
    {"NOM", 18}, {"Prénom", 38}, {"AN", 58}, {"CLUB", 67}, {"VILLE", 101}};
constexpr Libelle kAgresF[] = {{"Saut", 139}, {"Barres", 150}, {"Poutre", 162}, {"Sol", 176}};
constexpr Libelle kNomsM[] = {{"NOM", 12}, {"Prénom", 30}, {"AN", 50}, {"CLUB", 60}, {"VILLE", 93}};
constexpr Libelle kAgresM[] = {{"Sol", 122},    {"Arçons", 130.1},     {"Anneaux", 141.3},
                               {"Saut", 154.5}, {"Parallèles", 162.3}, {"Fixe", 177}};

const Jeu kFemmes{11,
                  13,
                  38,
                  58,
                  65,
                  93,
                  140,
                  {142, 154, 166, 178},
                  "H o r s   C o n c o u r s",
                  153,
                  " *",
                  {kNomsF, 11, kAgresF, 10, 186},
                  174,
                  184};
const Jeu kHommes{5,
                  7,
                  29.5,
                  50.5,
                  56,
                  81,
                  122,
                  {124, 135, 146, 157, 168, 179},
                  "H  o  r  s     C  o  n  c  o  u  r  s",
                  135,
                  "*",
                  {kNomsM, 11, kAgresM, 9, 187},
                  190,
                  190};

// " 1": the number with the place kept for its sign.
std::string avecSigne(std::int64_t n) {
    return " " + std::to_string(n);
}

void pied(SurfaceImpression& s, double y, std::int64_t page, std::int64_t pages, double x) {
    const double h = s.hauteur("Page");
    texteADroite(s, x, y + 2 * h, "Page " + avecSigne(page) + " / " + avecSigne(pages));
}

// A printed score in hundredths ("999" is 10,00); nothing when the score is missing.
std::optional<long> centiemesNote(const Enregistrement& e, int slot) {
    if (sansNote(e.lire(champs::NoteAgres(slot)))) return std::nullopt;
    return centiemesScore(e.lire(champs::NoteAgres(slot)));
}

void notes(SurfaceImpression& s, const Jeu& j, bool hommes, double y, const Enregistrement& e) {
    const auto slots = slotsAffiches(hommes);
    for (std::size_t c = 0; c < slots.size(); ++c)
        if (const auto v = centiemesNote(e, slots[c]))
            nombreVirgule(s, j.virgules[c], y, *v, "  -");
}

// Where the dash leader after the town ends: at the end the layout gives it, or a space before
// the first score when that begins earlier (a score of 10,00 would be written over it).
double finTirets(SurfaceImpression& s, const Jeu& j, bool hommes, const Enregistrement& e) {
    const auto v = centiemesNote(e, slotsAffiches(hommes)[0]);
    if (!v) return j.finTirets;
    const double debutNote = j.virgules[0] - s.largeur(std::to_string(*v / 100));
    return std::min(j.finTirets, debutNote - s.largeur(" "));
}

void ImprimClIndiv(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                   SurfaceImpression& surface, bool hommes) {
    const ClassementIndiv cl = ClasserIndiv(etat);
    if (VerifNotes(etat, dialogues)) return;
    if (dialogues.message({"Imprimer le classement individuel", "Impression", Icone::Question,
                           Boutons::OuiNon, Reponse::Non}) != Reponse::Oui)
        return;
    EcrireClIndiv(etat, textes, dialogues);
    surface.commencer(cheminClIndiv(etat, ".pdf"));
    imprimerClIndiv(cl, hommes, textes, surface);
    surface.terminer();
}

} // namespace

void imprimerClIndiv(const ClassementIndiv& cl, bool hommes, const TextesPage& textes,
                     SurfaceImpression& s) {
    const Jeu& j = hommes ? kHommes : kFemmes;
    const std::int64_t pages = (cl.NbGymnastes + kLignesParPage - 1) / kLignesParPage;
    s.epaisseur(kEpaisseurTrait);
    double y = teteImprimee(s, textes, j.libelles, 30);
    PlacesIndiv places;
    std::int64_t rang = 0;
    std::int64_t page = 1;
    int placeMontree = 0;
    for (std::size_t i = 0; i < cl.TabEnreg.size(); ++i) {
        const Enregistrement& e = cl.TabEnreg[i];
        if (gymnasteVide(e)) continue;
        ++rang;
        const bool debutPage = rang > 1 && (rang - 1) % kLignesParPage == 0;
        if (debutPage) {
            pied(s, y, page, pages, j.pageX);
            s.nouvellePage();
            ++page;
            y = teteImprimee(s, textes, j.libelles, 30);
        }
        s.taille(9);
        s.gras(false);
        const PlacesIndiv::Place p = places.suivante(e, cl.TotIndiv[i]);
        if (!p.exAequo && !p.horsConcours) placeMontree = p.numero;
        if (!p.horsConcours && (!p.exAequo || debutPage))
            texteADroite(s, j.place, y, std::to_string(placeMontree));
        s.texte(j.nom, y, imprimable(e.lire(champs::Nom)));
        s.texte(j.prenom, y, imprimable(e.lire(champs::Prénom)));
        s.texte(j.naissance, y, imprimable(e.lire(champs::Naissance)));
        s.texte(j.club, y, imprimable(e.lire(champs::NomEquip)));
        const std::string ville = imprimable(rogner(e.lire(champs::Ville))) + " ";
        s.texte(j.ville, y, ville);
        if (p.horsConcours) {
            s.texte(j.xHorsConcours, y, j.horsConcours);
        } else {
            tirets(s, j.ville, y, ville, finTirets(s, j, hommes, e));
            notes(s, j, hommes, y, e);
            s.gras(true);
            nombreVirgule(s, 192, y, cl.TotIndiv[i], porteEtoile(e) ? j.marque : " ");
        }
        y += s.hauteur("0");
        s.gras(false);
    }
    if (cl.NbGymnastes > kLignesParPage) pied(s, y, page, pages, j.pageXDerniere);
}

void ImprimClIndivF(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                    SurfaceImpression& surface) {
    ImprimClIndiv(etat, textes, dialogues, surface, false);
}

void ImprimClIndivM(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                    SurfaceImpression& surface) {
    ImprimClIndiv(etat, textes, dialogues, surface, true);
}

} // namespace palmora
