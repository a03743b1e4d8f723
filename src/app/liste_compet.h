#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palmora {

// The competition files of a folder (".plm" in any case), sorted by name: line i of the
// competition list stands for file i.
std::vector<std::string> listerCompetitions(const std::filesystem::path& dossier);

} // namespace palmora
