// The ranking pages, their tables and the score listing, byte for byte against the files of
// tests/data/sorties (UTF-8 there, Windows-1252 with CR LF as written).
#include "reports/page_equipes.h"
#include "reports/page_indiv.h"
#include "reports/voir_notes.h"

#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

// A men's gymnast with a score on every apparatus: 1,00 on slot 1 up to 6,00 on slot 6.
const Enregistrement kDupont = G("ALPHA", "01 BOURG", "DUPONT", "Paul")
                                   .note(1, "100")
                                   .note(2, "200")
                                   .note(3, "300")
                                   .note(4, "400")
                                   .note(5, "500")
                                   .note(6, "600");

void attendre(const PageEtTable& sortie, const std::string& nom) {
    EXPECT_EQ(sortie.page, pageFixture(nom + ".htm"));
    EXPECT_EQ(sortie.table, pageFixture(nom + ".txt"));
}

EntreeEquipe entree(std::string nom, std::string ville, long total,
                    std::array<std::string, 6> notes = {"0000", "0000", "0000", "0000", "0000",
                                                        "0000"}) {
    nom.resize(15, ' ');
    ville.resize(20, ' ');
    return {versCp1252(nom), versCp1252(ville), total, notes};
}

// The score listing reads the records in file order and the team totals.
ClassementEquipes fichierOrdonne(std::initializer_list<Enregistrement> enregistrements,
                                 std::initializer_list<long> totauxEquipes) {
    ClassementEquipes cl;
    cl.TabEnreg = enregistrements;
    for (long total : totauxEquipes)
        cl.TabEquipes.push_back({"", "", total, {}});
    return cl;
}

} // namespace

// Women: a 10,00, a missing score, a blank one, an escaped "&", a hors-concours gymnast and an
// individual entrant (legend); men: six columns, no indent, their own hors-concours text.
TEST(PageIndividuelle, WomensAndMensPagesAndTables) {
    const Enregistrement martin =
        G("ALPHA", "01 BOURG", "MARTIN").note(5, "999").note(4, "950").note(6, "875");
    const Enregistrement ecuyer = G("A & B", "69 LYON", "L'ÉCUYER", "Marie-Ève")
                                      .note(5, "900")
                                      .note(4, "   ")
                                      .note(3, "800")
                                      .note(6, "000");
    const Enregistrement petit =
        G("ALPHA", "01 BOURG", "PETIT", "Léa").note(5, "700").note(4, "800").horsConcours();
    const Enregistrement seule = G("INDIV*", "38 VIENNE", "SEULE", "Inès").note(6, "950");
    attendre(
        composerClIndiv(classement({martin, ecuyer, petit, seule, slotLibre("ALPHA", "01 BOURG")}),
                        'F', 'F', textesDeTest()),
        "page_indiv_femmes");
    const Enregistrement horsConcours = G("INDIV*", "01 BOURG", "HORS", "Paul").horsConcours();
    attendre(composerClIndiv(classement({kDupont, horsConcours}), 'M', 'M', textesDeTest()),
             "page_indiv_hommes");
}

TEST(PageIndividuelle, PlacesAreRightAlignedOnThreeAndTiesLeaveThemBlank) {
    ClassementIndiv cl;
    for (int k = 0; k < 11; ++k) {
        // Ranks 5 and 6 tie on 9,75.
        cl.TabEnreg.push_back(G("A", "V", "N").note(6, chiffres(k == 5 ? 975 : 995 - 5 * k, 3)));
        cl.TotIndiv.push_back(totalIndiv(cl.TabEnreg.back()));
    }
    const PageEtTable sortie = composerClIndiv(cl, 'M', 'M', textesDeTest());
    const std::vector<std::string> page = lignesDe(sortie.page);
    const std::vector<std::string> table = lignesDe(sortie.table);
    ASSERT_EQ(page.size(), 13U + 11U + 2U); // no individual entrant, no legend
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

TEST(TotalEquipe, PageFormatsFromHundredths) {
    const auto nb = [](std::size_t n, const char* texte) { return std::string(n, '\xA0') + texte; };
    // No overflow past 16 bits.
    const std::pair<long, std::string> cas[] = {{12345, nb(1, "123,45")}, {8150, nb(2, "81,50")},
                                                {100, nb(3, "1,00")},     {50, nb(3, "0,50")},
                                                {0, nb(3, "0")},          {36000, nb(1, "360,00")}};
    for (const auto& [total, page] : cas)
        EXPECT_EQ(totalEquipePage(total), page) << total;
}

// Women: places, a tie, an escaped "&", a group of individual entrants left out, totals under
// one point; men: six columns and no span after the header.
TEST(PageEquipes, WomensAndMensPagesAndTables) {
    ClassementEquipes cl;
    cl.TabEquipes = {
        entree("BETA", "26 VALENCE", 12345, {"0000", "0000", "3000", "3100", "3200", "3045"}),
        entree("ALPHA", "01 BOURG", 8150, {"0000", "0000", "0000", "2700", "2850", "2600"}),
        entree("ST JEAN & CO", "38 VIENNE", 8150),
        entree("INDIV*", "38 VIENNE", 5000),
        entree("GAMMA", "V", 50),
        entree("DELTA", "V", 0)};
    attendre(composerClEquip(cl, 'F', textesDeTest()), "page_equipes_femmes");
    cl.TabEquipes = {
        entree("ALPHA", "01 BOURG", 16500, {"2100", "2200", "2300", "2400", "2500", "3000"})};
    attendre(composerClEquip(cl, 'M', textesDeTest()), "page_equipes_hommes");
}

// Men: team totals, a score of 10,00 and missing ones; women: hors-concours gymnasts left out
// (their team keeps its separator and total), a group of individual entrants without total.
TEST(VoirNotes, MensAndWomensListings) {
    const Enregistrement martin = G("ALPHA", "01 BOURG", "MARTIN", "Luc").note(6, "999");
    const Enregistrement leroy = G("BETA", "38 VIENNE", "LEROY", "Jean").note(5, "950");
    EXPECT_EQ(
        composerVoirNotes(
            fichierOrdonne({kDupont, martin, leroy, slotLibre("BETA", "38 VIENNE")}, {12050, 9800}),
            2, 'M', textesDeTest()),
        pageFixture("voir_notes_hommes.htm"));
    const Enregistrement horsConcours =
        G("ALPHA & CO", "01 BOURG", "HORS").note(3, "900").horsConcours();
    const Enregistrement lea =
        G("ALPHA & CO", "01 BOURG", "PETIT", "Léa").note(5, "875").note(3, "   ");
    const Enregistrement ines = G("SEULES*", "38 VIENNE", "SEULE", "Inès").note(6, "900");
    EXPECT_EQ(composerVoirNotes(
                  fichierOrdonne({horsConcours, lea, ines, slotLibre("SEULES*", "38 VIENNE")},
                                 {12345, 900}),
                  2, 'F', textesDeTest()),
              pageFixture("voir_notes_femmes.htm"));
}

TEST(VoirNotes, TeamTotalsArePlainFrenchDecimals) {
    const std::pair<long, std::string> cas[] = {
        {12345, "123,45"}, {12050, "120,5"}, {9800, "98"}, {5, "0,05"}, {0, "0"}};
    for (const auto& [centiemes, texte] : cas)
        EXPECT_EQ(decimalSimple(centiemes), texte);
}
