#pragma once

#include "data/enregistrement.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// A competition file as it stood when it was read, in memory: the views that must never write
// (the live results) derive from it what Competition derives from the open file.
struct CopieCompet {
    std::string FichierCompet; // name on disk
    std::string contenu;       // every byte of the file
    std::string maj;           // when the file last changed: "2026-12-06T10:42:03", local time

    Enregistrement premier() const { return Enregistrement(contenu); }
    int EffectEquip() const;
    std::int64_t nbEquipes() const;
    char CodeSexe() const;
    char CodeAgres() const { return CodeSexe() == 'M' ? 'M' : 'F'; }
    std::string DescriptionCompet() const;
};

// The file `nom` of `dossier`, read whole; nothing when it cannot be read.
std::optional<CopieCompet> LireCopie(const std::filesystem::path& dossier, std::string_view nom);

} // namespace palmora
