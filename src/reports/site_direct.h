#pragma once

#include "data/titre_fichier.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

// What the live results serve: the home page, the projector page, their style and script, and
// for each competition of the list its three pages and its JSON feed.
enum class Ressource { Accueil, Ecran, Style, Script, Indiv, Equipes, Notes, Json };

struct RouteDirect {
    Ressource ressource;
    std::string fichier; // the competition file, for the resources of one competition
};

// What the program holds at the moment of a request: the working folder, its title and its
// competition list.
struct SourceDirect {
    std::filesystem::path dossier;
    TitreCompet titre;
    std::vector<std::string> competitions;
};

// The resource of a decoded path ("/F_1_NS00/individuel"); nothing for any other path, a
// competition not in the list among them.
std::optional<RouteDirect> routeDirect(std::string_view chemin,
                                       const std::vector<std::string>& competitions);

// The entity tag of the answer, from what it depends on (the files' lengths and times, the
// title, the list): the same tag, the same answer. Costs a few file-system look-ups.
std::string etiquetteDirect(const RouteDirect& route, const SourceDirect& source);

struct ContenuDirect {
    std::string type; // "text/html; charset=utf-8"
    std::string corps;
};

// The answer itself, built from copies of the files read now; nothing when the competition
// file cannot be read. Touches nothing of the program's state: it may run on another thread.
std::optional<ContenuDirect> construireDirect(const RouteDirect& route, const SourceDirect& source);

} // namespace palmora
