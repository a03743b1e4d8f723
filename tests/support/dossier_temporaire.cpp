#include "support/dossier_temporaire.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace palmora::test {

DossierTemporaire::DossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "palmora-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) throw std::runtime_error("mkdtemp");
    chemin_ = modele;
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code erreur;
    // Folders a test made read-only must be writable again to be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(chemin_, erreur);
         !erreur && it != std::filesystem::recursive_directory_iterator(); it.increment(erreur))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, erreur);
    std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, erreur);
    std::filesystem::remove_all(chemin_, erreur);
}

std::string lireFichier(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void ecrireFichier(const std::filesystem::path& chemin, std::string_view contenu) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
}

std::vector<std::vector<std::string>> lireTable(const std::filesystem::path& chemin) {
    std::ifstream f(chemin);
    std::vector<std::vector<std::string>> lignes;
    for (std::string ligne; std::getline(f, ligne);) {
        if (ligne.empty() || ligne[0] == '#') continue;
        std::vector<std::string>& champs = lignes.emplace_back();
        std::istringstream flux(ligne);
        for (std::string champ; std::getline(flux, champ, '|');)
            champs.push_back(champ);
        if (ligne.back() == '|') champs.emplace_back();
    }
    return lignes;
}

} // namespace palmora::test
