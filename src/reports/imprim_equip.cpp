#include "data/competition.h"
#include "platform/dialogues.h"
#include "platform/surface_impression.h"
#include "reports/classement_equipes.h"
#include "reports/impression.h"
#include "reports/imprim_classements.h"
#include "reports/verif_notes.h"
#include "reports/voir_pages.h"

#include <array>

namespace palmora {

namespace {

constexpr Libelle kNoms[] = {{"EQUIPE", 20}, {"VILLE", 70}};
constexpr Libelle kAgresF[] = {{"Saut", 108}, {"Barres", 125}, {"Poutre", 143}, {"Sol", 163.2}};
constexpr Libelle kAgresM[] = {{"Sol", 109.3},  {"Arçons", 118.5},   {"Anneaux", 130.5},
                               {"Saut", 144.5}, {"Parallèles", 153}, {"Fixe", 169}};

// Where each team score starts, in the order of slotsAffiches, and what follows it.
struct Colonne {
    double x;
    const char* separateur;
};
constexpr Colonne kColonnesF[] = {
    {108, "   ----"}, {126, "   ----"}, {144, "   ----"}, {162, "   ---------"}};
constexpr Colonne kColonnesM[] = {{108, "  -"}, {120, "  -"}, {132, "  -"},
                                  {144, "  -"}, {156, "  -"}, {168, "  ------"}};

// "1234" as "12,34".
std::string noteEquipe(std::string_view note) {
    const std::string n = imprimable(note);
    if (n.size() < 4) return n;
    return n.substr(0, 2) + "," + n.substr(2, 2);
}

// The pattern "###.00": no whole part below one point.
std::string totalImprime(long total) {
    const std::string decimales = std::to_string(total % 100);
    return (total >= 100 ? std::to_string(total / 100) : "") + "," +
           (decimales.size() < 2 ? "0" : "") + decimales;
}

} // namespace

void imprimerClEquip(const ClassementEquipes& cl, bool hommes, const TextesPage& textes,
                     SurfaceImpression& s) {
    const auto slots = slotsAffiches(hommes);
    const std::span<const Colonne> colonnes =
        hommes ? std::span<const Colonne>(kColonnesM) : std::span<const Colonne>(kColonnesF);
    const LibellesColonnes libelles{
        kNoms, 10, hommes ? std::span<const Libelle>(kAgresM) : std::span<const Libelle>(kAgresF),
        hommes ? 9.0 : 10.0, 184};
    s.epaisseur(kEpaisseurTrait);
    double y = teteImprimee(s, textes, libelles, 32);
    s.taille(9);
    PlacesEquipes places;
    for (const EntreeEquipe& equipe : cl.TabEquipes) {
        const auto place = places.suivante(equipe);
        if (!place) continue;
        if (!place->exAequo) texteADroite(s, 10, y, std::to_string(place->numero));
        const std::string nom = imprimable(rogner(equipe.NomEquip)) + " ";
        s.texte(13, y, nom);
        tirets(s, 13, y, nom, 55);
        const std::string ville = imprimable(rogner(equipe.Ville)) + " ";
        s.texte(57, y, ville);
        tirets(s, 57, y, ville, 106);
        for (std::size_t c = 0; c < slots.size(); ++c)
            s.texte(colonnes[c].x, y, noteEquipe(equipe.note(slots[c])) + colonnes[c].separateur);
        s.gras(true);
        texteADroite(s, 195, y, totalImprime(equipe.TotalEquipe));
        y += s.hauteur("0");
        s.gras(false);
        y += 0.5 + s.hauteur("0");
    }
}

void ImprimClEquip(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                   SurfaceImpression& surface) {
    const ClassementEquipes cl = ClasserEquipes(etat);
    if (VerifNotes(etat, dialogues)) return;
    if (dialogues.message({"Imprimer le classement par équipes", "Impression", Icone::Question,
                           Boutons::OuiNon, Reponse::Non}) != Reponse::Oui)
        return;
    EcrireClEquip(etat, textes, dialogues);
    surface.commencer(cheminClEquip(etat, ".pdf"));
    imprimerClEquip(cl, etat.CodeAgres() == 'M', textes, surface);
    surface.terminer();
}

} // namespace palmora
