#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace palmora {

// The places the working-folder dialog offers in place of drives: the root, the home
// folder, then every medium mounted under /media/<user> and /run/media/<user>.
std::vector<std::filesystem::path> lieuxDeTravail(const std::filesystem::path& maison,
                                                  std::string_view utilisateur);

// The place holding `dossier`: the one with the longest matching start (the root at worst).
std::size_t lieuDe(const std::vector<std::filesystem::path>& lieux,
                   const std::filesystem::path& dossier);

// The visible sub-folders of a folder, sorted by name; hidden ones (".cache") are left out.
std::vector<std::filesystem::path> sousDossiers(const std::filesystem::path& dossier);

} // namespace palmora
