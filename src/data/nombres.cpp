#include "data/nombres.h"

#include <cstdlib>
#include <limits>

namespace palmora {

long long lireNombre(std::string_view texte) {
    const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    std::size_t i = 0;
    while (i < texte.size() && blanc(texte[i]))
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) {
        negatif = texte[i] == '-';
        ++i;
    }
    constexpr long long kPlafond = std::numeric_limits<long long>::max() / 10 - 10;
    long long valeur = 0;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (blanc(c)) continue;
        if (c < '0' || c > '9') break;
        if (valeur < kPlafond) valeur = valeur * 10 + (c - '0');
    }
    return negatif ? -valeur : valeur;
}

std::string chiffres(long long valeur, int largeur) {
    std::string texte = std::to_string(std::llabs(valeur));
    if (static_cast<int>(texte.size()) < largeur)
        texte.insert(0, static_cast<std::size_t>(largeur) - texte.size(), '0');
    return valeur < 0 ? "-" + texte : texte;
}

} // namespace palmora
