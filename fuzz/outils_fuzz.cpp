#include "outils_fuzz.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace palmora::fuzz {

const std::filesystem::path& dossierFuzz() {
    static const std::filesystem::path dossier = [] {
        std::string modele = (std::filesystem::temp_directory_path() / "palmora-fuzz-XXXXXX");
        if (!::mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        return std::filesystem::path(modele);
    }();
    return dossier;
}

void ecrireOctets(const std::filesystem::path& chemin, std::string_view octets) {
    std::ofstream(chemin, std::ios::binary | std::ios::trunc)
        .write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

} // namespace palmora::fuzz
