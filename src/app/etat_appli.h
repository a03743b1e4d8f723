#pragma once

#include "app/dates.h"
#include "app/titre_fichier.h"
#include "data/competition.h"
#include "data/table_ages.h"

#include <filesystem>

namespace palmora {

// What the program keeps from start-up to the end: the open competition and the shell's
// own state. Owned by the main window.
struct EtatAppli {
    EtatCompet compet;
    std::filesystem::path dossierProgramme;
    TextesDate dates;
    TitreCompet titre;
    BornesCategories BornesAges;
};

} // namespace palmora
