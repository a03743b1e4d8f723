#include "scoring/boites_notes.h"

#include "data/touches.h"

#include <charconv>
#include <cmath>

namespace palmora {

namespace {

// Cut or completed with `complement` to `longueur` characters.
std::string ajuster(std::string texte, std::string_view complement, std::size_t longueur) {
    texte += complement;
    texte.resize(std::min(texte.size(), longueur));
    return texte;
}

// The decimal value of a text, read leniently: an optional minus sign, digits, a point and
// decimals; reading stops at anything else, and a text without a number reads as 0.
double valeurDecimale(std::string_view texte) {
    double valeur = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), valeur, std::chars_format::fixed);
    return valeur;
}

} // namespace

std::optional<std::string> toucheNote(std::string_view caractere) {
    if (caractere == "." || caractere == ",") return ",";
    return toucheChiffre(caractere);
}

std::optional<std::string> toucheDeduction(std::string_view caractere) {
    if (caractere == "+") return "-";
    return toucheNote(caractere);
}

std::string normaliserNote(std::string_view texte) {
    std::string note(rogner(texte));
    if (note.empty()) return {};
    if (note.front() == ',') note.insert(0, "0");
    if (note.find(',') == std::string::npos) note = ajuster(note, "000", 3).insert(1, ",");
    return ajuster(std::string(rogner(note)), "0000", 4);
}

std::optional<std::string> normaliserDeduction(std::string_view texte) {
    std::string nombre;
    for (char c : texte)
        if (c != ' ') nombre += c == ',' ? '.' : c;
    if (nombre.find('.') == std::string::npos)
        nombre.insert(std::min<std::size_t>(nombre.starts_with('-') ? 2 : 1, nombre.size()), ".");
    const double valeur = valeurDecimale(nombre);
    if (valeur == 0) return " 0,00";
    if (std::fabs(valeur) > 3) return std::nullopt;

    // The decimals as the shortest writing of the value gives them (0,5 for 0.50). A value up
    // to 3 takes at most some 330 characters (a long run of zeros typed before a digit).
    char ecrit[400];
    const auto fin =
        std::to_chars(ecrit, ecrit + sizeof ecrit, std::fabs(valeur), std::chars_format::fixed).ptr;
    const std::string_view absolu(ecrit, static_cast<std::size_t>(fin - ecrit));
    const auto point = absolu.find('.');
    const std::string_view decimales =
        point == std::string_view::npos ? std::string_view{} : absolu.substr(point + 1);
    const char unite = static_cast<char>('0' + static_cast<int>(std::fabs(valeur)));
    std::string deduction{valeur < 0 ? '-' : ' ', unite, ','};
    deduction += decimales;
    return ajuster(deduction, "00", 5);
}

} // namespace palmora
