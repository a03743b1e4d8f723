#pragma once

#include "data/competition.h"
#include "data/dates.h"
#include "data/table_ages.h"
#include "data/titre_fichier.h"
#include "platform/version.h"
#include "reports/mise_en_page.h"

#include <filesystem>

namespace palmora {

// What the program keeps from start-up to the end: the open competition and the shell's
// own state. Owned by the main window.
struct EtatAppli {
    Competition compet;
    std::filesystem::path dossierProgramme;
    TextesDate dates;
    TitreCompet titre;
    BornesCategories BornesAges;
};

// The page texts of the open competition: its description, the folder's title, the
// start-up date and this build's version.
inline TextesPage textesPage(const EtatAppli& appli) {
    return {appli.compet.DescriptionCompet(), appli.titre, appli.dates, legendeVersion()};
}

} // namespace palmora
