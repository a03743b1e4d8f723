#include "reports/page_indiv.h"

#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Between two score cells, and between the last one and the total.
const std::string kSep = nbsp(1) + "-" + nbsp(1);

std::string rangee(std::string_view indent, const std::string& contenu) {
    return "<NOBR><B>" + std::string(indent) + contenu + "</B></NOBR><BR>";
}

const Enregistrement kMartin =
    G("ALPHA", "01 BOURG", "MARTIN").note(5, "999").note(4, "950").note(6, "875");
const Enregistrement kEcuyer = G("A & B", "69 LYON", "L'ÉCUYER", "Marie-Ève")
                                   .note(5, "900")
                                   .note(4, "   ")
                                   .note(3, "800")
                                   .note(6, "000");
const Enregistrement kPetit =
    G("ALPHA", "01 BOURG", "PETIT", "Léa").note(5, "700").note(4, "800").horsConcours();
const Enregistrement kSeule = G("INDIV*", "38 VIENNE", "SEULE", "Inès").note(6, "950");

} // namespace

TEST(PageIndividuelle, WomensPageAndTableByteForByte) {
    const PageEtTable sortie = composerClIndiv(
        classement({kMartin, kEcuyer, kPetit, kSeule, slotLibre("ALPHA", "01 BOURG")}), 'F', 'F',
        textesDeTest());

    std::vector<std::string> page = teteAttendue("Classement individuel");
    const std::string indent = nbsp(6);
    page.push_back("</Font>");
    page.push_back("<p class=MsoNormal><span style='font-family:\"Courier New\";font-size=9.3pt; "
                   "Color: black '><NOBR>" +
                   nbsp(10) + "<B>NOM" + nbsp(13) + "Prénom" + nbsp(11) + "AN" + nbsp(2) +
                   "EQUIPE" + nbsp(10) + "VILLE" + nbsp(17) + "Saut" + nbsp(3) + "Barres" +
                   nbsp(2) + "Poutre" + nbsp(3) + "Sol" + nbsp(7) + "Total<BR><BR></NOBR></B>");
    page.push_back(rangee(indent, nbsp(2) + "1" + nbsp(1) + "MARTIN" + nbsp(10) + "Anne" +
                                      nbsp(13) + "95" + nbsp(2) + "ALPHA" + nbsp(11) + "01" +
                                      nbsp(1) + "BOURG" + nbsp(13) + "10,00" + kSep + nbsp(1) +
                                      "9,50" + kSep + "-----" + kSep + nbsp(1) + "8,75" + kSep +
                                      kSep + "28,25"));
    // & is escaped once the columns are padded.
    page.push_back(rangee(indent, nbsp(2) + "2" + nbsp(1) + "L'ÉCUYER" + nbsp(8) + "Marie-Ève" +
                                      nbsp(8) + "95" + nbsp(2) + "A" + nbsp(1) + "&amp;" + nbsp(1) +
                                      "B" + nbsp(11) + "69" + nbsp(1) + "LYON" + nbsp(14) +
                                      nbsp(1) + "9,00" + kSep + "-----" + kSep + nbsp(1) + "8,00" +
                                      kSep + nbsp(1) + "0,00" + kSep + kSep + "17,00"));
    // Hors concours: columns 4 to 77, then the text in place of the scores.
    page.push_back(rangee(
        indent, nbsp(2) + "-" + nbsp(1) + "PETIT" + nbsp(11) + "Léa" + nbsp(14) + "95" + nbsp(2) +
                    "ALPHA" + nbsp(11) + "01" + nbsp(1) + "BOURG" + nbsp(12) + nbsp(2) + "----- " +
                    nbsp(1) + "H O R S" + nbsp(3) + "C O N C O U R S " + nbsp(1) + "-----"));
    page.push_back(rangee(indent, nbsp(2) + "4" + nbsp(1) + "SEULE" + nbsp(11) + "Inès" + nbsp(13) +
                                      "95" + nbsp(2) + "INDIV*" + nbsp(10) + "38" + nbsp(1) +
                                      "VIENNE" + nbsp(12) + "-----" + kSep + "-----" + kSep +
                                      "-----" + kSep + nbsp(1) + "9,50" + kSep + kSep + nbsp(1) +
                                      "9,50*"));
    page.push_back("<B><BR>" + nbsp(35) + "(*) = concurrente individuelle");
    page.push_back("</B><HR><P ALIGN=CENTER>" + std::string(kPied));
    page.push_back("</HTML>");
    EXPECT_EQ(sortie.page, lignesCp1252(page));

    EXPECT_EQ(
        sortie.table,
        lignesCp1252({"\tNom\tPrénom\tAN\tClub\tVille\tSaut\tBarres\tPoutre\tSol\tTotal",
                      "  1\tMARTIN" + sp(9) + "\tAnne" + sp(12) + "\t95 \tALPHA" + sp(10) +
                          "\t01 BOURG" + sp(12) + "\t10,00\t09,50\t-----\t08,75\t28,25",
                      "  2\tL'ÉCUYER" + sp(7) + "\tMarie-Ève" + sp(7) + "\t95 \tA & B" + sp(10) +
                          "\t69 LYON" + sp(13) + "\t09,00\t-----\t08,00\t00,00\t17,00",
                      " \tPETIT" + sp(10) + "\tLéa" + sp(13) + "\t95 \tALPHA" + sp(10) +
                          "\t01 BOURG" + sp(12) + "\t-----\tHORS\t\t CONC\tOURS\t----",
                      "  4\tSEULE" + sp(10) + "\tInès" + sp(12) + "\t95 \tINDIV*" + sp(9) +
                          "\t38 VIENNE" + sp(11) + "\t-----\t-----\t-----\t09,50\t 9,50\t*"}));
}

