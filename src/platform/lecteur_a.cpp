#include "platform/lecteur_a.h"

#include "platform/lieux.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace palmora {

namespace fs = std::filesystem;

namespace {

bool estDossier(const fs::path& chemin) {
    std::error_code erreur;
    return fs::is_directory(chemin, erreur);
}

// Closes the descriptor and returns `erreur`, or the close's own failure (a removable
// medium may report a full disk only when the data is flushed).
int fermer(int fd, int erreur) {
    if (::close(fd) != 0 && erreur == 0) return errno;
    return erreur;
}

} // namespace

std::optional<fs::path> dossierLecteurA() {
    if (const char* variable = std::getenv("PALMORA_LECTEUR_A"); variable && *variable) {
        if (estDossier(variable)) return fs::path(variable);
        return std::nullopt;
    }
    const char* utilisateur = std::getenv("USER");
    if (!utilisateur || !*utilisateur) return std::nullopt;
    for (const char* racine : {"/media", "/run/media"}) {
        const auto supports = sousDossiers(fs::path(racine) / utilisateur);
        if (!supports.empty()) return supports.front();
    }
    return std::nullopt;
}

// Written in place, as a copy onto a diskette always was: a temporary file beside the old
// copy would need room for both on a small medium.
int LecteurASysteme::ecrire(std::string_view nom, std::string_view contenu) {
    const auto dossier = dossierLecteurA();
    if (!dossier) return ENOMEDIUM;
    const int fd = ::open((*dossier / nom).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    while (!contenu.empty()) {
        const ssize_t n = ::write(fd, contenu.data(), contenu.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fermer(fd, n == 0 ? ENOSPC : errno);
        contenu.remove_prefix(static_cast<std::size_t>(n));
    }
    return fermer(fd, ::fsync(fd) == 0 ? 0 : errno);
}

int LecteurASysteme::lire(std::string_view nom, std::string& contenu) const {
    const auto dossier = dossierLecteurA();
    if (!dossier) return ENOMEDIUM;
    const int fd = ::open((*dossier / nom).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    contenu.clear();
    char tampon[8192];
    for (;;) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fermer(fd, errno);
        if (n == 0) return fermer(fd, 0);
        contenu.append(tampon, static_cast<std::size_t>(n));
    }
}

} // namespace palmora
