#include "data/fichier_enreg.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace palmora {

bool FichierEnreg::ouvrir(const std::filesystem::path& chemin) {
    fermer();
    fd_ = ::open(chemin.c_str(), O_RDWR | O_CLOEXEC);
    lectureSeule_ = false;
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd_ = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
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
    if (fd_ >= 0) ::close(fd_);
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
    const ssize_t lus = ::pread(fd_, e.data(), kTailleEnreg, (n - 1) * kTailleEnreg);
    if (lus == kTailleEnreg) return true;
    e = Enregistrement();
    return false;
}

Ecriture FichierEnreg::ecrire(std::int64_t n, const Enregistrement& e) {
    if (fd_ < 0 || lectureSeule_) return Ecriture::Interdite;
    if (n < 1) return Ecriture::Echec;
    const ssize_t ecrits = ::pwrite(fd_, e.data(), kTailleEnreg, (n - 1) * kTailleEnreg);
    if (ecrits == kTailleEnreg) return Ecriture::Reussie;
    return ecrits < 0 ? ecritureDepuisErreur(errno) : Ecriture::Echec;
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

} // namespace palmora
