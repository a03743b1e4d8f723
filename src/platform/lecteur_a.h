#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// The exchange drive that stands for the diskette drive A: of the licence exchange. Its
// operations return 0, or the errno of the failure: ENOMEDIUM when no medium is there
// ("drive not ready"), EACCES, EPERM or EROFS when it refuses writing, ENOSPC when it is full,
// ENOENT when the file to read is not on it.
class LecteurA {
public:
    virtual ~LecteurA() = default;
    // Writes the file `nom` on the medium, replacing a file of that name.
    virtual int ecrire(std::string_view nom, std::string_view contenu) = 0;
    // Reads the whole file `nom` of the medium into `contenu`.
    virtual int lire(std::string_view nom, std::string& contenu) const = 0;
};

// The folder of the exchange drive: the one named by PALMORA_LECTEUR_A when that variable is
// set, otherwise the first medium mounted under /media/$USER/ or /run/media/$USER/. Nothing
// when that folder does not exist: no medium is in the drive.
std::optional<std::filesystem::path> dossierLecteurA();

// The exchange drive of this machine, looked for again at each operation so that a medium
// inserted before "Réessayer" is found.
class LecteurASysteme final : public LecteurA {
public:
    int ecrire(std::string_view nom, std::string_view contenu) override;
    int lire(std::string_view nom, std::string& contenu) const override;
};

} // namespace palmora
