#include "support/systeme_simule.h"

#include "platform/systeme_fichiers.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace palmora::test {

namespace {

std::optional<PanneSimulee> gPanne;
std::array<int, 8> gAppels{};

// Counts the call; true when it must fail (errno is then set).
bool enPanne(Appel appel) {
    const int rang = ++gAppels[static_cast<std::size_t>(appel)];
    if (!gPanne || gPanne->etape != appel) return false;
    if (rang < gPanne->rang || (rang > gPanne->rang && !gPanne->suivantes)) return false;
    if (gPanne->erreur == 0) throw MortSimulee{};
    errno = gPanne->erreur;
    return true;
}

} // namespace

void simulerPanne(std::optional<PanneSimulee> panne) {
    gPanne = panne;
    gAppels.fill(0);
}

int appels(Appel appel) {
    return gAppels[static_cast<std::size_t>(appel)];
}

} // namespace palmora::test

namespace palmora::systeme {

using test::Appel;
using test::enPanne;

int ouvrir(const char* chemin, int drapeaux, unsigned mode) {
    if ((drapeaux & O_CREAT) != 0 && enPanne(Appel::Creation)) return -1;
    return ::open(chemin, drapeaux | O_CLOEXEC, static_cast<mode_t>(mode));
}

int fermer(int fd) {
    return ::close(fd);
}

long ecrire(int fd, const void* octets, std::size_t n) {
    return enPanne(Appel::Ecriture) ? -1 : ::write(fd, octets, n);
}

long ecrireA(int fd, const void* octets, std::size_t n, std::int64_t position) {
    return enPanne(Appel::EcritureA) ? -1 : ::pwrite(fd, octets, n, static_cast<off_t>(position));
}

int vider(int fd) {
    return enPanne(Appel::Vidage) ? -1 : ::fsync(fd);
}

int viderDonnees(int fd) {
    return enPanne(Appel::VidageDonnees) ? -1 : ::fdatasync(fd);
}

int tronquer(int fd, std::int64_t longueur) {
    return enPanne(Appel::Troncature) ? -1 : ::ftruncate(fd, static_cast<off_t>(longueur));
}

int renommer(const char* ancien, const char* nouveau) {
    return enPanne(Appel::Renommage) ? -1 : std::rename(ancien, nouveau);
}

int supprimer(const char* chemin) {
    return enPanne(Appel::Suppression) ? -1 : ::unlink(chemin);
}

} // namespace palmora::systeme
