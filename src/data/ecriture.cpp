#include "data/ecriture.h"

#include <cerrno>

namespace palmora {

Ecriture ecritureDepuisErreur(int numeroErreur) {
    switch (numeroErreur) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EBADF:
        return Ecriture::Interdite;
    default:
        return Ecriture::Echec;
    }
}

} // namespace palmora
