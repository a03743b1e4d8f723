#include "data/remplacement.h"

#include "platform/systeme_fichiers.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace palmora {

namespace {

bool toutEcrire(int fd, std::string_view contenu) {
    while (!contenu.empty()) {
        const long n = systeme::ecrire(fd, contenu.data(), contenu.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
        if (n <= 0) return false;
        contenu.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the rename itself durable; a folder that refuses fsync changes nothing.
void synchroniserDossier(const std::filesystem::path& dossier) {
    const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<std::string> lireTout(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream contenu;
    contenu << f.rdbuf();
    if (f.bad()) return std::nullopt;
    return std::move(contenu).str();
}

Ecriture remplacerFichier(const std::filesystem::path& cible,
                          const std::filesystem::path& temporaire, std::string_view contenu) {
    const int fd = systeme::ouvrir(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return ecritureDepuisErreur(errno);
    const auto abandonner = [&]() {
        const int erreur = errno;
        systeme::fermer(fd);
        systeme::supprimer(temporaire.c_str());
        return ecritureDepuisErreur(erreur);
    };
    if (!toutEcrire(fd, contenu)) return abandonner();
    if (systeme::vider(fd) != 0) return abandonner();
    if (systeme::fermer(fd) != 0) {
        const int erreur = errno;
        systeme::supprimer(temporaire.c_str());
        return ecritureDepuisErreur(erreur);
    }
    if (systeme::renommer(temporaire.c_str(), cible.c_str()) != 0) {
        const int erreur = errno;
        systeme::supprimer(temporaire.c_str());
        return ecritureDepuisErreur(erreur);
    }
    synchroniserDossier(cible.parent_path());
    return Ecriture::Reussie;
}

} // namespace palmora
