#include "reports/pages_direct.h"

namespace palmora {

namespace {

struct Page {
    std::string html;
    Page& operator<<(std::string_view texte) {
        html += texte;
        return *this;
    }
    // Inserted data, escaped.
    Page& donnee(std::string_view texte) {
        html += echapperHtml(texte);
        return *this;
    }
};

// Head, title block and navigation: `onglet` names the browser tab, `entete` (HTML) follows
// the title, `classe` sets the layout of the body.
Page debut(std::string_view onglet, const TitreCompet& titre, std::string_view entete,
           std::string_view classe, bool navigation) {
    Page p;
    p << "<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\">"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
      << "<title>";
    p.donnee(onglet) << "</title><link rel=\"stylesheet\" href=\"/direct.css\">"
                     << "<script src=\"/direct.js\" defer></script></head>\n<body class=\""
                     << classe << "\"><header><h1>";
    p.donnee(titre.ligne1) << "</h1><p class=\"lieu\">";
    p.donnee(titre.ligne2) << "</p>" << entete;
    if (navigation)
        p << "<nav><a href=\"/\">Compétitions</a><a href=\"individuel\">Individuel</a>"
          << "<a href=\"equipes\">Équipes</a><a href=\"notes\">Notes</a></nav>";
    p << "</header>\n<main id=\"contenu\">";
    return p;
}

std::string fin(Page& p, std::string_view maj) {
    p << "</main>\n<footer>";
    if (!maj.empty()) p << "Fichier modifié le " << maj.substr(0, 10) << " à " << maj.substr(11);
    p << "</footer></body></html>\n";
    return std::move(p.html);
}

Page debutCompet(const ResultatsDirect& r, std::string_view quoi) {
    const std::string description = echapperHtml(r.description);
    return debut(r.description + " — " + std::string(quoi), r.titre,
                 "<h2>" + description + "<span class=\"quoi\">" + std::string(quoi) +
                     "</span></h2>",
                 "compet", true);
}

void enTeteNotes(Page& p, const ResultatsDirect& r) {
    for (const std::string& a : r.agres)
        p << "<th class=\"note\">" << a << "</th>";
    p << "<th class=\"total\">Total</th></tr></thead><tbody>\n";
}

void cellulesNotes(Page& p, const std::vector<std::string>& notes,
                   const std::vector<std::string>& agres) {
    for (std::size_t i = 0; i < notes.size() && i < agres.size(); ++i)
        p << "<td class=\"note\" data-agres=\"" << agres[i] << "\">" << notes[i] << "</td>";
}

void gymnaste(Page& p, const LigneIndivDirect& l, const ResultatsDirect& r, bool avecPlace) {
    p << "<tr" << (l.horsConcours ? " class=\"hc\"" : "") << ">";
    if (avecPlace) p << "<td class=\"place\">" << l.place << "</td>";
    p << "<td class=\"nom\">";
    p.donnee(l.nom) << " <span class=\"prenom\">";
    p.donnee(l.prenom) << "</span>" << (l.individuel ? " *" : "") << "</td>";
    if (avecPlace) {
        p << "<td class=\"an\">";
        p.donnee(l.annee) << "</td><td class=\"club\">";
        p.donnee(l.club) << "</td><td class=\"ville\">";
        p.donnee(l.ville) << "</td>";
    }
    if (l.horsConcours) {
        p << "<td class=\"horsconcours\" colspan=\"" << std::to_string(r.agres.size() + 1)
          << "\">Hors concours</td></tr>\n";
        return;
    }
    cellulesNotes(p, l.notes, r.agres);
    p << "<td class=\"total\">" << l.total.value_or("") << "</td></tr>\n";
}

} // namespace

std::string echapperHtml(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (char c : texte) {
        switch (c) {
        case '&':
            sortie += "&amp;";
            break;
        case '<':
            sortie += "&lt;";
            break;
        case '>':
            sortie += "&gt;";
            break;
        case '"':
            sortie += "&quot;";
            break;
        case '\'':
            sortie += "&#39;";
            break;
        default:
            sortie += c;
        }
    }
    return sortie;
}

std::string
pageAccueilDirect(const TitreCompet& titre,
                  const std::vector<std::pair<std::string, std::string>>& competitions) {
    Page p = debut(titre.ligne1, titre, "<h2>Résultats en direct</h2>", "accueil", false);
    if (competitions.empty()) p << "<p>Aucune compétition pour le moment.</p>";
    p << "<ul class=\"competitions\">";
    for (const auto& [nom, description] : competitions) {
        const std::string lien = "/" + echapperHtml(nom) + "/";
        p << "<li><span class=\"description\">";
        p.donnee(description) << "</span><span class=\"liens\"><a href=\"" << lien
                              << "individuel\">Individuel</a><a href=\"" << lien
                              << "equipes\">Équipes</a><a href=\"" << lien
                              << "notes\">Notes</a></span></li>\n";
    }
    p << "</ul><p class=\"ecran\"><a href=\"/ecran\">Affichage sur grand écran</a></p>";
    return fin(p, "");
}

std::string pageIndivDirect(const ResultatsDirect& r) {
    Page p = debutCompet(r, "Classement individuel");
    p << "<table class=\"classement indiv\"><thead><tr><th class=\"place\">Pl.</th>"
      << "<th class=\"nom\">Gymnaste</th><th class=\"an\">An</th><th class=\"club\">Club</th>"
      << "<th class=\"ville\">Ville</th>";
    enTeteNotes(p, r);
    bool etoile = false;
    for (const LigneIndivDirect& l : r.individuel) {
        gymnaste(p, l, r, true);
        etoile = etoile || l.individuel;
    }
    p << "</tbody></table>";
    if (etoile)
        p << "<p class=\"legende\">(*) = "
          << (r.hommes ? "concurrent individuel" : "concurrente individuelle") << "</p>";
    return fin(p, r.maj);
}

std::string pageEquipesDirect(const ResultatsDirect& r) {
    Page p = debutCompet(r, "Classement par équipes");
    p << "<table class=\"classement equipes\"><thead><tr><th class=\"place\">Pl.</th>"
      << "<th class=\"nom\">Équipe</th><th class=\"ville\">Ville</th>";
    enTeteNotes(p, r);
    for (const LigneEquipeDirect& l : r.equipes) {
        p << "<tr><td class=\"place\">" << l.place << "</td><td class=\"nom\">";
        p.donnee(l.equipe) << "</td><td class=\"ville\">";
        p.donnee(l.ville) << "</td>";
        cellulesNotes(p, l.notes, r.agres);
        p << "<td class=\"total\">" << l.total << "</td></tr>\n";
    }
    p << "</tbody></table>";
    return fin(p, r.maj);
}

std::string pageNotesDirect(const ResultatsDirect& r) {
    Page p = debutCompet(r, "Notes");
    for (const GroupeNotesDirect& g : r.notes) {
        p << "<section class=\"groupe\"><h3>";
        p.donnee(g.equipe.value_or("Individuels")) << "</h3>";
        p << "<table class=\"classement notes\"><thead><tr><th class=\"nom\">Gymnaste</th>";
        enTeteNotes(p, r);
        for (const LigneIndivDirect& l : g.gymnastes)
            gymnaste(p, l, r, false);
        p << "</tbody></table></section>\n";
    }
    return fin(p, r.maj);
}

std::string pageEcranDirect(const TitreCompet& titre, const std::vector<std::string>& chemins) {
    std::string liste;
    for (const std::string& c : chemins)
        liste += (liste.empty() ? "" : " ") + c;
    Page p = debut(titre.ligne1, titre,
                   "<div id=\"defilement\" data-pages=\"" + echapperHtml(liste) + "\"></div>",
                   "ecran", false);
    p << (chemins.empty() ? "<p>Aucun classement par équipes pour le moment.</p>" : "");
    return fin(p, "");
}

} // namespace palmora
