#include "reports/resultats_direct.h"

#include "data/cp1252.h"
#include "data/textes.h"
#include "reports/classement_equipes.h"
#include "reports/classement_indiv.h"
#include "reports/page_equipes.h"
#include "reports/voir_notes.h"
#include "scoring/calcul_notes.h"

#include <nlohmann/json.hpp>

#include <span>

namespace palmora {

namespace {

std::string texte(std::string_view champ) {
    return depuisCp1252(rogner(champ));
}

std::string sansBlancs(std::string_view page) {
    return depuisCp1252(rogner(page, std::string_view("\xA0 ", 2)));
}

LigneIndivDirect ligneIndiv(const Enregistrement& e, int total, std::span<const int> slots) {
    LigneIndivDirect l{"",
                       texte(e.lire(champs::Nom)),
                       texte(e.lire(champs::Prénom)),
                       texte(e.lire(champs::Naissance)),
                       texte(e.lire(champs::NomEquip)),
                       texte(e.lire(champs::Ville)),
                       {},
                       std::nullopt,
                       e.lire(champs::SurCl) == "H",
                       porteEtoile(e)};
    if (l.horsConcours) return l;
    for (int s : slots) {
        std::string note;
        ajouterNote(note, e.lire(champs::NoteAgres(s)), ' ');
        l.notes.push_back(sansBlancs(note));
    }
    l.total = sansBlancs(totalAffiche(total, ' '));
    return l;
}

std::vector<LigneIndivDirect> individuel(const ClassementIndiv& cl, std::span<const int> slots) {
    std::vector<LigneIndivDirect> lignes;
    PlacesIndiv places;
    for (std::size_t i = 0; i < cl.TabEnreg.size(); ++i) {
        const Enregistrement& e = cl.TabEnreg[i];
        if (gymnasteVide(e)) continue;
        const PlacesIndiv::Place place = places.suivante(e, cl.TotIndiv[i]);
        lignes.push_back(ligneIndiv(e, cl.TotIndiv[i], slots));
        if (!place.exAequo && !place.horsConcours)
            lignes.back().place = std::to_string(place.numero);
    }
    return lignes;
}

std::vector<LigneEquipeDirect> equipes(const ClassementEquipes& cl, std::span<const int> slots) {
    std::vector<LigneEquipeDirect> lignes;
    PlacesEquipes places;
    for (const EntreeEquipe& equipe : cl.TabEquipes) {
        const std::optional<PlacesEquipes::Place> place = places.suivante(equipe);
        if (!place) continue;
        LigneEquipeDirect l{place->exAequo ? "" : std::to_string(place->numero),
                            texte(equipe.NomEquip),
                            texte(equipe.Ville),
                            {},
                            sansBlancs(totalEquipePage(equipe.TotalEquipe))};
        for (int s : slots)
            l.notes.push_back(notePage(equipe.note(s)));
        lignes.push_back(std::move(l));
    }
    return lignes;
}

std::vector<GroupeNotesDirect> notes(const ClassementEquipes& cl, int effectif,
                                     std::span<const int> slots) {
    std::vector<GroupeNotesDirect> groupes;
    for (const GroupeNotes& g : grouperNotes(cl, effectif)) {
        GroupeNotesDirect groupe;
        if (g.total)
            groupe.equipe = texte(g.premier->lire(champs::NomEquip)) + " de " +
                            texte(g.premier->lire(champs::Ville)) + " : " + decimalSimple(*g.total);
        for (const Enregistrement* e : g.gymnastes)
            groupe.gymnastes.push_back(ligneIndiv(*e, totalIndiv(*e), slots));
        groupes.push_back(std::move(groupe));
    }
    return groupes;
}

} // namespace

ResultatsDirect resultatsDirect(CopieCompet copie, const TitreCompet& titre) {
    CalculNotes(copie);
    ResultatsDirect r;
    r.fichier = copie.FichierCompet;
    r.description = copie.DescriptionCompet();
    r.titre = titre;
    r.maj = copie.maj;
    r.hommes = copie.CodeAgres() == 'M';
    const std::span<const int> slots = slotsAffiches(r.hommes);
    for (int s : slots)
        for (const Agres& a : agresDe(copie.CodeAgres()))
            if (a.slot == s) r.agres.emplace_back(a.libelle);
    r.individuel = individuel(ClasserIndiv(copie), slots);
    r.equipes = equipes(ClasserEquipes(copie), slots);
    r.notes = notes(ClasserEquipes(copie, true), copie.EffectEquip(), slots);
    return r;
}

std::string jsonDirect(const ResultatsDirect& r) {
    using json = nlohmann::ordered_json;
    json individuel = json::array();
    for (const LigneIndivDirect& l : r.individuel)
        individuel.push_back({{"place", l.place},
                              {"nom", l.nom},
                              {"prenom", l.prenom},
                              {"annee", l.annee},
                              {"club", l.club},
                              {"ville", l.ville},
                              {"notes", l.notes},
                              {"total", l.total ? json(*l.total) : json(nullptr)},
                              {"hors_concours", l.horsConcours},
                              {"individuel", l.individuel}});
    json equipes = json::array();
    for (const LigneEquipeDirect& l : r.equipes)
        equipes.push_back({{"place", l.place},
                           {"equipe", l.equipe},
                           {"ville", l.ville},
                           {"notes", l.notes},
                           {"total", l.total}});
    const json document = {{"fichier", r.fichier},
                           {"description", r.description},
                           {"titre", {r.titre.ligne1, r.titre.ligne2}},
                           {"agres", r.agres},
                           {"individuel", individuel},
                           {"equipes", equipes},
                           {"maj", r.maj}};
    return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

} // namespace palmora
