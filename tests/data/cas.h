#pragma once

#include "platform/horloge.h"
#include "support/dialogues_scriptes.h"
#include "support/fabrique.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace palmora::test {

// One row of a table of cases: its fields, and the row itself for the failure trace.
struct Cas : std::vector<std::string> {
    std::string ligne;
};

// The rows of tests/data/cas/<nom>: fields split on "|" and stripped of the blanks around
// them, "#" starts a comment line. Escapes: \n \r \s (a kept blank) \| \\ and \xHH.
inline std::vector<Cas> lireCas(const std::string& nom) {
    std::ifstream f(std::string(PALMORA_FIXTURES) + "/" + nom, std::ios::binary);
    EXPECT_TRUE(f) << nom;
    std::vector<Cas> table;
    for (std::string l; std::getline(f, l);) {
        if (l.empty() || l[0] == '#') continue;
        Cas cas;
        cas.ligne = nom + ": " + l;
        std::string champ;
        std::size_t garde = 0; // what the trailing blanks do not cut
        for (std::size_t i = 0; i <= l.size(); ++i) {
            if (i == l.size() || l[i] == '|') {
                cas.push_back(champ.substr(0, garde));
                champ.clear();
                garde = 0;
            } else if (l[i] == '\\' && i + 1 < l.size()) {
                const char e = l[++i];
                if (e == 'x') {
                    champ += static_cast<char>(std::stoi(l.substr(i + 1, 2), nullptr, 16));
                    i += 2;
                } else {
                    champ += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 's' ? ' ' : e;
                }
                garde = champ.size();
            } else if (l[i] != ' ' || !champ.empty()) {
                champ += l[i];
                if (l[i] != ' ') garde = champ.size();
            }
        }
        table.push_back(cas);
    }
    return table;
}

inline std::vector<std::string> mots(const std::string& texte) {
    std::istringstream flux(texte);
    return {std::istream_iterator<std::string>(flux), std::istream_iterator<std::string>()};
}

// The fields of "TEAM/TOWN/NAME[/LICENCE]", "_" a blank; a final "/" is an empty licence.
inline std::vector<std::string> champsEnreg(const std::string& mot) {
    std::vector<std::string> c(1);
    for (const char x : mot)
        x == '/' ? c.emplace_back() : c.back() += x == '_' ? ' ' : x;
    return c;
}

// Records in short form between spaces: "TEAM/TOWN/NAME[/LICENCE]", NAME "-" an empty place,
// a final "#" the protection mark; "P" a placeholder of the women's settings.
inline std::string enregistrements(const std::string& texte) {
    std::string octets;
    for (std::string m : mots(texte)) {
        const bool marque = m.ends_with('#');
        if (marque) m.pop_back();
        const auto c = champsEnreg(m);
        Enregistrement e = m == "P"       ? enregistrementProvisoire(kBlocFeminin)
                           : c[2] == "-"  ? slotLibre(c[0], c[1])
                           : c.size() > 3 ? licencie(c[0], c[1], c[2], c[3])
                                          : gymnaste(c[0], c[1], c[2]);
        if (marque) e[300] = kCode160;
        octets += e.octets();
    }
    return octets;
}

inline DateHeure date(const std::string& texte) { // "2006 9 1" or "2026 12 6 10 42 3"
    DateHeure d;
    std::istringstream(texte) >> d.annee >> d.mois >> d.jour >> d.heure >> d.minute >> d.seconde;
    return d;
}

inline std::string avecDossier(std::string texte, const std::string& dossier) { // "$" a folder
    if (const auto d = texte.find('$'); d != std::string::npos) texte.replace(d, 1, dossier);
    return texte;
}

// The messages shown, " / " between them: title, [icon, buttons, default button when not OK], text.
inline std::string vus(const std::vector<Message>& messages) {
    std::string t;
    for (const Message& m : messages)
        t += (t.empty() ? "" : " / ") + vu(m);
    return t;
}

} // namespace palmora::test
