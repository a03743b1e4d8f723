#pragma once

#include "platform/horloge.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace palmora::test {

// A fresh folder, removed with its content at the end of the test.
class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& chemin() const { return chemin_; }
    std::filesystem::path operator/(std::string_view nom) const { return chemin_ / nom; }

private:
    std::filesystem::path chemin_;
};

std::string lireFichier(const std::filesystem::path& chemin);
void ecrireFichier(const std::filesystem::path& chemin, std::string_view contenu);
// The rows of a table of cases: one a line, fields split at "|"; empty and "#" lines skipped.
std::vector<std::vector<std::string>> lireTable(const std::filesystem::path& chemin);

// A clock that always tells the same moment.
class HorlogeFixe : public Horloge {
public:
    explicit HorlogeFixe(DateHeure d) : date(d) {}
    DateHeure maintenant() const override { return date; }
    DateHeure date;
};

} // namespace palmora::test
