#pragma once

#include "platform/horloge.h"

#include <filesystem>

namespace palmora {

class Dialogues;

enum class IssueDossier {
    Pret,           // the working folder is settled and is the current directory
    ChoisirDossier, // the organiser picks one in the working-folder dialog
    Quitter         // the program ends
};

struct DossierDuJour {
    IssueDossier issue;
    std::filesystem::path dossier; // the day's folder, settled or proposed
};

// Settles the day's folder under the program folder: used when it exists, created after the
// "Dossier de travail" question (Yes), left to the working-folder dialog (No), or the end of
// the program (Cancel).
DossierDuJour preparerDossierDuJour(const std::filesystem::path& dossierProgramme,
                                    const DateHeure& date, Dialogues& dialogues);

// The working-folder dialog's "Oui": refuses the program folder itself with "Choix incorrect";
// otherwise makes the folder the current directory. Returns whether it was accepted.
bool accepterDossierTravail(const std::filesystem::path& choisi,
                            const std::filesystem::path& dossierProgramme, Dialogues& dialogues);

} // namespace palmora
