// The ranking pages, their tables and the score listing, byte for byte against the files of
// tests/data/sorties (UTF-8 there, Windows-1252 with CR LF as written; inputs in
// enregistrements.txt under the same names); the live results' ranking, pages and paths.
#include "data/copie_compet.h"
#include "reports/direct_outils.h"
#include "reports/page_equipes.h"
#include "reports/page_indiv.h"
#include "reports/pages_direct.h"
#include "reports/resultats_direct.h"
#include "reports/site_direct.h"
#include "reports/voir_notes.h"
#include "reports/voir_pages.h"

#include <nlohmann/json.hpp>

using namespace palmora;
using namespace palmora::test;

namespace {

void attendre(const PageEtTable& sortie, const std::string& nom) {
    EXPECT_EQ(sortie.page, pageFixture(nom + ".htm"));
    EXPECT_EQ(sortie.table, pageFixture(nom + ".txt"));
}

// Team entries as stored: names on 15 characters, towns on 20.
ClassementEquipes equipes(std::string_view nom) {
    ClassementEquipes cl;
    cl.TabEquipes = entrees(nom);
    for (EntreeEquipe& e : cl.TabEquipes) {
        e.NomEquip.resize(15, ' ');
        e.Ville.resize(20, ' ');
    }
    return cl;
}

} // namespace

// Women: a 10,00, a missing score, a blank one, an escaped "&", a hors-concours gymnast and an
// individual entrant (legend); men: six columns, no indent, their own hors-concours text.
// Teams, women: places, a tie, an escaped "&", a group of individual entrants left out, totals
// under one point; men: six columns and no span after the header.
TEST(Pages, RankingPagesAndTables) {
    attendre(composerClIndiv(classement("page_indiv_femmes"), 'F', 'F', textesDeTest()),
             "page_indiv_femmes");
    attendre(composerClIndiv(classement("page_indiv_hommes"), 'M', 'M', textesDeTest()),
             "page_indiv_hommes");
    attendre(composerClEquip(equipes("equipes_femmes"), 'F', textesDeTest()),
             "page_equipes_femmes");
    attendre(composerClEquip(equipes("equipes_hommes"), 'M', textesDeTest()),
             "page_equipes_hommes");
}

TEST(Pages, PlacesAreRightAlignedOnThreeAndTiesLeaveThemBlank) {
    ClassementIndiv cl;
    for (int k = 0; k < 11; ++k) { // ranks 5 and 6 tie on 9,75
        cl.TabEnreg.push_back(enreg("A|V|N||6=" + chiffres(k == 5 ? 975 : 995 - 5 * k, 3)));
        cl.TotIndiv.push_back(totalIndiv(cl.TabEnreg.back()));
    }
    const PageEtTable sortie = composerClIndiv(cl, 'M', 'M', textesDeTest());
    const auto page = couper(depuisCp1252(sortie.page), '\n');
    const auto table = couper(depuisCp1252(sortie.table), '\n');
    ASSERT_EQ(page.size(), 13U + 11U + 2U + 1U); // no individual entrant, no legend
    std::string pages, tables;
    for (std::size_t rang = 1; rang <= 11; ++rang) {
        const std::string& l = page[12 + rang];
        pages += l.substr(9, l.find('N', 9) - 8) + "|"; // after "<NOBR><B>", up to the name
        tables += table[rang].substr(0, 4);
    }
    EXPECT_EQ(pages, "\u00A0\u00A01\u00A0N|\u00A0\u00A02\u00A0N|\u00A0\u00A03\u00A0N|"
                     "\u00A0\u00A04\u00A0N|\u00A0\u00A05\u00A0N|\u00A0\u00A0\u00A0\u00A0N|"
                     "\u00A0\u00A07\u00A0N|\u00A0\u00A08\u00A0N|\u00A0\u00A09\u00A0N|"
                     "\u00A010\u00A0N|\u00A011\u00A0N|");
    EXPECT_EQ(tables, "  1\t  2\t  3\t  4\t  5\t   \t  7\t  8\t  9\t 10\t 11\t");
}

// Men: team totals, a score of 10,00 and missing ones; women: hors-concours gymnasts left out
// (their team keeps its separator and total), a group of individual entrants without total.
TEST(Pages, ScoreListings) {
    for (const auto& [nom, totaux, code] :
         {std::tuple{"voir_notes_hommes", std::array{12050L, 9800L}, 'M'},
          {"voir_notes_femmes", std::array{12345L, 900L}, 'F'}}) {
        ClassementEquipes cl; // records in file order, and the team totals
        cl.TabEnreg = enregs(nom);
        for (long total : totaux)
            cl.TabEquipes.push_back({"", "", total, {}});
        EXPECT_EQ(composerVoirNotes(cl, 2, code, textesDeTest()),
                  pageFixture(std::string(nom) + ".htm"));
    }
}

