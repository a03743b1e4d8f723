#include "reports/page_equipes.h"

#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

// Team scores by slot 1 to 6.
EntreeEquipe entree(std::string nom, std::string ville, long total,
                    std::array<std::string, 6> notes = {"0000", "0000", "0000", "0000", "0000",
                                                        "0000"}) {
    nom.resize(15, ' ');
    ville.resize(20, ' ');
    return {versCp1252(nom), versCp1252(ville), total, notes};
}

std::string rangee(int indent, const std::string& contenu) {
    return "<NOBR><B>" + nbsp(indent) + contenu + "</B></NOBR><BR>";
}

const std::string kSpan =
    "<span style='font-family:\"Courier New\";font-size=10.0pt; Color: black '>";

} // namespace

TEST(TotalEquipe, PageFormatsFromHundredths) {
    EXPECT_EQ(depuisCp1252(totalEquipePage(12345)), nbsp(1) + "123,45");
    EXPECT_EQ(depuisCp1252(totalEquipePage(8150)), nbsp(2) + "81,50");
    EXPECT_EQ(depuisCp1252(totalEquipePage(100)), nbsp(3) + "1,00");
    EXPECT_EQ(depuisCp1252(totalEquipePage(50)), nbsp(3) + "0,50");
    EXPECT_EQ(depuisCp1252(totalEquipePage(0)), nbsp(3) + "0");
    // No overflow past 16 bits.
    EXPECT_EQ(depuisCp1252(totalEquipePage(36000)), nbsp(1) + "360,00");
}

TEST(PageEquipes, WomensPageAndTableByteForByte) {
    ClassementEquipes cl;
    cl.TabEquipes = {
        entree("BETA", "26 VALENCE", 12345, {"0000", "0000", "3000", "3100", "3200", "3045"}),
        entree("ALPHA", "01 BOURG", 8150, {"0000", "0000", "0000", "2700", "2850", "2600"}),
        entree("ST JEAN & CO", "38 VIENNE", 8150),
        entree("INDIV*", "38 VIENNE", 5000),
        entree("GAMMA", "V", 50),
        entree("DELTA", "V", 0)};
    const PageEtTable sortie = composerClEquip(cl, 'F', textesDeTest());

    std::vector<std::string> page = teteAttendue("Classement par équipe");
    // The women's header is followed by the fixed-pitch span opened again.
    page.push_back("</Font><p class=MsoNormal>" + kSpan + "<NOBR><B>" + nbsp(23) + "Equipe" +
                   nbsp(15) + "Ville" + nbsp(14) + "Saut" + nbsp(2) + "Barres" + nbsp(3) +
                   "Poutre" + nbsp(3) + "Sol" + nbsp(5) + "Total</B><BR><HR></NOBR>" + kSpan);
    // Saut, Barres, Poutre, Sol: slots 5, 4, 3, 6.
    page.push_back(rangee(18, nbsp(2) + "1" + nbsp(1) + "BETA" + nbsp(13) + nbsp(1) + "26 VALENCE" +
                                  nbsp(12) + "32,00 - 31,00 - 30,00 - 30,45 --" + nbsp(1) +
                                  "123,45"));
    page.push_back(rangee(18, nbsp(2) + "2" + nbsp(1) + "ALPHA" + nbsp(12) + nbsp(1) + "01 BOURG" +
                                  nbsp(14) + "28,50 - 27,00 - 00,00 - 26,00 --" + nbsp(2) +
                                  "81,50"));
    // Spaces inside a name stay ordinary; & is escaped after padding.
    page.push_back(rangee(18, nbsp(3) + nbsp(1) + "ST JEAN &amp; CO" + nbsp(5) + nbsp(1) +
                                  "38 VIENNE" + nbsp(13) + "00,00 - 00,00 - 00,00 - 00,00 --" +
                                  nbsp(2) + "81,50"));
    page.push_back(rangee(18, nbsp(2) + "4" + nbsp(1) + "GAMMA" + nbsp(12) + nbsp(1) + "V" +
                                  nbsp(21) + "00,00 - 00,00 - 00,00 - 00,00 --" + nbsp(3) +
                                  "0,50"));
    page.push_back(rangee(18, nbsp(2) + "5" + nbsp(1) + "DELTA" + nbsp(12) + nbsp(1) + "V" +
                                  nbsp(21) + "00,00 - 00,00 - 00,00 - 00,00 --" + nbsp(3) + "0"));
    page.push_back("</Font>");
    page.push_back("<HR><P ALIGN=CENTER>" + std::string(kPied));
    page.push_back("</HTML>");
    EXPECT_EQ(sortie.page, lignesCp1252(page));

    EXPECT_EQ(sortie.table,
              lignesCp1252({" \tEquipe\tVille\tSaut\tBarres\tPoutre\tSol\tTotal",
                            "1  \tBETA\t26 VALENCE\t32,00\t31,00\t30,00\t30,45\t123,45",
                            "2  \tALPHA\t01 BOURG\t28,50\t27,00\t00,00\t26,00\t81,50",
                            "   \tST JEAN & CO\t38 VIENNE\t00,00\t00,00\t00,00\t00,00\t81,50",
                            "4  \tGAMMA\tV\t00,00\t00,00\t00,00\t00,00\t,50",
                            "5  \tDELTA\tV\t00,00\t00,00\t00,00\t00,00\t,00"}));
}

TEST(PageEquipes, MenHaveTheirSixColumnsAndNoSpanAfterTheHeader) {
    ClassementEquipes cl;
    cl.TabEquipes = {
        entree("ALPHA", "01 BOURG", 16500, {"2100", "2200", "2300", "2400", "2500", "3000"})};
    const PageEtTable sortie = composerClEquip(cl, 'M', textesDeTest());
    const std::vector<std::string> page = lignesDe(sortie.page);
    ASSERT_EQ(page.size(), 16U);
    EXPECT_EQ(page[11], "</Font><p class=MsoNormal>" + kSpan + "<NOBR><B>" + nbsp(17) + "Equipe" +
                            nbsp(15) + "Ville" + nbsp(15) + "Sol" + nbsp(2) + "Arçons" + nbsp(1) +
                            "Anneaux" + nbsp(1) + "Saut" + nbsp(2) + "Parall." + nbsp(1) + "Fixe" +
                            nbsp(6) + "Total</B><BR><BR></NOBR>");
    // Sol, Arçons, Anneaux, Saut, Parallèles, Barre fixe: slots 6, 2, 1, 5, 4, 3.
    const std::string deux = nbsp(2);
    EXPECT_EQ(page[12],
              rangee(13, nbsp(2) + "1" + nbsp(1) + "ALPHA" + nbsp(12) + nbsp(1) + "01 BOURG" +
                             nbsp(14) + "30,00" + deux + "22,00" + deux + "21,00" + deux + "25,00" +
                             deux + "24,00" + deux + "23,00 --" + nbsp(1) + "165,00"));
    EXPECT_EQ(lignesDe(sortie.table),
              (std::vector<std::string>{
                  " \tEquipe\tVille\tSol\tArçons\tAnneaux\tSaut\tParall.\tFixe\tTotal",
                  "1  \tALPHA\t01 BOURG\t30,00\t22,00\t21,00\t25,00\t24,00\t23,00\t165,00"}));
}
