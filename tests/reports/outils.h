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

// Expected pages are written in UTF-8 and converted once: `nbsp` gives n non-breaking spaces.
inline std::string nbsp(int n) {
    std::string s;
    for (int k = 0; k < n; ++k)
        s += "\u00A0";
    return s;
}

// Lines joined with CR LF, each ended by one, in Windows-1252.
inline std::string lignesCp1252(const std::vector<std::string>& lignes) {
    std::string s;
    for (const std::string& l : lignes)
        s += l + "\r\n";
    return versCp1252(s);
}

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

// A men's gymnast with a score on every apparatus: 1,00 on slot 1 up to 6,00 on slot 6.
inline Enregistrement dupontSixAgres() {
    return G("ALPHA", "01 BOURG", "DUPONT", "Paul")
        .note(1, "100")
        .note(2, "200")
        .note(3, "300")
        .note(4, "400")
        .note(5, "500")
        .note(6, "600");
}

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

// The head lines of a ranking page made with textesDeTest(), in UTF-8.
inline std::vector<std::string> teteAttendue(std::string_view titrePage) {
    const std::string centre = "<p class=MsoNormal align=center style='text-align:center' >";
    return {
        "<HTML>",
        "<TITLE>Féminines Honneur . 9-10 ans - " + std::string(titrePage) + "</TITLE>",
        "<BODY BGCOLOR=\"#FFFFE0\">",
        centre,
        "<B><span style='font-size=14.0pt;color:black'>Fédération sportive Orvane - "
        "Gymnastique</span>",
        centre,
        "<B><span style='font-size=14.0pt;color:red'>Coupe &lt;Orvane&gt; &amp; Cie</span>",
        centre,
        "<span style='font-size=14.0pt;color:red'>Vienne, 6 décembre 2026</span>",
        centre,
        "<span style='font-size=14.0pt;color:blue'>Féminines Honneur . 9-10 ans</span></B><HR>"};
}

inline constexpr std::string_view kPied = "Page composée le 05 décembre 2026 par Palmora - Version "
                                          "4.01 - © Fédération sportive Orvane";

// The lines of a page or table, in UTF-8, without their CR LF.
inline std::vector<std::string> lignesDe(std::string_view cp1252) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = cp1252.find("\r\n", debut)) != std::string_view::npos;
         debut = fin + 2)
        lignes.push_back(depuisCp1252(cp1252.substr(debut, fin - debut)));
    return lignes;
}

} // namespace palmora::test
