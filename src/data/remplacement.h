#pragma once

#include "data/ecriture.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace palmora {

// Replaces `cible` by `contenu` in one step: the content is written to `temporaire` (same
// folder), flushed to disk, then renamed over `cible`. Whatever happens, `cible` holds either
// its old content or the new one; a failed attempt leaves no temporary file behind.
Ecriture remplacerFichier(const std::filesystem::path& cible,
                          const std::filesystem::path& temporaire, std::string_view contenu);

// Test seam: the steps of a replacement, and a failure to simulate at one of them. With an
// error number the step fails as the system would make it fail; with 0 the replacement stops
// there as if the program had died (nothing is cleaned up). Process-wide; tests only.
enum class EtapeRemplacement { Creation, Ecriture, Vidage, Renommage };
struct PanneSimulee {
    EtapeRemplacement etape;
    int erreur;
};
void simulerPanne(std::optional<PanneSimulee> panne);

} // namespace palmora
