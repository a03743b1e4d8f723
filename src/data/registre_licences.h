#pragma once

#include "data/enregistrement.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Dialogues;
class Competition;

// The licence registry, in the program folder: entries of 100 characters (Windows-1252), no
// header. An entry is the licence number on ten digits, the surname (15), the first name
// (15), the birth year (2), the town (20), the moved-up flag (1), then 37 spaces.
inline constexpr std::string_view kFichierRegistre = "Orvane.lic";
// The sorted registry is made complete under this name before it takes the registry's place.
inline constexpr std::string_view kFichierTriRegistre = "Orvane01.prv";
inline constexpr std::size_t kTailleEntree = 100;

// An entry as the registration boxes show it (UTF-8, trailing blanks removed).
struct EntreeLicence {
    std::string NoLic; // ten digits
    std::string Nom;
    std::string Prénom;
    std::string Naissance;
    std::string Ville;
    std::string SurCl;
    bool operator==(const EntreeLicence&) const = default;
};

// The entry a competition record gives, or nothing when its licence number is missing or 0
// (gymnasts without licence, empty slots, the placeholder record).
std::optional<std::string> entreeDepuisEnreg(const Enregistrement& e);

// `ReconstruireRegistre`, at quit: closes the open competition, appends the licensed gymnasts
// of the working folder's competition files (`fichiersCompet`, names in that folder) to the
// registry, sorts it and keeps, for each licence number, the smallest whole entry. The
// registry is replaced in one step; a competition file that cannot be read is skipped. A
// registry that cannot be written is named in a message; the old one stays and false is
// returned.
bool ReconstruireRegistre(Competition& etat, const std::filesystem::path& dossierProgramme,
                          const std::vector<std::string>& fichiersCompet, Dialogues& dialogues);

// The common part of every rebuild: `ajouts` (whole entries) are appended to the registry's
// entries, then the whole is sorted, cleared of duplicates and put in place of the registry.
// With no entry at all the registry stays as it is (created empty when missing). A failure
// is named in a message of title `titre`.
bool fusionnerRegistre(const std::filesystem::path& dossierProgramme, std::string_view ajouts,
                       const std::string& titre, Dialogues& dialogues);

// The registry's whole entries (a trailing partial one left out), read once for many lookups;
// a missing registry is created empty.
std::string EntreesRegistre(const std::filesystem::path& dossierProgramme);
// The first entry of `entrees` whose licence number reads as `numero`, in record order.
std::optional<EntreeLicence> chercherLicence(std::string_view entrees, long long numero);
// The first entry of the registry whose licence number reads as `numero`, in record order; a
// missing registry is created empty and gives nothing.
std::optional<EntreeLicence> ChercherLicence(const std::filesystem::path& dossierProgramme,
                                             long long numero);

// The registry's bytes as they are on disk; nothing when it does not exist.
std::optional<std::string> lireFichierRegistre(const std::filesystem::path& dossierProgramme);

} // namespace palmora
