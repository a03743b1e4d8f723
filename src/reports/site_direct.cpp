#include "reports/site_direct.h"

#include "data/copie_compet.h"
#include "data/nom_compet.h"
#include "reports/pages_direct.h"
#include "reports/resultats_direct.h"

#include <array>
#include <cstdio>
#include <functional>
#include <utility>

namespace palmora {

namespace {

// Changed whenever the style or the script changes, so that no browser keeps an old one.
constexpr std::string_view kVersionPages = "direct-1";
constexpr std::string_view kHtml = "text/html; charset=utf-8";

std::string sansExtension(std::string_view fichier) {
    return std::string(fichier.substr(0, fichier.size() - 4));
}

std::string etatFichier(const std::filesystem::path& chemin) {
    std::error_code erreur;
    const auto taille = std::filesystem::file_size(chemin, erreur);
    const auto quand = std::filesystem::last_write_time(chemin, erreur);
    if (erreur) return "absent";
    return std::to_string(taille) + "@" + std::to_string(quand.time_since_epoch().count());
}

std::vector<std::pair<std::string, std::string>> liste(const SourceDirect& source) {
    std::vector<std::pair<std::string, std::string>> entrees;
    for (const std::string& f : source.competitions)
        entrees.emplace_back(sansExtension(f), DecrireCompet(f));
    return entrees;
}

// The pages the projector shows in turn: both rankings of each competition with teams.
std::vector<std::string> defilement(const SourceDirect& source) {
    std::vector<std::string> chemins;
    for (const std::string& f : source.competitions) {
        const std::optional<CopieCompet> copie = LireCopie(source.dossier, f);
        if (!copie || copie->nbEquipes() == 0) continue;
        chemins.push_back("/" + sansExtension(f) + "/individuel");
        chemins.push_back("/" + sansExtension(f) + "/equipes");
    }
    return chemins;
}

} // namespace

std::optional<RouteDirect> routeDirect(std::string_view chemin,
                                       const std::vector<std::string>& competitions) {
    static constexpr std::array<std::pair<std::string_view, Ressource>, 4> kGeneraux = {{
        {"/", Ressource::Accueil},
        {"/ecran", Ressource::Ecran},
        {"/direct.css", Ressource::Style},
        {"/direct.js", Ressource::Script},
    }};
    static constexpr std::array<std::pair<std::string_view, Ressource>, 4> kParCompet = {{
        {"individuel", Ressource::Indiv},
        {"equipes", Ressource::Equipes},
        {"notes", Ressource::Notes},
        {"classement.json", Ressource::Json},
    }};
    for (const auto& [texte, ressource] : kGeneraux)
        if (chemin == texte) return RouteDirect{ressource, ""};
    if (!chemin.starts_with('/')) return std::nullopt;
    const std::size_t barre = chemin.find('/', 1);
    if (barre == std::string_view::npos) return std::nullopt;
    const std::string_view nom = chemin.substr(1, barre - 1);
    const std::string_view suite = chemin.substr(barre + 1);
    for (const std::string& f : competitions) {
        if (sansExtension(f) != nom) continue;
        for (const auto& [texte, ressource] : kParCompet)
            if (suite == texte) return RouteDirect{ressource, f};
    }
    return std::nullopt;
}

std::string etiquetteDirect(const RouteDirect& route, const SourceDirect& source) {
    std::string signature = std::string(kVersionPages) + "\n" + source.titre.ligne1 + "\n" +
                            source.titre.ligne2 + "\n" + route.fichier + "\n";
    if (!route.fichier.empty()) {
        signature += etatFichier(source.dossier / route.fichier);
    } else if (route.ressource == Ressource::Accueil || route.ressource == Ressource::Ecran) {
        for (const std::string& f : source.competitions)
            signature += f + "=" + etatFichier(source.dossier / f) + "\n";
    }
    signature += std::to_string(static_cast<int>(route.ressource));
    char texte[24];
    std::snprintf(texte, sizeof texte, "\"%016zx\"", std::hash<std::string>{}(signature));
    return texte;
}

std::optional<ContenuDirect> construireDirect(const RouteDirect& route,
                                              const SourceDirect& source) {
    switch (route.ressource) {
    case Ressource::Accueil:
        return ContenuDirect{std::string(kHtml), pageAccueilDirect(source.titre, liste(source))};
    case Ressource::Ecran:
        return ContenuDirect{std::string(kHtml), pageEcranDirect(source.titre, defilement(source))};
    case Ressource::Style:
        return ContenuDirect{"text/css; charset=utf-8", std::string(kStyleDirect)};
    case Ressource::Script:
        return ContenuDirect{"text/javascript; charset=utf-8", std::string(kScriptDirect)};
    default:
        break;
    }
    std::optional<CopieCompet> copie = LireCopie(source.dossier, route.fichier);
    if (!copie) return std::nullopt;
    const ResultatsDirect r = resultatsDirect(std::move(*copie), source.titre);
    switch (route.ressource) {
    case Ressource::Indiv:
        return ContenuDirect{std::string(kHtml), pageIndivDirect(r)};
    case Ressource::Equipes:
        return ContenuDirect{std::string(kHtml), pageEquipesDirect(r)};
    case Ressource::Notes:
        return ContenuDirect{std::string(kHtml), pageNotesDirect(r)};
    default:
        return ContenuDirect{"application/json; charset=utf-8", jsonDirect(r)};
    }
}

} // namespace palmora
