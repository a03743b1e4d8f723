#include "app/liste_compet.h"

#include "data/nom_compet.h"

#include <algorithm>

namespace palmora {

std::vector<std::string> listerCompetitions(const std::filesystem::path& dossier) {
    std::vector<std::string> noms;
    std::error_code erreur;
    for (std::filesystem::directory_iterator it(dossier, erreur), fin; !erreur && it != fin;
         it.increment(erreur)) {
        const std::string nom = it->path().filename().string();
        std::error_code e;
        if (estNomCompetition(nom) && it->is_regular_file(e)) noms.push_back(nom);
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

} // namespace palmora
