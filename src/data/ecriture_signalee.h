#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palmora {

class Dialogues;

// Replaces a small file in one step (through `temporaire`, in the same folder). When it
// cannot be written, a message titled `titre` names the file, and the program goes on.
bool remplacerOuSignaler(const std::filesystem::path& cible, std::string_view temporaire,
                         std::string_view contenu, const std::string& titre, Dialogues& dialogues);

} // namespace palmora
