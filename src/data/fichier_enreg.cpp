#include "data/fichier_enreg.h"

#include "platform/systeme_fichiers.h"

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

ChangementsEnreg::ChangementsEnreg(std::size_t prevus) {
    numeros.reserve(prevus);
    nouveaux.reserve(prevus * kTailleEnreg);
    anciens.reserve(prevus * kTailleEnreg);
}

void ChangementsEnreg::ajouter(std::int64_t numero, std::string_view nouveau,
                               std::string_view ancien) {
    if (nouveau == ancien) return;
    numeros.push_back(numero);
    nouveaux.append(nouveau);
    anciens.append(ancien);
}

void ChangementsEnreg::appliquer(std::string& contenu) const {
    for (std::size_t i = 0; i < numeros.size(); ++i)
        contenu.replace(static_cast<std::size_t>(numeros[i] - 1) * kTailleEnreg, kTailleEnreg,
                        nouveaux, i * kTailleEnreg, kTailleEnreg);
}

bool FichierEnreg::ouvrir(const std::filesystem::path& chemin) {
    fermer();
    fd_ = systeme::ouvrir(chemin.c_str(), O_RDWR);
    lectureSeule_ = false;
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd_ = systeme::ouvrir(chemin.c_str(), O_RDONLY);
        lectureSeule_ = true;
    }
    if (fd_ < 0) return false;
    struct stat etat {};
    if (::fstat(fd_, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        fermer();
        return false;
    }
    // A writable file in a folder that refuses writing cannot be rewritten whole.
    if (!lectureSeule_ &&
        ::access(chemin.parent_path().empty() ? "." : chemin.parent_path().c_str(), W_OK) != 0)
        lectureSeule_ = true;
    return true;
}

void FichierEnreg::fermer() {
    if (fd_ >= 0) systeme::fermer(fd_);
    fd_ = -1;
    lectureSeule_ = false;
}

std::uintmax_t FichierEnreg::longueur() const {
    struct stat etat {};
    if (fd_ < 0 || ::fstat(fd_, &etat) != 0) return 0;
    return static_cast<std::uintmax_t>(etat.st_size);
}

bool FichierEnreg::lire(std::int64_t n, Enregistrement& e) const {
    e = Enregistrement();
    if (fd_ < 0 || n < 1) return false;
    const ssize_t lus = ::pread(fd_, e.data(), kTailleEnreg, position(n));
    if (lus == kTailleEnreg) return true;
    e = Enregistrement();
    return false;
}

std::string FichierEnreg::lireSuite(std::int64_t premier, std::int64_t nombre) const {
    if (fd_ < 0 || premier < 1) return {};
    const std::int64_t disponibles = std::max<std::int64_t>(this->nombre() - (premier - 1), 0);
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

std::string FichierEnreg::contenu() const {
    std::string tout(longueur(), '\0');
    std::size_t lus = 0;
    while (fd_ >= 0 && lus < tout.size()) {
        const ssize_t n =
            ::pread(fd_, tout.data() + lus, tout.size() - lus, static_cast<off_t>(lus));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        lus += static_cast<std::size_t>(n);
    }
    tout.resize(lus);
    return tout;
}

Ecriture FichierEnreg::ecrire(std::int64_t n, const Enregistrement& e) {
    if (fd_ < 0 || lectureSeule_) return Ecriture::Interdite;
    if (n < 1) return Ecriture::Echec;
    const long ecrits = systeme::ecrireA(fd_, e.data(), kTailleEnreg, position(n));
    if (ecrits == kTailleEnreg) return Ecriture::Reussie;
    return ecrits < 0 ? ecritureDepuisErreur(errno) : Ecriture::Echec;
}

Ecriture FichierEnreg::ecrireOctets(std::uintmax_t position, std::string_view octets) {
    if (fd_ < 0 || lectureSeule_) return Ecriture::Interdite;
    std::size_t faits = 0;
    while (faits < octets.size()) {
        const long n = systeme::ecrireA(fd_, octets.data() + faits, octets.size() - faits,
                                        static_cast<std::int64_t>(position + faits));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? ecritureDepuisErreur(errno) : Ecriture::Echec;
        faits += static_cast<std::size_t>(n);
    }
    return Ecriture::Reussie;
}

Ecriture FichierEnreg::vider() {
    if (fd_ < 0) return Ecriture::Interdite;
    return systeme::viderDonnees(fd_) == 0 ? Ecriture::Reussie : ecritureDepuisErreur(errno);
}

Ecriture FichierEnreg::tronquer(std::uintmax_t longueur) {
    if (fd_ < 0 || lectureSeule_) return Ecriture::Interdite;
    return systeme::tronquer(fd_, static_cast<std::int64_t>(longueur)) == 0
               ? Ecriture::Reussie
               : ecritureDepuisErreur(errno);
}

Ecriture FichierEnreg::ecrire(const ChangementsEnreg& changements) {
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
Ecriture FichierEnreg::ecrireSuite(std::int64_t premier, std::string_view nouveaux,
                                   std::string_view anciens) {
    const long ecrits = systeme::ecrireA(fd_, nouveaux.data(), nouveaux.size(), position(premier));
    if (ecrits == static_cast<long>(nouveaux.size())) return Ecriture::Reussie;
    const Ecriture echec = ecrits < 0 ? ecritureDepuisErreur(errno) : Ecriture::Echec;
    const std::size_t faits = ecrits > 0 ? static_cast<std::size_t>(ecrits) / kTailleEnreg : 0;
    const std::size_t coupe = ecrits > 0 ? static_cast<std::size_t>(ecrits) % kTailleEnreg : 0;
    if (coupe != 0) {
        // Nothing more can be done for it when even this fails.
        systeme::ecrireA(fd_, anciens.data() + faits * kTailleEnreg, coupe,
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
