#pragma once

#include "data/ecriture.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// Replaces `cible` by `contenu` in one step: the content is written to `temporaire` (same
// folder), flushed to disk, then renamed over `cible`. Whatever happens, `cible` holds either
// its old content or the new one; a failed attempt leaves no temporary file behind.
Ecriture remplacerFichier(const std::filesystem::path& cible,
                          const std::filesystem::path& temporaire, std::string_view contenu);

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> lireTout(const std::filesystem::path& chemin);

} // namespace palmora
