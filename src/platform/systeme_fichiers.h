#pragma once

#include <cstddef>
#include <cstdint>

// The system calls through which the program writes its files (the competition file, its
// rewrites, the title, the age table, the licence registry). The program links the real ones;
// the tests link their own, which count the calls and can fail at any of them.
namespace palmora::systeme {

// As open(2), with O_CLOEXEC added: a descriptor, or -1 with errno set.
int ouvrir(const char* chemin, int drapeaux, unsigned mode = 0);
int fermer(int fd);
// As write(2) and pwrite(2): the bytes written, or -1 with errno set.
long ecrire(int fd, const void* octets, std::size_t n);
long ecrireA(int fd, const void* octets, std::size_t n, std::int64_t position);
// fsync(2), fdatasync(2), ftruncate(2), rename(2), unlink(2): 0, or -1 with errno set.
int vider(int fd);
int viderDonnees(int fd);
int tronquer(int fd, std::int64_t longueur);
int renommer(const char* ancien, const char* nouveau);
int supprimer(const char* chemin);

} // namespace palmora::systeme
