#pragma once

#include "reports/mise_en_page.h"

#include <filesystem>
#include <optional>
#include <string>

namespace palmora {

class Dialogues;
class OuvreurDocuments;
class Competition;

// Where the pages and tables go, in the working folder. The individual files carry the
// plateau number of the file name unless it is "00"; `extension` is ".htm" or ".txt".
std::filesystem::path cheminClIndiv(const Competition& etat, std::string_view extension);
std::filesystem::path cheminClEquip(const Competition& etat, std::string_view extension);

// Rank and write the page and its table. A file that cannot be written is named in a message
// and the program goes on. Return the page's path (PageClIndiv, PageClEquip), nothing when the
// page could not be written.
std::optional<std::filesystem::path> EcrireClIndiv(Competition& etat, const TextesPage& textes,
                                                   Dialogues& dialogues);
std::optional<std::filesystem::path> EcrireClEquip(Competition& etat, const TextesPage& textes,
                                                   Dialogues& dialogues);
// VoirNotes.htm, after both rankings.
std::optional<std::filesystem::path> EcrireVoirNotes(Competition& etat, const TextesPage& textes,
                                                     Dialogues& dialogues);

// The commands Ctrl+V ("Voir_Cl_Indiv"), Ctrl+E ("Voir_Cl_Equip") and Ctrl+S ("Voir_Notes"):
// write the page, announce it, then open it with the associated browser (or say where it is).
void VoirClIndiv(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                 OuvreurDocuments& ouvreur);
void VoirClEquip(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                 OuvreurDocuments& ouvreur);
void VoirNotes(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
               OuvreurDocuments& ouvreur);

} // namespace palmora
