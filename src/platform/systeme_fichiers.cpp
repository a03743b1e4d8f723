#include "platform/systeme_fichiers.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace palmora::systeme {

int ouvrir(const char* chemin, int drapeaux, unsigned mode) {
    return ::open(chemin, drapeaux | O_CLOEXEC, static_cast<mode_t>(mode));
}

int fermer(int fd) {
    return ::close(fd);
}

long ecrire(int fd, const void* octets, std::size_t n) {
    return ::write(fd, octets, n);
}

long ecrireA(int fd, const void* octets, std::size_t n, std::int64_t position) {
    return ::pwrite(fd, octets, n, static_cast<off_t>(position));
}

int vider(int fd) {
    return ::fsync(fd);
}

int viderDonnees(int fd) {
    return ::fdatasync(fd);
}

int tronquer(int fd, std::int64_t longueur) {
    return ::ftruncate(fd, static_cast<off_t>(longueur));
}

int renommer(const char* ancien, const char* nouveau) {
    return std::rename(ancien, nouveau);
}

int supprimer(const char* chemin) {
    return ::unlink(chemin);
}

} // namespace palmora::systeme
