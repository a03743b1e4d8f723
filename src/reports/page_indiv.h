#pragma once

#include "reports/classement_indiv.h"
#include "reports/mise_en_page.h"

#include <string>

namespace palmora {

// A ranking as its HTML page and its tab-separated table, both in Windows-1252 with CR LF.
struct PageEtTable {
    std::string page;
    std::string table;
};

// The individual ranking page and table: `CodeAgres` chooses the apparatus columns ("M" the
// men's, otherwise the women's), `CodeSexe` the wording of the individual entrants' legend.
PageEtTable composerClIndiv(const ClassementIndiv& cl, char CodeAgres, char CodeSexe,
                            const TextesPage& textes);

} // namespace palmora
