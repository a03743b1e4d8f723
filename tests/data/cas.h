#pragma once

#include "platform/horloge.h"
#include "support/dialogues_scriptes.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

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

// "2006 9 1" or "2026 12 6 10 42 3".
inline DateHeure date(const std::string& texte) {
    DateHeure d;
    std::istringstream(texte) >> d.annee >> d.mois >> d.jour >> d.heure >> d.minute >> d.seconde;
    return d;
}

// The messages shown, " / " between them: title, [icon, buttons, default button when not OK], text.
inline std::string vus(const DialoguesScriptes& d) {
    static const char* icones[] = {"", "critique", "exclamation", "question", "information"};
    static const char* boutons[] = {"", " oui-non", " oui-non-annuler", " réessayer-annuler"};
    static const char* defauts[] = {"", " oui", " non", " annuler", " réessayer"};
    std::string t;
    for (const Message& m : d.messages)
        t += (t.empty() ? "" : " / ") + m.titre + " [" + icones[int(m.icone)] +
             boutons[int(m.boutons)] + defauts[int(m.defaut)] + "] " + m.texte;
    return t;
}

} // namespace palmora::test
