#include "data/dates.h"

#include "data/nombres.h"

#include <array>

namespace palmora {

std::string_view nomMois(int mois) {
    static constexpr std::array<std::string_view, 12> kMois = {
        "janvier", "février", "mars",      "avril",   "mai",      "juin",
        "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    return (mois >= 1 && mois <= 12) ? kMois[static_cast<std::size_t>(mois - 1)] : "";
}

TextesDate textesDate(const DateHeure& date) {
    return {chiffres(date.jour, 2), " " + std::string(nomMois(date.mois)) + " ",
            std::to_string(date.annee)};
}

std::string nomDossierDuJour(const DateHeure& date) {
    const TextesDate t = textesDate(date);
    return t.jour + t.mois + chiffres(date.annee, 4);
}

std::string dateCourte(const DateHeure& date) {
    return chiffres(date.jour, 2) + "/" + chiffres(date.mois, 2) + "/" + chiffres(date.annee, 4);
}

std::string heureCourte(const DateHeure& date) {
    return chiffres(date.heure, 2) + ":" + chiffres(date.minute, 2) + ":" +
           chiffres(date.seconde, 2);
}

} // namespace palmora
