#include "scoring/suites_enreg.h"

#include "data/competition.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace palmora {

namespace {

Ecriture pire(Ecriture a, Ecriture b) {
    if (a == Ecriture::Interdite || b == Ecriture::Interdite) return Ecriture::Interdite;
    return a == Ecriture::Echec ? a : b;
}

off_t position(std::int64_t numero) {
    return static_cast<off_t>((numero - 1) * kTailleEnreg);
}

} // namespace

SuitesEnreg::SuitesEnreg(const EtatCompet& etat) {
    if (!etat.fichier.ouvert()) return;
    lectureSeule_ = etat.fichier.lectureSeule();
    fd_ = ::open(etat.chemin().c_str(), (lectureSeule_ ? O_RDONLY : O_RDWR) | O_CLOEXEC);
}

SuitesEnreg::~SuitesEnreg() {
    if (fd_ >= 0) ::close(fd_);
}

std::string SuitesEnreg::lire(std::int64_t premier, std::int64_t nombre) const {
    struct stat etat {};
    if (fd_ < 0 || premier < 1 || ::fstat(fd_, &etat) != 0) return {};
    const std::int64_t disponibles =
        std::max<std::int64_t>(etat.st_size / kTailleEnreg - (premier - 1), 0);
    std::string octets(static_cast<std::size_t>(std::clamp<std::int64_t>(nombre, 0, disponibles)) *
                           kTailleEnreg,
                       '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const ssize_t n = ::pread(fd_, octets.data() + lus, octets.size() - lus,
                                  position(premier) + static_cast<off_t>(lus));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        lus += static_cast<std::size_t>(n);
    }
    octets.resize(lus / kTailleEnreg * kTailleEnreg);
    return octets;
}

SuitesEnreg::Changements::Changements(std::size_t prevus) {
    numeros.reserve(prevus);
    nouveaux.reserve(prevus * kTailleEnreg);
    anciens.reserve(prevus * kTailleEnreg);
}

void SuitesEnreg::Changements::ajouter(std::int64_t numero, std::string_view nouveau,
                                       std::string_view ancien) {
    if (nouveau == ancien) return;
    numeros.push_back(numero);
    nouveaux.append(nouveau);
    anciens.append(ancien);
}

Ecriture SuitesEnreg::ecrire(const Changements& changements) {
    if (fd_ < 0 || lectureSeule_) return Ecriture::Interdite;
    const std::vector<std::int64_t>& numeros = changements.numeros;
    const std::string_view nouveaux = changements.nouveaux;
    const std::string_view anciens = changements.anciens;
    Ecriture bilan = Ecriture::Reussie;
    std::size_t debut = 0;
    while (debut < numeros.size()) {
        std::size_t fin = debut + 1;
        while (fin < numeros.size() && numeros[fin] == numeros[fin - 1] + 1)
            ++fin;
        const std::size_t octet = debut * kTailleEnreg;
        const std::size_t longueur = (fin - debut) * kTailleEnreg;
        bilan = pire(bilan, ecrireSuite(numeros[debut], nouveaux.substr(octet, longueur),
                                        anciens.substr(octet, longueur)));
        debut = fin;
    }
    return bilan;
}

// The run in one call; after a failure, the records not yet written are tried one by one, and
// a record left half-written gets its beginning back, so that each holds its old content or
// its new one.
Ecriture SuitesEnreg::ecrireSuite(std::int64_t premier, std::string_view nouveaux,
                                  std::string_view anciens) {
    const ssize_t ecrits = ::pwrite(fd_, nouveaux.data(), nouveaux.size(), position(premier));
    if (ecrits == static_cast<ssize_t>(nouveaux.size())) return Ecriture::Reussie;
    const Ecriture echec = ecrits < 0 ? ecritureDepuisErreur(errno) : Ecriture::Echec;
    const std::size_t faits = ecrits > 0 ? static_cast<std::size_t>(ecrits) / kTailleEnreg : 0;
    const std::size_t coupe = ecrits > 0 ? static_cast<std::size_t>(ecrits) % kTailleEnreg : 0;
    if (coupe != 0) {
        // Nothing more can be done for it when even this fails.
        [[maybe_unused]] const ssize_t remis =
            ::pwrite(fd_, anciens.data() + faits * kTailleEnreg, coupe,
                     position(premier) + static_cast<off_t>(faits * kTailleEnreg));
    }
    const std::size_t nombre = nouveaux.size() / kTailleEnreg;
    if (nombre == 1) return echec;
    Ecriture bilan = Ecriture::Reussie;
    for (std::size_t k = faits; k < nombre; ++k)
        bilan = pire(bilan, ecrireSuite(premier + static_cast<std::int64_t>(k),
                                        nouveaux.substr(k * kTailleEnreg, kTailleEnreg),
                                        anciens.substr(k * kTailleEnreg, kTailleEnreg)));
    return bilan;
}

} // namespace palmora
