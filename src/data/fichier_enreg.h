#pragma once

#include "data/ecriture.h"
#include "data/enregistrement.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

// Records to rewrite, gathered in ascending order of their numbers, with what the file holds
// there now.
struct ChangementsEnreg {
    // Room for that many records, taken at once: a large buffer grown step by step costs more
    // than the score calculation itself.
    explicit ChangementsEnreg(std::size_t prevus = 0);
    std::vector<std::int64_t> numeros;
    std::string nouveaux; // their new contents, one after the other
    std::string anciens;  // what the file holds there now
    // Keeps the record unless it is unchanged: rewriting it would leave the same bytes.
    void ajouter(std::int64_t numero, std::string_view nouveau, std::string_view ancien);
    // The same changes made to a copy of the file in memory, whose records they came from.
    void appliquer(std::string& contenu) const;
};

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
    // Records premier to premier + nombre - 1, whole records only, as far as the file goes.
    std::string lireSuite(std::int64_t premier, std::int64_t nombre) const;
    // The whole file as it is on disk.
    std::string contenu() const;

    // Record n (from 1); n = nombre() + 1 appends.
    Ecriture ecrire(std::int64_t n, const Enregistrement& e);
    // Bytes at a position, as they are: the way back for a write that must be undone.
    Ecriture ecrireOctets(std::uintmax_t position, std::string_view octets);
    // The data written so far, to the disk (fdatasync).
    Ecriture vider();
    // Cuts the file back to `longueur`.
    Ecriture tronquer(std::uintmax_t longueur);
    // Runs of consecutive records in one system call each. A record that cannot be written
    // keeps its old content whole and the others are still written. Returns the worst outcome:
    // `Interdite` when the file cannot be written, even with nothing to write.
    Ecriture ecrire(const ChangementsEnreg& changements);

private:
    Ecriture ecrireSuite(std::int64_t premier, std::string_view nouveaux, std::string_view anciens);

    int fd_ = -1;
    bool lectureSeule_ = false;
};

} // namespace palmora
