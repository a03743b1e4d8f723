#pragma once

#include "reports/classement_equipes.h"
#include "reports/mise_en_page.h"
#include "reports/page_indiv.h"

namespace palmora {

// The team ranking page and table; `CodeAgres` chooses the apparatus columns ("M" the men's,
// otherwise the women's).
PageEtTable composerClEquip(const ClassementEquipes& cl, char CodeAgres, const TextesPage& textes);

// A team's apparatus score as the page shows it: "28,15" from the stored "2815".
std::string notePage(std::string_view note);

// A team total as the page shows it: 12345 gives " 123,45" after one non-breaking space,
// 50 gives "0,50" after three, 0 gives "0" after three.
std::string totalEquipePage(long total);

} // namespace palmora
