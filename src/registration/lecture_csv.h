#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace palmora {

// One row of a CSV file: the line of the file it starts on (from 1) and its fields (UTF-8).
struct LigneCsv {
    int numero = 0;
    std::vector<std::string> champs;
    bool operator==(const LigneCsv&) const = default;
};

// A CSV file as Excel and LibreOffice save it: UTF-8 with or without byte order mark, or
// Windows-1252; fields separated by ";", "," or Tab (the one the first line uses most) and
// quoted as RFC 4180 says (separators, doubled quotes and line breaks inside quotes). Rows
// whose fields are all empty are left out. The first row is the header.
struct TableauCsv {
    char separateur = ';';
    std::vector<LigneCsv> lignes;
};

TableauCsv lireCsv(std::string_view octets);

} // namespace palmora