TEST(PageIndividuelle, MenHaveNoIndentTheirSixColumnsAndTheirOwnHorsConcoursText) {
    const Enregistrement dupont = dupontSixAgres();
    Enregistrement horsConcours = G("INDIV*", "01 BOURG", "HORS", "Paul").horsConcours();
    const PageEtTable sortie =
        composerClIndiv(classement({dupont, horsConcours}), 'M', 'M', textesDeTest());
    const std::vector<std::string> page = lignesDe(sortie.page);
    ASSERT_EQ(page.size(), 18U);
    EXPECT_EQ(page[12],
              "<p class=MsoNormal><span style='font-family:\"Courier New\";font-size=9.3pt; "
              "Color: black '><NOBR>" +
                  nbsp(4) + "<B>NOM" + nbsp(13) + "Prénom" + nbsp(11) + "AN" + nbsp(2) + "EQUIPE" +
                  nbsp(10) + "VILLE" + nbsp(17) + "Sol" + nbsp(5) + "Arç" + nbsp(5) + "Ann" +
                  nbsp(5) + "Sau" + nbsp(5) + "Par" + nbsp(5) + "Fix" + nbsp(6) +
                  "Total<BR><BR></NOBR></B>");
    // Sol, Arçons, Anneaux, Saut, Parallèles, Barre fixe: slots 6, 2, 1, 5, 4, 3.
    EXPECT_EQ(page[13],
              rangee("", nbsp(2) + "1" + nbsp(1) + "DUPONT" + nbsp(10) + "Paul" + nbsp(13) + "95" +
                             nbsp(2) + "ALPHA" + nbsp(11) + "01" + nbsp(1) + "BOURG" + nbsp(13) +
                             nbsp(1) + "6,00" + kSep + nbsp(1) + "2,00" + kSep + nbsp(1) + "1,00" +
                             kSep + nbsp(1) + "5,00" + kSep + nbsp(1) + "4,00" + kSep + nbsp(1) +
                             "3,00" + kSep + kSep + "21,00"));
    // The "*" of an individual entrant is lost on a hors-concours row; the legend stays.
    EXPECT_EQ(page[14], rangee("", nbsp(2) + "-" + nbsp(1) + "HORS" + nbsp(12) + "Paul" + nbsp(13) +
                                       "95" + nbsp(2) + "INDIV*" + nbsp(10) + "01" + nbsp(1) +
                                       "BOURG" + nbsp(12) + nbsp(2) + "------------- H O R S" +
                                       nbsp(4) + "C O N C O U R S --------------"));
    EXPECT_EQ(page[15], "<B><BR>" + nbsp(29) + "(*) = concurrent individuel");

    const std::vector<std::string> table = lignesDe(sortie.table);
    ASSERT_EQ(table.size(), 3U);
    EXPECT_EQ(
        table[0],
        "\tNom\tPrénom\tAN\tClub\tVille\tSol\tArçons\tAnneaux\tSaut\tParallèles\tFixe\tTotal");
    EXPECT_EQ(table[1], "  1\tDUPONT" + sp(9) + "\tPaul" + sp(12) + "\t95 \tALPHA" + sp(10) +
                            "\t01 BOURG" + sp(12) +
                            "\t06,00\t02,00\t01,00\t05,00\t04,00\t03,00\t21,00");
    EXPECT_EQ(table[2], " \tHORS" + sp(11) + "\tPaul" + sp(12) + "\t95 \tINDIV*" + sp(9) +
                            "\t01 BOURG" + sp(12) + "\t----\tHORS\t \t \tCONC \tOURS\t----");
}

TEST(PageIndividuelle, PlacesAreRightAlignedOnThreeAndTiesLeaveThemBlank) {
    std::vector<Enregistrement> rangs;
    ClassementIndiv cl;
    for (int k = 0; k < 11; ++k) {
        // Ranks 5 and 6 tie on 9,75.
        cl.TabEnreg.push_back(G("A", "V", "N").note(6, chiffres(k == 5 ? 975 : 995 - 5 * k, 3)));
        cl.TotIndiv.push_back(totalIndiv(cl.TabEnreg.back()));
    }
    const PageEtTable sortie = composerClIndiv(cl, 'M', 'M', textesDeTest());
    const std::vector<std::string> page = lignesDe(sortie.page);
    const std::vector<std::string> table = lignesDe(sortie.table);
    const auto place = [&](std::size_t rang, const std::string& attendue) {
        EXPECT_TRUE(page[12 + rang].starts_with("<NOBR><B>" + attendue + nbsp(1) + "N" + nbsp(15)))
            << rang;
    };
    place(1, nbsp(2) + "1");
    place(5, nbsp(2) + "5");
    place(6, nbsp(3));
    place(7, nbsp(2) + "7");
    place(9, nbsp(2) + "9");
    place(10, nbsp(1) + "10");
    EXPECT_EQ(table[5].substr(0, 4), "  5\t");
    EXPECT_EQ(table[6].substr(0, 4), "   \t");
    EXPECT_EQ(table[10].substr(0, 4), " 10\t");
    // No individual entrant, no legend.
    EXPECT_TRUE(page[page.size() - 2].starts_with("</B><HR><P ALIGN=CENTER>"));
    EXPECT_EQ(page.size(), 13U + 11U + 2U);
}
