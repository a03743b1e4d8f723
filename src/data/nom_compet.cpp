#include "data/nom_compet.h"

#include "data/nombres.h"

#include <algorithm>

namespace palmora {

char caractereNom(std::string_view nom, int position) {
    if (position < 1 || position > static_cast<int>(nom.size())) return ' ';
    const char c = nom[static_cast<std::size_t>(position - 1)];
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char codeSexe(std::string_view nom) {
    return caractereNom(nom, 3) == 'E' ? 'F' : caractereNom(nom, 1);
}

bool estNomCompetition(std::string_view nom) {
    if (nom.size() < 4) return false;
    std::string fin(nom.substr(nom.size() - 4));
    std::transform(fin.begin(), fin.end(), fin.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return fin == ".plm";
}

namespace {

std::string_view libelleNiveau(char niveau) {
    switch (niveau) {
    case 'C':
        return "Circuit préparatoire";
    case 'H':
        return "Honneur";
    case 'P':
        return "Promotion";
    case 'S':
        return "Espoirs";
    case 'U':
        return "Critérium";
    case 'X':
        return "Excellence";
    default:
        return "";
    }
}

std::string_view libelleCategorie(char categorie) {
    switch (categorie) {
    case 'M':
        return " .  9-14 ans";
    case 'P':
        return " . 9-10 ans";
    case 'B':
        return " . 9-12 ans";
    case 'J':
        return " . 11-14 ans";
    case 'N':
        return " . 7-8 ans";
    default:
        return "";
    }
}

} // namespace

std::string DecrireCompet(std::string_view nom) {
    const char sexe = caractereNom(nom, 1);
    const char niveau = caractereNom(nom, 3);
    const char categorie = caractereNom(nom, 5);
    const char appartenance = caractereNom(nom, 6);

    std::string texte = sexe == 'F' ? "Féminines " : sexe == 'M' ? "Masculins " : "";
    if (niveau == '1' || niveau == '2' || niveau == '3')
        texte += std::string("Niveau ") + niveau;
    else if (niveau == 'E')
        texte = "Mini-enchaînements";
    else
        texte += libelleNiveau(niveau);

    if (categorie == 'T') {
        if (niveau != 'X' && !(sexe == 'F' && niveau == 'S')) texte += " Toutes catégories";
    } else {
        texte += libelleCategorie(categorie);
    }

    if (appartenance == 'S') texte += " . Simple appartenance";
    if (appartenance == 'D') texte += " . Double appartenance";

    const char d1 = caractereNom(nom, 7);
    const char d2 = caractereNom(nom, 8);
    if (!(d1 == '0' && d2 == '0')) {
        texte += " (plateau " + std::to_string(lireNombre(std::string{d1, d2}) + 1) + ")";
    }
    return texte;
}

} // namespace palmora
