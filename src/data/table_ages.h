#pragma once

#include "platform/horloge.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace palmora {

class Dialogues;

// The season's birth-year table, in the program folder: one record of 32 characters, eight
// rows of two two-digit years (`Déb`, then `Fin`), older year first. Rows 0 to 3 are the
// Féminines' bands 7-8, 9-10, 11-12 and 13-14 ans, rows 4 to 7 the Masculins' likewise.
inline constexpr std::string_view kFichierAges = "AGE.AGE";
inline constexpr std::size_t kTailleTableAges = 32;

// First and last four-digit birth year of a category; 0 where there is none.
struct Bornes {
    int premiere = 0;
    int derniere = 0;
    bool operator==(const Bornes&) const = default;
};

// Category letters of the competition file name, in the order their bounds are kept:
// 7-8 ans, 9-10 ans, 9-12 ans, 9-14 ans, 11-14 ans, Toutes catégories.
inline constexpr std::string_view kCategoriesAges = "NPBMJT";

// `BornesAges`: the bounds of every category for each sex; all 0 until the table is loaded.
struct BornesCategories {
    std::array<Bornes, 6> feminines{};
    std::array<Bornes, 6> masculins{};
    // The bounds for sex 'F' or 'M' and a category letter; nullptr when either is unknown.
    const Bornes* de(char sexe, char categorie) const;
    bool operator==(const BornesCategories&) const = default;
};

// The sixteen two-digit years, row by row, `Déb` then `Fin`.
using AnneesAges = std::array<long long, 16>;
// The sixteen box texts of the `Ages` dialog, in the same order.
using TextesAges = std::array<std::string, 16>;

// A two-digit year as four digits: up to 50 it is 20xx, beyond 19xx.
int elargirAnnee(long long annee);
// The years of a stored table, read leniently two characters at a time.
AnneesAges anneesDeTable(std::string_view table);
BornesCategories deriverBornes(const AnneesAges& annees);

// The built-in table of the season of `date`; "" from September 2006 on, when the
// organiser keeps the table up to date in the dialog.
std::string_view tableDeSaison(const DateHeure& date);
// From September 2006 on, start-up always asks for the table.
bool saisieAgesObligatoire(const DateHeure& date);
// The main window's command for the birth years answers only after September 2006.
bool saisieAgesPermise(const DateHeure& date);

// `ChargerAges`, at start-up: while a built-in table applies, it replaces a stored table
// that differs and gives the bounds; returns false when the `Ages` dialog must open instead
// (table missing, of the wrong length, or no built-in table for the date).
bool ChargerAges(const std::filesystem::path& dossierProgramme, const DateHeure& date,
                 BornesCategories& BornesAges, Dialogues& dialogues);

// What the `Ages` dialog shows on opening: the stored years, or sixteen empty boxes when
// the table is not 32 characters long.
TextesAges lireTextesAges(const std::filesystem::path& dossierProgramme);

// "&Oui": the box texts are stored (padded with spaces to 32) and the bounds derived from
// them. A table that cannot be written is reported; the bounds still hold for this session.
BornesCategories EnregistrerAges(const std::filesystem::path& dossierProgramme,
                                 const TextesAges& textes, Dialogues& dialogues);

// "A&nnuler": without a usable table (fewer than 12 characters) the program ends with
// "Années non saisies".
void AbandonnerAges(const std::filesystem::path& dossierProgramme, Dialogues& dialogues);

} // namespace palmora
