#pragma once

#include "registration/inscription.h"
#include "registration/lecture_csv.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

// The columns of a registration file, by what they hold.
enum class Colonne { Equipe, Ville, Nom, Prénom, Naissance, SurCl, NoLic };
inline constexpr std::size_t kNbColonnes = 7;
// The place of each column in a row; nothing for a column the file does not have.
using Colonnes = std::array<std::optional<std::size_t>, kNbColonnes>;

// What the refusal of a file names: the headers looked for.
inline constexpr std::string_view kEntetesCherches =
    "Equipe (ou Club), Ville et Nom, puis si besoin Prenom, Annee (ou Naissance, Ne(e) en, AN), "
    "Surcl (ou Surclassement) et Licence (ou N° licence, No licence)";

// The columns found in the header, in any order, case, accents, blanks and punctuation
// ignored; nothing when the team, the town or the surname is missing.
std::optional<Colonnes> trouverColonnes(const std::vector<std::string>& entete);

// Something the organiser should know about a line of the file.
struct Probleme {
    int ligne = 0;
    std::string texte;
    bool operator==(const Probleme&) const = default;
};

// A gymnast line, its fields as the registration boxes would hold them typed.
struct LigneImport {
    int numero = 0;
    std::string NomEquip; // trimmed and upper-cased, as the window makes them
    std::string Ville;
    LigneGymnaste gymnaste;
    std::string refus; // why the gymnast cannot be registered; empty when it can
};

// The line's fields turned into what the boxes would store: surname without accents and in
// upper case (any character the box refuses refuses the gymnast), first name capitalised,
// birth year on its last two digits, moved-up flag N, O or H ("N" when empty), licence in
// digits; texts longer than their field are cut. A licence the registry knows (`entrees`)
// fills the surname, first name, birth year and flag the line leaves empty; the line wins
// where they differ. Cuts and differences go to `problemes`; a line without team, town or
// surname is left out there, and nothing is returned.
std::optional<LigneImport> lireLigneImport(const LigneCsv& ligne, const Colonnes& colonnes,
                                           std::string_view entrees,
                                           std::vector<Probleme>& problemes);

// The text cut to `largeur` characters of the code page; whether it was cut.
bool couper(std::string& texte, std::size_t largeur);

} // namespace palmora
