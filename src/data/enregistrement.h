#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace palmora {

inline constexpr int kTailleEnreg = 300;
// Code 160 (non-breaking space): the empty-slot surname and the protection mark.
inline constexpr char kCode160 = static_cast<char>(0xA0);
inline constexpr char kNul = '\0';

// A field of a record: 1-based position and length, as the record layout gives them.
struct Champ {
    int position;
    int longueur;
};

namespace champs {
inline constexpr Champ NomEquip{1, 15};
inline constexpr Champ Nom{16, 15};
inline constexpr Champ Prénom{31, 15};
inline constexpr Champ Naissance{46, 2};
inline constexpr Champ SurCl{48, 1};
inline constexpr Champ BlocConfig{49, 10};
inline constexpr Champ CodeAppart{49, 1};
inline constexpr Champ EffectEquip{50, 1};
inline constexpr Champ CalcEquip{51, 1};
inline constexpr Champ JugesPoutre{58, 1};
inline constexpr Champ TotalIndiv{185, 4};
inline constexpr Champ NoLic{189, 10};
inline constexpr Champ Ville{231, 20};
inline constexpr Champ TotalEquipe{275, 5};
inline constexpr Champ MarqueProtection{300, 1};

// Slots s and judges j count from 1.
constexpr Champ Notes(int s, int j) {
    return {59 + 18 * (s - 1) + 3 * (j - 1), 3};
}
constexpr Champ NoteAgres(int s) {
    return {167 + 3 * (s - 1), 3};
}
constexpr Champ Deduc(int s) {
    return {201 + 5 * (s - 1), 4};
}
constexpr Champ NoteEquipe(int s) {
    return {251 + 4 * (s - 1), 4};
}
// Judges digit of slot s (Anneaux 52 … Sol 57); the beam has its own digit at 58.
constexpr Champ JugesSlot(int s) {
    return {51 + s, 1};
}
} // namespace champs

// One 300-byte record of a competition file, bytes as stored (Windows-1252).
class Enregistrement {
public:
    Enregistrement() { octets_.fill(kNul); }
    // Takes the first 300 bytes; a shorter input reads as NUL beyond its end.
    explicit Enregistrement(std::string_view brut);

    std::string_view lire(Champ c) const {
        return {octets_.data() + c.position - 1, static_cast<std::size_t>(c.longueur)};
    }
    // Replaces the field in place: `valeur` is cut or padded with `remplissage`.
    void poser(Champ c, std::string_view valeur, char remplissage = ' ');
    // Numeric value of a field, read leniently; a NUL or a space reads as 0.
    long long nombre(Champ c) const;

    char& operator[](int position) { return octets_[position - 1]; }
    char operator[](int position) const { return octets_[position - 1]; }
    std::string_view octets() const { return {octets_.data(), octets_.size()}; }
    const char* data() const { return octets_.data(); }
    char* data() { return octets_.data(); }
    bool operator==(const Enregistrement&) const = default;

private:
    std::array<char, kTailleEnreg> octets_;
};

// The record a new competition holds: 48 spaces, the settings block, then NULs.
Enregistrement enregistrementProvisoire(std::string_view blocConfig);

// True for the placeholder record of a competition without teams: no team name, no gymnast.
bool estProvisoire(const Enregistrement& e);

// True when the slot holds no gymnast (surname starting with code 160).
bool slotVide(const Enregistrement& e);

// An empty place of a team on screen: no surname, or the empty-slot mark.
bool placeVide(const Enregistrement& e);

// No gymnast in the record: `Nom` and `Prénom` hold nothing but blanks, or a lone code 160
// (an empty slot of a team, or the placeholder record of a new competition).
bool gymnasteVide(const Enregistrement& e);

// The team name holds "*": a group of individual entrants, which gets no team total or place.
bool equipeIndividuelle(std::string_view nomEquipe);

// An individual entrant, or his group: a "*" anywhere in the record.
bool porteEtoile(const Enregistrement& e);

// The score encoding: hundredths on three digits, where 10,00 (1000), which three digits
// cannot hold, is stored "999".
inline constexpr int kNoteDix = 1000;
inline constexpr std::string_view kChampDix = "999";
// A stored score in hundredths ("999" counting 1000); lenient for blanks and NULs.
int centiemesScore(std::string_view champ);

// An apparatus as the program offers it: its slot, menu label and where its judges digit is.
struct Agres {
    int slot;
    std::string_view libelle; // menu label: key and caption of the "Note" menu
    std::string_view phrase;  // used in the score-entry texts ("au sol")
    Champ juges;
};

// Apparatus in the order they are offered: men's for "M", women's for anything else.
std::span<const Agres> agresDe(char codeAgres);

} // namespace palmora
