#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palmora {

class Dialogues;

// The title of the working folder, in TITRE.1: one line of two fields in double quotes,
// separated by a comma, ended by CR LF, in Windows-1252. Every change keeps the former
// file as the next free copy TITRE.000 to TITRE.999.
inline constexpr std::string_view kFichierTitre = "TITRE.1";
inline constexpr int kLongueurTitre = 60;
inline constexpr int kLongueurLieuDate = 50;

struct TitreCompet {
    std::string ligne1; // the competition title
    std::string ligne2; // its place and date
    // No title: both lines blank.
    bool vide() const;
    bool operator==(const TitreCompet&) const = default;
};

// The two fields of a title text, read one after the other: a field in double quotes ends
// at its closing quote (a comma inside stays in it); a field without quotes ends at the next
// comma or line end and loses its surrounding blanks. Nothing when the text ends first.
std::optional<TitreCompet> lireChampsTitre(std::string_view texte);

// TITRE.1 of `dossier`; nothing when it is missing or unreadable.
std::optional<TitreCompet> LireTitre(const std::filesystem::path& dossier);

// Renames TITRE.1, when there is one, to the first free name from TITRE.000 to TITRE.999.
// When all are taken the file stays where it is (and is overwritten by the next title).
void SauverAncienTitre(const std::filesystem::path& dossier);

// "&Terminé": the boxes without their surrounding blanks become the title. An empty title
// returns false (the dialog stays open); otherwise the former file is kept as a copy and
// TITRE.1 written anew (a failure is reported, the title still holds for this session).
bool TerminerTitre(const std::filesystem::path& dossier, std::string_view Titre1,
                   std::string_view LieuDate, TitreCompet& titre, Dialogues& dialogues);

// "A&nnuler": without a title the program cannot go on, and ends.
void AnnulerTitre(const TitreCompet& titre, Dialogues& dialogues);

// What the main window's title label shows, and in which size.
struct LibelleTitre {
    std::string texte;
    int taille;
};
LibelleTitre libelleTitre(const TitreCompet& titre);

// A double quote would cut its field when the file is read back, a line break its line:
// the title boxes refuse both.
std::optional<std::string> toucheTitre(std::string_view caractere);

} // namespace palmora
