#pragma once

#include "data/enregistrement.h"
#include "data/fichier_enreg.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace palmora {

class Dialogues;

inline constexpr std::string_view FichierTempo = "TEMPO";
inline constexpr std::string_view FichierProvi = "Provi.PLM";

// The open competition: filled by OuvrirCompet, read by the whole program. One instance,
// owned by the main window and handed to the logic.
struct EtatCompet {
    std::filesystem::path DossierTravail;
    std::string FichierCompet; // name on disk; "" when no competition is open
    std::string DescriptionCompet;
    char CodeSexe = ' ';
    char CodeAgres = ' ';
    char CodeAppart = ' ';
    int EffectEquip = 0;
    int CalcEquip = 0;
    int JugesAnneaux = 0;
    int JugesArcons = 0;
    int JugesFixe = 0;
    int JugesBarres = 0;
    int JugesSaut = 0;
    int JugesSol = 0;
    int JugesPoutre = 0;
    std::string BlocConfig;
    std::int64_t NbEnreg = 0;
    bool Protege = false;
    Enregistrement Enreg;
    FichierEnreg fichier;

    bool ouvert() const { return !FichierCompet.empty(); }
    std::filesystem::path chemin() const { return DossierTravail / FichierCompet; }
    // Level character of the name (third).
    char niveau() const;
    // Whole teams of EffectEquip records in the file; a file holding only its placeholder
    // record has none.
    std::int64_t nbEquipes() const;
    // The file holds more than its placeholder record: at least one team was registered
    // (with a team size of 1, a single team is as long as the placeholder).
    bool aDesEquipes() const;
    // First record of team t (from 1).
    std::int64_t premierEnregEquipe(std::int64_t t) const { return EffectEquip * (t - 1) + 1; }
};

// Closes every file; then, unless FichierCompet is "", opens it and fills the state. A
// protected file is announced with the "Fichier protégé." message. A file that cannot be
// opened is reported and leaves no competition open; returns whether one is open.
bool OuvrirCompet(EtatCompet& etat, Dialogues& dialogues);

// Closes every file; no competition stays open.
void FermerCompet(EtatCompet& etat);

// Record n into Enreg, whole; a missing record reads as NULs.
bool LireEnreg(EtatCompet& etat, std::int64_t n);

// Enreg to record n, whole (n = NbEnreg + 1 appends). A file that cannot be written shows
// "Modification interdite." and ends the program; any other failure (a full disk) is named in
// a message and returned.
Ecriture EcrireEnreg(EtatCompet& etat, std::int64_t n, Dialogues& dialogues);

// Whole-file rewrites of the open competition: `contenu` takes the place of the file in one
// step (written to `temporaire` first) and the file is opened again. A file that cannot be
// written shows "Modification interdite." and ends the program; any other failure (a full
// disk) leaves the file as it was and is named in a message. Returns whether the file was
// replaced.
bool RemplacerCompet(EtatCompet& etat, std::string_view temporaire, std::string_view contenu,
                     Dialogues& dialogues);

// Rewrites the open file in sorted order (team name, town, then the rest of the record).
void TrierFichier(EtatCompet& etat, Dialogues& dialogues);

// Rewrites the open file without the records of one team (name and town as typed) and
// deletes the file when nothing is left; returns true when the file was deleted.
bool RetirerEquipe(EtatCompet& etat, std::string_view nomEquipe, std::string_view ville,
                   Dialogues& dialogues);

// Writes the protection mark (code 160) or NUL into position 300 of every record; Protege
// follows the mark.
void MarquerProtection(EtatCompet& etat, char marque, Dialogues& dialogues);

// "Modification interdite." / "Compétition terminée", then the program ends.
[[noreturn]] void signalerModificationInterdite(Dialogues& dialogues);

} // namespace palmora
