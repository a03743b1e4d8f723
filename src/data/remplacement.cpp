#include "data/remplacement.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace palmora {

namespace {

std::optional<PanneSimulee> gPanne;

// True when the simulated failure is at this step; errno then holds its error.
bool panneA(EtapeRemplacement etape) {
    if (!gPanne || gPanne->etape != etape) return false;
    errno = gPanne->erreur;
    return true;
}

bool arretSimule() {
    return gPanne && gPanne->erreur == 0;
}

bool toutEcrire(int fd, std::string_view contenu) {
    while (!contenu.empty()) {
        const ssize_t n = ::write(fd, contenu.data(), contenu.size());
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

void simulerPanne(std::optional<PanneSimulee> panne) {
    gPanne = panne;
}

Ecriture remplacerFichier(const std::filesystem::path& cible,
                          const std::filesystem::path& temporaire, std::string_view contenu) {
    if (panneA(EtapeRemplacement::Creation)) return ecritureDepuisErreur(errno);
    const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return ecritureDepuisErreur(errno);
    const auto abandonner = [&]() {
        const int erreur = errno;
        ::close(fd);
        if (arretSimule()) return Ecriture::Echec;
        ::unlink(temporaire.c_str());
        return ecritureDepuisErreur(erreur);
    };
    if (panneA(EtapeRemplacement::Ecriture) || !toutEcrire(fd, contenu)) return abandonner();
    if (panneA(EtapeRemplacement::Vidage) || ::fsync(fd) != 0) return abandonner();
    if (::close(fd) != 0) {
        const int erreur = errno;
        ::unlink(temporaire.c_str());
        return ecritureDepuisErreur(erreur);
    }
    if (panneA(EtapeRemplacement::Renommage) ||
        std::rename(temporaire.c_str(), cible.c_str()) != 0) {
        const int erreur = errno;
        if (arretSimule()) return Ecriture::Echec;
        ::unlink(temporaire.c_str());
        return ecritureDepuisErreur(erreur);
    }
    synchroniserDossier(cible.parent_path());
    return Ecriture::Reussie;
}

} // namespace palmora
