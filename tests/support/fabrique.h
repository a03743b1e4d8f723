#pragma once

#include "data/enregistrement.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace palmora::test {

// Settings of a women's team of 4, 3 retained, 4 judges at Saut, Barres, Poutre and Sol.
inline constexpr std::string_view kBlocFeminin = "0430004444";

// A gymnast record as registration writes it (texts given in UTF-8, stored in Windows-1252).
Enregistrement gymnaste(std::string_view equipe, std::string_view ville, std::string_view nom,
                        std::string_view bloc = kBlocFeminin);
// An empty slot of a team.
Enregistrement slotLibre(std::string_view equipe, std::string_view ville,
                         std::string_view bloc = kBlocFeminin);
// A gymnast record carrying a licence number.
Enregistrement licencie(std::string_view equipe, std::string_view ville, std::string_view nom,
                        std::string_view licence);
// A licence registry entry holding only its number and a surname, then blanks to 100 characters.
std::string entreeNue(std::string_view licence, std::string_view nom);
// The bytes of a file holding these records in order.
std::string fichier(std::initializer_list<Enregistrement> enregistrements);

} // namespace palmora::test
