#pragma once

#include "support/compet_ouverte.h"

#include "data/competition.h"
#include "data/cp1252.h"
#include "data/enregistrement.h"
#include "data/nombres.h"
#include "reports/classement_indiv.h"
#include "reports/mise_en_page.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace palmora::test {

// Settings with no judge anywhere: the score calculation leaves the scores as a test sets them.
inline constexpr std::string_view kSansJuges = "0430000000";

// The page texts the tests use.
inline TextesPage textesDeTest() {
    return {"Féminines Honneur . 9-10 ans",
            {"Coupe <Orvane> & Cie", "Vienne, 6 décembre 2026"},
            {"05", " décembre ", "2026"},
            "Palmora - Version 4.01"};
}

// A gymnast record built step by step (texts in UTF-8, stored in Windows-1252).
struct G {
    Enregistrement e;
    G(std::string_view equipe, std::string_view ville, std::string_view nom,
      std::string_view prenom = "Anne", std::string_view bloc = kSansJuges)
        : e(gymnaste(equipe, ville, nom, bloc)) {
        e.poser(champs::Prénom, versCp1252(prenom));
    }
    G& note(int slot, std::string_view valeur) {
        e.poser(champs::NoteAgres(slot), valeur);
        return *this;
    }
    G& equipe(int slot, std::string_view valeur) {
        e.poser(champs::NoteEquipe(slot), valeur);
        return *this;
    }
    G& horsConcours() {
        e.poser(champs::SurCl, "H");
        return *this;
    }
    operator Enregistrement() const { return e; }
};

// A ranking in the given order, as ClasserIndiv leaves it.
inline ClassementIndiv classement(std::initializer_list<Enregistrement> ordre) {
    ClassementIndiv cl;
    for (const Enregistrement& e : ordre) {
        cl.TabEnreg.push_back(e);
        cl.TotIndiv.push_back(totalIndiv(e));
        cl.NbGymnastes += gymnasteVide(e) ? 0 : 1;
    }
    cl.NbEnreg = std::ssize(cl.TabEnreg);
    return cl;
}

// The lines of a page or table, in UTF-8, without their CR LF.
inline std::vector<std::string> lignesDe(std::string_view cp1252) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = cp1252.find("\r\n", debut)) != std::string_view::npos;
         debut = fin + 2)
        lignes.push_back(depuisCp1252(cp1252.substr(debut, fin - debut)));
    return lignes;
}

#ifdef PALMORA_FIXTURES
inline std::string fixture(std::string_view nom) {
    return lireFichier(std::filesystem::path(PALMORA_FIXTURES) / nom);
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
