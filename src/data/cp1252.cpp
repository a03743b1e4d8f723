#include "data/cp1252.h"

#include <array>
#include <cstdint>

namespace palmora {
namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kPlageC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Base letters of U+0100 to U+017F (Latin Extended-A).
constexpr std::string_view kBasesLatinA = "AaAaAaCcCcCcCcDd"
                                          "DdEeEeEeEeEeGgGg"
                                          "GgGgHhHhIiIiIiIi"
                                          "IiIiJjKkkLlLlLlL"
                                          "lLlNnNnNnnNnOoOo"
                                          "OoOoRrRrRrSsSsSs"
                                          "SsTtTtTtUuUuUuUu"
                                          "UuUuWwYyYZzZzZzs";

void ajouterUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one code point at `i`, advancing it; returns U+FFFD for a malformed sequence.
char32_t lireUtf8(std::string_view s, std::size_t& i) {
    const auto octet = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t premier = octet(i);
    int suite = 0;
    char32_t c = 0;
    if (premier < 0x80) {
        ++i;
        return premier;
    } else if ((premier & 0xE0) == 0xC0) {
        suite = 1;
        c = premier & 0x1F;
    } else if ((premier & 0xF0) == 0xE0) {
        suite = 2;
        c = premier & 0x0F;
    } else if ((premier & 0xF8) == 0xF0) {
        suite = 3;
        c = premier & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + suite >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= suite; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    i += static_cast<std::size_t>(suite) + 1;
    return c;
}

char versOctet(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t k = 0; k < kPlageC1.size(); ++k)
        if (kPlageC1[k] == c) return static_cast<char>(0x80 + k);
    if (c >= 0x100 && c <= 0x17F) return kBasesLatinA[c - 0x100];
    switch (c) {
    case 0x0218:
        return 'S';
    case 0x0219:
        return 's';
    case 0x021A:
        return 'T';
    case 0x021B:
        return 't';
    default:
        return '?';
    }
}

// Every sequence well formed; a U+FFFD read must be one written as such.
bool utf8Valide(std::string_view s) {
    constexpr std::string_view kRemplacement = "\xEF\xBF\xBD";
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t debut = i;
        if (lireUtf8(s, i) == 0xFFFD && s.substr(debut, 3) != kRemplacement) return false;
    }
    return true;
}

} // namespace

std::string depuisCp1252(std::string_view octets) {
    std::string sortie;
    sortie.reserve(octets.size() + octets.size() / 4);
    for (char brut : octets) {
        const auto b = static_cast<std::uint8_t>(brut);
        ajouterUtf8(sortie, (b >= 0x80 && b < 0xA0) ? kPlageC1[b - 0x80] : char32_t{b});
    }
    return sortie;
}

std::string versCp1252(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        sortie += versOctet(lireUtf8(utf8, i));
    return sortie;
}

std::string decoderTexte(std::string_view octets) {
    constexpr std::string_view kMarqueOrdre = "\xEF\xBB\xBF";
    if (octets.starts_with(kMarqueOrdre)) octets.remove_prefix(kMarqueOrdre.size());
    if (utf8Valide(octets)) return std::string(octets);
    return depuisCp1252(octets);
}

} // namespace palmora
