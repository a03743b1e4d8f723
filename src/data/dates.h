#pragma once

#include "platform/horloge.h"

#include <string>
#include <string_view>

namespace palmora {

// French month names, in lower case, whatever the system's language.
std::string_view nomMois(int mois);

// The date texts taken at start-up and printed by the reports.
struct TextesDate {
    std::string jour;  // two digits: "05"
    std::string mois;  // " décembre "
    std::string annee; // "2026"
};
TextesDate textesDate(const DateHeure& date);

// Name of the day's working folder: "05 décembre 2026".
std::string nomDossierDuJour(const DateHeure& date);

// The date as the status bar shows it ("06/12/2026") and the time ("18:09:02").
std::string dateCourte(const DateHeure& date);
std::string heureCourte(const DateHeure& date);

} // namespace palmora
