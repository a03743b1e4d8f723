#pragma once

#include "data/ecriture.h"
#include "data/enregistrement.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace palmora {

// A random-access file of 300-byte records, kept open between commands. It opens for
// reading and writing, or for reading only when the file or its folder refuses writing.
class FichierEnreg {
public:
    FichierEnreg() = default;
    FichierEnreg(const FichierEnreg&) = delete;
    FichierEnreg& operator=(const FichierEnreg&) = delete;
    ~FichierEnreg() { fermer(); }

    // False when the file cannot be opened at all (missing, unreadable, not a file).
    bool ouvrir(const std::filesystem::path& chemin);
    void fermer();
    bool ouvert() const { return fd_ >= 0; }
    bool lectureSeule() const { return lectureSeule_; }

    std::uintmax_t longueur() const;
    // Whole records only: a trailing partial record is not counted.
    std::int64_t nombre() const { return static_cast<std::int64_t>(longueur() / kTailleEnreg); }

    // Record n (from 1); a record that cannot be read whole reads as NULs and gives false.
    bool lire(std::int64_t n, Enregistrement& e) const;
    // Record n (from 1); n = nombre() + 1 appends.
    Ecriture ecrire(std::int64_t n, const Enregistrement& e);
    // The whole file as it is on disk.
    std::string contenu() const;

private:
    int fd_ = -1;
    bool lectureSeule_ = false;
};

} // namespace palmora
