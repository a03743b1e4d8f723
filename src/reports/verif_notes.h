#pragma once

#include <string_view>

namespace palmora {

class Dialogues;
class Competition;

// Whether a judge's mark was never entered (three NULs) on an apparatus in use, empty team
// slots aside. Stops at the first one and names it in an "Impression impossible" message,
// unless `ModeVerif` is "prot" (the protect command shows its own). Returns NotesManquent.
bool VerifNotes(Competition& etat, Dialogues& dialogues, std::string_view ModeVerif = "");

} // namespace palmora
