#pragma once

#include <string>
#include <string_view>

namespace palmora {

// Character `position` (from 1) of a competition file name, upper-cased (ASCII); a space
// when the name is shorter. The name on disk may be in any case.
char caractereNom(std::string_view nom, int position);

// "M" for a men's competition, "F" otherwise: the name's first character, except that the
// level "E" is always women's.
char codeSexe(std::string_view nom);

// True when the name ends with ".plm" in any case.
bool estNomCompetition(std::string_view nom);

// The readable description of a competition from its file name, as the list and the
// status bar show it ("Féminines Honneur . 9-10 ans . Simple appartenance").
std::string DecrireCompet(std::string_view nom);

} // namespace palmora
