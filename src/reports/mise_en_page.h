#pragma once

#include "data/textes.h"

#include "data/dates.h"
#include "data/titre_fichier.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace palmora {

// The pages and tables are composed in Windows-1252 bytes, one byte per character, so that
// widths are counted in bytes.
inline constexpr char NB = '\xA0'; // non-breaking space
inline constexpr std::string_view kFinLigne = "\r\n";

// The fixed heading of the ranking pages and printouts, and the notice after "©".
inline constexpr std::string_view kLigneEntete = "Fédération sportive Orvane - Gymnastique";
inline constexpr std::string_view kMentionLegale = "Fédération sportive Orvane";

// What a page takes from elsewhere, in UTF-8: the competition's description, the title of
// the working folder, the start-up date and the version caption ("Palmora - Version 1.00").
struct TextesPage {
    std::string DescriptionCompet;
    TitreCompet titre;
    TextesDate dates;
    std::string legendeVersion;
};

std::string nb(std::size_t n);

// Appends the text trimmed, then padded on the right to `largeur` (never cut).
void ajouterCadre(std::string& sortie, std::string_view texte, std::size_t largeur,
                  char remplissage);

// Padded on the left to `largeur` (never cut).
std::string aDroite(std::string_view texte, std::size_t largeur, char remplissage);

// Appends the text with & < > escaped: inserted data, once composed and padded.
void ajouterHtml(std::string& sortie, std::string_view texte);

// A UTF-8 text of the program, in the pages' code page and escaped for HTML.
std::string donneeHtml(std::string_view utf8);

// Appends one line ended by CR LF.
void ligne(std::string& sortie, std::string_view texte);

// The eleven head lines of the ranking pages; `titrePage` follows the description in
// <TITLE> (" - Classement individuel").
std::string teteClassement(const TextesPage& textes, std::string_view titrePage);

// "Page composée le 05 décembre 2026 par Palmora - Version 1.00 - © …", in Windows-1252.
std::string pageComposee(const TextesPage& textes);

// The apparatus columns of the pages, by slot: the men's Sol, Arçons, Anneaux, Saut,
// Parallèles, Barre fixe; the women's Saut, Barres, Poutre, Sol.
std::span<const int> slotsAffiches(bool hommes);

// A score field holding no score: three blanks or three NULs.
bool sansNote(std::string_view note);

// An apparatus score in 5 characters, as the individual ranking writes it: "10,00", "-----"
// when none was given, otherwise `avant`, the units, the comma and the hundredths.
void ajouterNote(std::string& sortie, std::string_view note, char avant);

// An individual total as "38,50", its leading zero written as `blanc` (" 9,50").
std::string totalAffiche(int total, char blanc);

// A centred paragraph, as the heads use them.
inline constexpr std::string_view kCentre =
    "<p class=MsoNormal align=center style='text-align:center' >";

// The paragraph and the span of the fixed-pitch columns, at `taille` points ("10.0").
inline constexpr std::string_view kParagraphe = "<p class=MsoNormal>";
std::string spanCourier(std::string_view taille);

} // namespace palmora
