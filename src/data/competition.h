#pragma once

#include "data/ecriture.h"
#include "data/enregistrement.h"
#include "data/fichier_enreg.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace palmora {

class Dialogues;
class Sauvegardes;

inline constexpr std::string_view FichierTempo = "TEMPO";
inline constexpr std::string_view FichierProvi = "Provi.PLM";

// The settings digit at `chiffre` of a settings block; 0 beyond its end.
int chiffreReglage(std::string_view bloc, Champ chiffre);

// Whether a file of `longueur` bytes, whose first record is `premier`, holds more than its
// placeholder record: at least one team was registered (with a team size of 1, a single team
// is as long as the placeholder).
bool aDesEquipes(std::uintmax_t longueur, const Enregistrement& premier);

// Whole teams of EffectEquip records in such a file; a placeholder alone makes none.
std::int64_t nombreEquipes(std::uintmax_t longueur, const Enregistrement& premier);

// The open competition: the one way to its file. It opens, reads, writes and replaces the file
// on one handle, kept open between commands, and derives the rest: the codes and description
// from the file's name, the settings from its first record, the counts from its length. One
// instance, owned by the main window and handed to the logic.
class Competition {
public:
    Competition() = default;
    Competition(const Competition&) = delete;
    Competition& operator=(const Competition&) = delete;

    // The working folder. Changing it closes the competition.
    const std::filesystem::path& DossierTravail() const { return dossier_; }
    void changerDossier(const std::filesystem::path& dossier);

    // Closes what was open, then opens `nom` of the working folder. A protected file is
    // announced with the "Fichier protégé." message; a file that cannot be opened is reported
    // and leaves no competition open. Returns whether one is open.
    bool Ouvrir(std::string_view nom, Dialogues& dialogues);
    // Writes `contenu` as the new file `nom` of the working folder (in one step, through
    // "TEMPO"), then opens it. A folder that refuses writing shows "Modification interdite.";
    // any other failure is reported ("ne peut pas être créé") and nothing is open.
    bool Creer(std::string_view nom, std::string_view contenu, Dialogues& dialogues);
    // No competition stays open.
    void Fermer();

    // Copies are kept from now on (the program's; tests choose): see Sauvegardes.
    void installerSauvegardes(Sauvegardes& sauvegardes) { sauvegardes_ = &sauvegardes; }
    // A copy of the file as it is now (`forcee`: whatever the minute rule), when copies are kept.
    void sauvegarder(bool forcee, Dialogues& dialogues) const;
    // Counts the changes written through this object: a copy is made only of a changed file.
    std::int64_t revision() const { return revision_; }

    bool ouvert() const { return !nom_.empty(); }
    // Name on disk; "" when no competition is open.
    const std::string& FichierCompet() const { return nom_; }
    std::filesystem::path chemin() const { return dossier_ / nom_; }
    bool lectureSeule() const { return fichier_.lectureSeule(); }
    bool Protege() const { return protege_; }

    // From the name.
    std::string DescriptionCompet() const;
    char CodeSexe() const;
    char CodeAgres() const { return CodeSexe() == 'M' ? 'M' : 'F'; }
    char CodeAppart() const;
    char niveau() const; // level character of the name (third)

    // From the settings block of the first record, as the file holds it.
    const std::string& BlocConfig() const { return bloc_; }
    int EffectEquip() const { return chiffreReglage(champs::EffectEquip); }
    int CalcEquip() const { return chiffreReglage(champs::CalcEquip); }
    // The judges digit of the settings at that field (`champs::JugesSlot(s)`, `JugesPoutre`).
    int juges(Champ chiffre) const { return chiffreReglage(chiffre); }