TEST(Pages, TotalsInHundredthsAreWrittenAsFrenchDecimals) {
    const auto nb = [](std::size_t n, const char* texte) { return std::string(n, '\xA0') + texte; };
    // Page totals: no overflow past 16 bits.
    const std::pair<long, std::string> page[] = {
        {12345, nb(1, "123,45")}, {8150, nb(2, "81,50")}, {100, nb(3, "1,00")},
        {50, nb(3, "0,50")},      {0, nb(3, "0")},        {36000, nb(1, "360,00")}};
    for (const auto& [total, texte] : page)
        EXPECT_EQ(totalEquipePage(total), texte) << total;
    const std::pair<long, std::string> simple[] = {
        {12345, "123,45"}, {12050, "120,5"}, {9800, "98"}, {5, "0,05"}, {0, "0"}};
    for (const auto& [total, texte] : simple)
        EXPECT_EQ(decimalSimple(total), texte);
}

// Only the individual ranking's file carries the plateau number.
TEST_F(CompetOuverte, TheIndividualPagesNameCarriesThePlateauNumber) {
    ouvrir("f_h_ps02.plm", contenu("voir_pages"));
    EXPECT_EQ(cheminClIndiv(etat, ".htm"),
              dossier / "Féminines Honneur . 9-10 ans . Simple appartenance (plateau 3) - 02 "
                        "(indiv).htm");
}

namespace {

struct ResultatsEnDirect : ::testing::Test {
    DossierTemporaire dossier;
    const std::string nom = "F_2_PS00.PLM";
    SourceDirect source{dossier.chemin(), {"Coupe <d'hiver>", "Gymnase & salle"}, {nom}};
    void SetUp() override { ecrireFichier(dossier / nom, competitionDirect()); }
    ResultatsDirect resultats() const {
        return resultatsDirect(*LireCopie(dossier.chemin(), nom), source.titre);
    }
};

} // namespace

// Scores computed from the marks in memory; equal totals share a place shown once; individual
// entrants make no team.
TEST_F(ResultatsEnDirect, RankingAndPages) {
    const nlohmann::json j = nlohmann::json::parse(jsonDirect(resultats()));
    EXPECT_EQ(j["agres"], nlohmann::json({"Saut", "Barres", "Poutre", "Sol"}));
    const auto& indiv = j["individuel"];
    ASSERT_EQ(indiv.size(), 6U);
    const nlohmann::json attendus = nlohmann::json::parse(R"([
        {"nom": "HORS", "place": "", "hors_concours": true, "total": null, "notes": []},
        {"place": "2", "notes": ["9,50", "-----", "-----", "-----"], "total": "9,50"},
        {"place": "", "total": "9,50"}, {}, {}, {"nom": "SOLO", "individuel": true}])");
    for (std::size_t rang = 0; rang < 6; ++rang)
        for (const auto& [cle, valeur] : attendus[rang].items())
            EXPECT_EQ(indiv[rang][cle], valeur) << rang << " " << cle;
    EXPECT_EQ(j["equipes"].size(), 2U);

    EXPECT_NE(pageIndivDirect(resultats()).find("Coupe &lt;d&#39;hiver&gt;"), std::string::npos);
    const std::string notes = pageNotesDirect(resultats());
    EXPECT_EQ(notes.find("HORS"), std::string::npos); // the listing leaves them out
    EXPECT_NE(notes.find("ALPHA de AUBE : "), std::string::npos);
}

TEST_F(ResultatsEnDirect, OnlyListedCompetitionsAndKnownPathsAreServed) {
    EXPECT_EQ(routeDirect("/F_2_PS00/individuel", source.competitions)->fichier, nom);
    EXPECT_EQ(routeDirect("/F_2_PS00/classement.json", source.competitions)->ressource,
              Ressource::Json);
    for (const char* refuse : {"/F_9_PS00/individuel", "/../F_2_PS00.PLM", "/F_2_PS00/",
                               "/F_2_PS00.PLM", "/F_2_PS00/../individuel", "/etc/passwd", ""})
        EXPECT_FALSE(routeDirect(refuse, source.competitions)) << refuse;
}

TEST_F(ResultatsEnDirect, TheTagChangesWithTheFileAndTheTitleOnly) {
    const RouteDirect route = *routeDirect("/F_2_PS00/equipes", source.competitions);
    const std::string etiquette = etiquetteDirect(route, source);
    EXPECT_EQ(etiquetteDirect(route, source), etiquette);
    ecrireFichier(dossier / nom, competitionDirect() + competitionDirect());
    const std::string apres = etiquetteDirect(route, source);
    EXPECT_NE(apres, etiquette);
    source.titre.ligne2 = "Autre salle";
    EXPECT_NE(etiquetteDirect(route, source), apres);
}
