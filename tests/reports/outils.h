#pragma once

#include "support/compet_ouverte.h"

#include "data/cp1252.h"
#include "data/enregistrement.h"
#include "data/nombres.h"
#include "reports/classement_equipes.h"
#include "reports/classement_indiv.h"
#include "reports/mise_en_page.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace palmora::test {

// Settings with no judge anywhere: the score calculation leaves the scores as a test sets them.
inline constexpr std::string_view kSansJuges = "0430000000";

inline TextesPage textesDeTest() {
    return {"Féminines Honneur . 9-10 ans",
            {"Coupe <Orvane> & Cie", "Vienne, 6 décembre 2026"},
            {"05", " décembre ", "2026"},
            "Palmora - Version 4.01"};
}

inline std::vector<std::string> couper(std::string_view l, char sep) {
    std::vector<std::string> m;
    for (std::size_t d = 0, f = 0; f != std::string_view::npos; d = f + 1)
        m.emplace_back(l.substr(d, (f = l.find(sep, d)) - d));
    return m;
}

// A record from one line "EQUIPE|VILLE|NOM|Prénom|cases" (Prénom "Anne" if left out; no NOM
// makes an empty slot). Cases: S=score of slot S, eS=team score, jS.J=mark of judge J,
// t=individual total, H hors concours, P protected, bloc=settings (else no judges),
// lic=licence; "_" is a space, "~" a NUL.
inline Enregistrement enreg(std::string_view ligne) {
    const std::vector<std::string> f = couper(ligne, '|');
    std::string bloc(kSansJuges);
    std::vector<std::string> cases = f.size() > 4 ? couper(f[4], ' ') : std::vector<std::string>{};
    for (const std::string& c : cases)
        if (c.starts_with("bloc=")) bloc = c.substr(5);
    Enregistrement e =
        f[2].empty() ? slotLibre(f[0], f[1], bloc) : gymnaste(f[0], f[1], f[2], bloc);
    std::string prenom = f.size() > 3 && !f[3].empty() ? f[3] : "Anne";
    std::ranges::replace(prenom, '_', ' ');
    if (!f[2].empty()) e.poser(champs::Prénom, versCp1252(prenom));
    for (const std::string& c : cases) {
        const std::size_t egal = c.find('=');
        std::string v = egal == std::string::npos ? "" : c.substr(egal + 1);
        std::ranges::replace(v, '_', ' ');
        std::ranges::replace(v, '~', '\0');
        if (c == "H")
            e.poser(champs::SurCl, "H");
        else if (c == "P")
            e[kTailleEnreg] = kCode160;
        else if (c.starts_with("t="))
            e.poser(champs::TotalIndiv, v);
        else if (c.starts_with("lic="))
            e.poser(champs::NoLic, v);
        else if (c[0] == 'e')
            e.poser(champs::NoteEquipe(std::stoi(c.substr(1))), v);
        else if (c[0] == 'j')
            e.poser(champs::Notes(c[1] - '0', c[3] - '0'), v);
        else if (std::isdigit(c[0]))
            e.poser(champs::NoteAgres(std::stoi(c)), v);
    }
    return e;
}

#ifdef PALMORA_FIXTURES
inline std::string fixture(std::string_view nom) {
    return lireFichier(std::filesystem::path(PALMORA_FIXTURES) / nom);
}
// The lines of section "== nom" of enregistrements.txt, comments left out.
inline std::vector<std::string> section(std::string_view nom) {
    std::vector<std::string> lignes;
    std::istringstream f(fixture("enregistrements.txt"));
    bool dedans = false;
    for (std::string l; std::getline(f, l);)
        if (l.starts_with("== "))
            dedans = l.substr(3) == nom;
        else if (dedans && !l.empty() && l[0] != '#')
            lignes.push_back(l);
    return lignes;
}
inline std::vector<Enregistrement> enregs(std::string_view nom) {
    std::vector<Enregistrement> v;
    for (const std::string& l : section(nom))
        v.push_back(enreg(l));
    return v;
}
inline std::string contenu(std::string_view nom) {
    std::string c;
    for (const Enregistrement& e : enregs(nom))
        c += e.octets();
    return c;
}
// A ranking in the order of the section, as ClasserIndiv leaves it.
inline ClassementIndiv classement(std::string_view nom) {
    ClassementIndiv cl;
    for (const Enregistrement& e : enregs(nom)) {
        cl.TabEnreg.push_back(e);
        cl.TotIndiv.push_back(totalIndiv(e));
        cl.NbGymnastes += gymnasteVide(e) ? 0 : 1;
    }
    cl.NbEnreg = std::ssize(cl.TabEnreg);
    return cl;
}
// Team entries "NOM|VILLE|total|s1 s2 s3 s4 s5 s6" (scores "0000" if left out).
inline std::vector<EntreeEquipe> entrees(std::string_view nom) {
    std::vector<EntreeEquipe> v;
    for (const std::string& l : section(nom)) {
        const std::vector<std::string> f = couper(l, '|');
        EntreeEquipe e{versCp1252(f[0]), versCp1252(f[1]), std::stol(f[2]), {}};
        e.notes.fill("0000");
        if (f.size() > 3) std::ranges::copy(couper(f[3], ' '), e.notes.begin());
        v.push_back(e);
    }
    return v;
}
// A page or table fixture is kept in UTF-8 with LF; the program writes Windows-1252 with CR LF.
inline std::string pageFixture(std::string_view nom) {
    std::string page;
    for (char c : fixture(nom))
        page += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return versCp1252(page);
}
#endif

} // namespace palmora::test
