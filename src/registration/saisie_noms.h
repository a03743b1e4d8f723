#pragma once

#include "registration/inscription.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

// Upper case as the program has always made it, in Windows-1252 (é gives É); characters the
// code page cannot hold are reduced first, as they will be when stored.
std::string majuscules(std::string_view texte);

// A first name as stored: first character in upper case, the rest in lower case, and the
// character after a "-" or a space within the first 14 characters in upper case
// ("JEAN-PIERRE" gives "Jean-Pierre").
std::string capitaliserPrénom(std::string_view texte);

// The letters without their accents (é gives e, Œ gives OE, ß gives ss); the rest as it is.
std::string sansAccents(std::string_view texte);

// Key rules of the gymnast boxes (the birth year and licence boxes take digits,
// `toucheChiffre`). Surname: unaccented letters as typed, space, apostrophe and hyphen.
std::optional<std::string> toucheNom(std::string_view caractere);
// First name: letters, the accented small letters à to ü, space, hyphen and apostrophe.
std::optional<std::string> touchePrénom(std::string_view caractere);
// Moved-up flag: N, O or H, put in upper case.
std::optional<std::string> toucheSurCl(std::string_view caractere);

// The boxes of the window, in tab order; the gymnast boxes belong to a row.
enum class Boite { NomEquip, Ville, Nom, Prénom, Naissance, SurCl, NoLic };
struct Place {
    Boite boite;
    int ligne = 0;
    bool operator==(const Place&) const = default;
};

// Entering a box: the texts before it are put in shape (upper case, capitalised first name,
// "N" in an empty moved-up box), and the place the focus is sent back to when a box it
// needs is empty; nothing when the focus stays.
std::optional<Place> entrerBoite(EquipeSaisie& equipe, Place place);

// Enter in a box: the box the focus goes to, or nothing when the team is to be validated
// (Enter in the licence box of the last row, its surname filled). In the licence box of a
// row without surname, the number typed fills the row from the licence registry, or is
// cleared when the registry does not know it.
std::optional<Place> toucheEntree(const std::filesystem::path& dossierProgramme,
                                  EquipeSaisie& equipe, Place place);

} // namespace palmora