    // From the length: whole records, whole teams.
    std::int64_t NbEnreg() const { return fichier_.nombre(); }
    // Whole teams of EffectEquip records; a file holding only its placeholder record has none.
    std::int64_t nbEquipes() const;
    // The file holds more than its placeholder record: at least one team was registered (with
    // a team size of 1, a single team is as long as the placeholder).
    bool aDesEquipes() const;
    // First record of team t (from 1).
    std::int64_t premierEnregEquipe(std::int64_t t) const { return EffectEquip() * (t - 1) + 1; }

    // Record n, whole; a missing record reads as NULs (and gives false).
    bool LireEnreg(std::int64_t n, Enregistrement& e) const { return fichier_.lire(n, e); }
    Enregistrement LireEnreg(std::int64_t n) const;
    // Records premier to premier + nombre - 1, as far as the file goes.
    std::string lireSuite(std::int64_t premier, std::int64_t nombre) const {
        return fichier_.lireSuite(premier, nombre);
    }
    // The whole file.
    std::string contenu() const { return fichier_.contenu(); }

    // The records of one command, from record `premier` on (NbEnreg + 1 appends), all of them
    // or none, flushed to the disk once. When a write or the flush fails, the records already
    // written get their previous bytes back and a file that grew is cut back, so that the file
    // is as it was; then a file that cannot be written shows "Modification interdite." and ends
    // the program, and any other failure (a full disk) is named in a message and returned.
    Ecriture EcrireEnregs(std::int64_t premier, std::span<const Enregistrement> enregs,
                          Dialogues& dialogues);
    Ecriture EcrireEnreg(std::int64_t n, const Enregistrement& e, Dialogues& dialogues) {
        return EcrireEnregs(n, {&e, 1}, dialogues);
    }
    // Values derived from the marks, rewritten where they changed: a record that cannot be
    // written keeps its content and nothing is told (they are computed again next time).
    void ecrireDerives(const ChangementsEnreg& changements);
    // `contenu` takes the place of the whole file in one step (written to `temporaire` first)
    // and the file is opened again. A file that cannot be written shows "Modification
    // interdite." and ends the program; any other failure (a full disk) leaves the file as it
    // was and is named in a message. Returns whether the file was replaced.
    bool Remplacer(std::string_view temporaire, std::string_view contenu, Dialogues& dialogues);
    // Deletes the file; then no competition stays open. A file that refuses it shows
    // "Modification interdite." and ends the program; any other failure is named in a message
    // and the competition stays open as it was. Returns whether the file was deleted.
    bool Supprimer(Dialogues& dialogues);

private:
    int chiffreReglage(Champ chiffre) const { return palmora::chiffreReglage(bloc_, chiffre); }
    // Puts back what a failed command changed: `anciens` at record `premier`, the length.
    bool remettre(std::int64_t premier, std::string_view anciens, std::uintmax_t longueur);
    // Opens the file under the current name; reads the settings and the protection mark.
    bool ouvrirFichier();

    std::filesystem::path dossier_;
    std::string nom_;
    FichierEnreg fichier_;
    std::string bloc_; // the settings block of the first record
    bool protege_ = false;
    std::int64_t revision_ = 0;
    Sauvegardes* sauvegardes_ = nullptr;
};

// The records of `contenu` in sorted order (team name, town, then the rest of the record).
std::string contenuTrie(std::string_view contenu);
// Rewrites the open file in sorted order (`contenuTrie`).
void TrierFichier(Competition& compet, Dialogues& dialogues);

// Rewrites the open file without the records of one team (name and town as typed) and
// deletes the file when nothing is left; returns true when the file was deleted.
bool RetirerEquipe(Competition& compet, std::string_view nomEquipe, std::string_view ville,
                   Dialogues& dialogues);

// Writes the protection mark (code 160) or NUL into position 300 of every record; Protege
// follows the mark.
void MarquerProtection(Competition& compet, char marque, Dialogues& dialogues);

// "Modification interdite." / "Compétition terminée", then the program ends.
[[noreturn]] void signalerModificationInterdite(Dialogues& dialogues);

} // namespace palmora
