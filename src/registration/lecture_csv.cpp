#include "registration/lecture_csv.h"

#include "data/cp1252.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <memory>

namespace palmora {

namespace {

// The separator the header line uses most, quoted text left aside; ";" when none.
char trouverSeparateur(std::string_view texte) {
    constexpr std::array<char, 3> kSeparateurs = {';', ',', '\t'};
    std::array<int, 3> comptes{};
    bool entreGuillemets = false;
    for (char c : texte) {
        if (c == '"') entreGuillemets = !entreGuillemets;
        if (!entreGuillemets && (c == '\n' || c == '\r')) break;
        for (std::size_t k = 0; k < kSeparateurs.size(); ++k)
            if (!entreGuillemets && c == kSeparateurs[k]) ++comptes[k];
    }
    const auto plus = std::max_element(comptes.begin(), comptes.end()); // the first of a tie
    return *plus == 0 ? ';' : kSeparateurs[static_cast<std::size_t>(plus - comptes.begin())];
}

// Only spaces surround a field: a Tab may be the separator.
int espace(unsigned char c) {
    return c == ' ';
}

struct Lecture {
    TableauCsv tableau;
    LigneCsv courante;
    int ligneFichier = 0; // the line being fed to the parser
};

void finChamp(void* donnees, std::size_t taille, void* lecture) {
    auto& l = *static_cast<Lecture*>(lecture);
    std::string champ(static_cast<const char*>(donnees), taille);
    // The field ends on the line being fed: the row starts as many lines above as it holds.
    if (l.courante.champs.empty())
        l.courante.numero = l.ligneFichier - static_cast<int>(std::ranges::count(champ, '\n'));
    l.courante.champs.push_back(std::move(champ));
}

void finLigne(int, void* lecture) {
    auto& l = *static_cast<Lecture*>(lecture);
    const bool vide = std::ranges::all_of(l.courante.champs, [](const std::string& c) {
        return c.find_first_not_of(' ') == std::string::npos;
    });
    if (!vide) l.tableau.lignes.push_back(std::move(l.courante));
    l.courante = {};
}

} // namespace

TableauCsv lireCsv(std::string_view octets) {
    const std::string texte = decoderTexte(octets);
    Lecture lecture;
    lecture.tableau.separateur = trouverSeparateur(texte);

    csv_parser analyseur;
    csv_init(&analyseur, 0);
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> libere(&analyseur, csv_free);
    csv_set_delim(&analyseur, static_cast<unsigned char>(lecture.tableau.separateur));
    csv_set_space_func(&analyseur, espace);
    // Fed line by line, so that each row knows the line it starts on.
    for (std::size_t debut = 0; debut < texte.size();) {
        const std::size_t fin = std::min(texte.find('\n', debut), texte.size() - 1) + 1;
        ++lecture.ligneFichier;
        csv_parse(&analyseur, texte.data() + debut, fin - debut, finChamp, finLigne, &lecture);
        debut = fin;
    }
    csv_fini(&analyseur, finChamp, finLigne, &lecture);
    return std::move(lecture.tableau);
}

} // namespace palmora
