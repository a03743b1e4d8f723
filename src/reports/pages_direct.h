#pragma once

#include "data/titre_fichier.h"
#include "reports/resultats_direct.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace palmora {

// The live results' pages, HTML5 in UTF-8, laid out for a phone held upright as for a wide
// screen. Every page loads the same style and script, which keeps it up to date.
extern const std::string_view kStyleDirect;
extern const std::string_view kScriptDirect;

// The title and the competitions, each by its path name ("F_1_NS00") and its description.
std::string pageAccueilDirect(const TitreCompet& titre,
                              const std::vector<std::pair<std::string, std::string>>& competitions);
std::string pageIndivDirect(const ResultatsDirect& r);
std::string pageEquipesDirect(const ResultatsDirect& r);
std::string pageNotesDirect(const ResultatsDirect& r);
// The projector's page: the script shows `chemins` one after the other, scrolling each.
std::string pageEcranDirect(const TitreCompet& titre, const std::vector<std::string>& chemins);

// & < > " ' as entities.
std::string echapperHtml(std::string_view texte);

} // namespace palmora
