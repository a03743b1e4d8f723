#include "platform/lieux.h"

#include <algorithm>

namespace palmora {

namespace fs = std::filesystem;

std::vector<fs::path> sousDossiers(const fs::path& dossier) {
    std::vector<fs::path> dossiers;
    std::error_code erreur;
    for (fs::directory_iterator it(dossier, erreur), fin; !erreur && it != fin;
         it.increment(erreur)) {
        std::error_code e;
        if (it->path().filename().string().starts_with('.') || !it->is_directory(e)) continue;
        dossiers.push_back(it->path());
    }
    std::sort(dossiers.begin(), dossiers.end());
    return dossiers;
}

std::vector<fs::path> lieuxDeTravail(const fs::path& maison, std::string_view utilisateur) {
    std::vector<fs::path> lieux{"/"};
    if (!maison.empty() && maison != "/") lieux.push_back(maison);
    if (utilisateur.empty()) return lieux;
    for (const char* racine : {"/media", "/run/media"}) {
        const auto supports = sousDossiers(fs::path(racine) / utilisateur);
        lieux.insert(lieux.end(), supports.begin(), supports.end());
    }
    return lieux;
}

std::size_t lieuDe(const std::vector<fs::path>& lieux, const fs::path& dossier) {
    std::size_t meilleur = 0;
    std::size_t longueur = 0;
    for (std::size_t k = 0; k < lieux.size(); ++k) {
        const fs::path relatif = dossier.lexically_relative(lieux[k]);
        const std::size_t l = lieux[k].native().size();
        if (!relatif.empty() && *relatif.begin() != ".." && l > longueur) {
            meilleur = k;
            longueur = l;
        }
    }
    return meilleur;
}

} // namespace palmora
