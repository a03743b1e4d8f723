#include "reports/voir_notes.h"

#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

const std::string kParagrapheCourier =
    "<p class=MsoNormal><span style='font-family:\"Courier New\";font-size=10.0pt; Color: black '>";
const std::string kSeparateur = kParagrapheCourier + std::string(120, '_') + "<BR>";

// A gymnast's line is composed with spaces, each then written as a non-breaking space.
std::string ligneGymnaste(std::string texte) {
    std::string sortie;
    for (char c : texte)
        sortie += c == ' ' ? "\u00A0" : std::string(1, c);
    return sortie + "<BR>";
}

std::string ligneEquipe(const std::string& nom12, const std::string& ville20,
                        const std::string& total) {
    return "<NOBR>" + nbsp(9) + "T O T A L" + nbsp(3) + "D E" + nbsp(3) + "L ' E Q U I P E" +
           nbsp(2) + nom12 + " de " + ville20 + " : ------> " + total + "<BR><BR>";
}

ClassementEquipes fichierOrdonne(std::initializer_list<Enregistrement> enregistrements,
                                 std::initializer_list<long> totauxEquipes) {
    ClassementEquipes cl;
    cl.TabEnreg = enregistrements;
    for (long total : totauxEquipes)
        cl.TabEquipes.push_back({"", "", total, {}});
    return cl;
}

} // namespace

TEST(VoirNotes, MensListingByteForByte) {
    const Enregistrement dupont = dupontSixAgres();
    const Enregistrement martin = G("ALPHA", "01 BOURG", "MARTIN", "Luc").note(6, "999");
    const Enregistrement leroy = G("BETA", "38 VIENNE", "LEROY", "Jean").note(5, "950");
    const ClassementEquipes cl =
        fichierOrdonne({dupont, martin, leroy, slotLibre("BETA", "38 VIENNE")}, {12050, 9800});

    const std::string page = composerVoirNotes(cl, 2, 'M', textesDeTest());
    const std::string centre = "<p class=MsoNormal align=center style='text-align:center' >";
    EXPECT_EQ(
        page,
        lignesCp1252(
            {"<HTML>", "<TITLE>Féminines Honneur . 9-10 ans - Notes (en-tête)</TITLE>",
             "<BODY BGCOLOR=\"#FFFFE0\">", centre + "<B>",
             "<span style='font-size=14.0pt;color:red'>Coupe &lt;Orvane&gt; &amp; Cie</span>",
             "<span style='font-size=14.0pt;color:red'>Vienne, 6 décembre 2026</span>", centre,
             "<span style='font-size=14.0pt;color:blue'>Féminines Honneur . 9-10 ans</span>",
             "<p class=MsoNormal align=left style='tab-interval:30.0pt' >",
             "<Font FACE=\"Courier New\" SIZE=\"3\">", kParagrapheCourier,
             "<NOBR>" + nbsp(2) + "Equipe" + nbsp(8) + "Ville" + nbsp(16) + "Nom" + nbsp(13) +
                 "Prénom" + nbsp(11) + "Sol" + nbsp(3) + "Arç" + nbsp(3) + "Ann" + nbsp(3) + "Sau" +
                 nbsp(3) + "Par" + nbsp(3) + "Fix" + nbsp(5) + "TOTAL</NOBR></span>",
             kSeparateur, ligneEquipe("ALPHA       ", "01 BOURG            ", "120,5"),
             // Sol, Arçons, Anneaux, Saut, Parallèles, Barre fixe: slots 6, 2, 1, 5, 4, 3.
             ligneGymnaste("ALPHA          -01 BOURG            -DUPONT         -Paul           -"
                           " 6,00  2,00  1,00  5,00  4,00  3,00    21,00"),
             ligneGymnaste("ALPHA          -01 BOURG            -MARTIN         -Luc            -"
                           "10,00  ----  ----  ----  ----  ----    10,00"),
             kSeparateur, ligneEquipe("BETA        ", "38 VIENNE           ", "98"),
             ligneGymnaste("BETA           -38 VIENNE           -LEROY          -Jean           -"
                           " ----  ----  ----  9,50  ----  ----     9,50"),
             "</NOBR></body></html>"}));
}

TEST(VoirNotes, HorsConcoursGymnastsAreLeftOutAndGroupsGetNoTotal) {
    const Enregistrement horsConcours =
        G("ALPHA & CO", "01 BOURG", "HORS").note(3, "900").horsConcours();
    const Enregistrement lea =
        G("ALPHA & CO", "01 BOURG", "PETIT", "Léa").note(5, "875").note(3, "   ");
    const Enregistrement ines = G("SEULES*", "38 VIENNE", "SEULE", "Inès").note(6, "900");
    const ClassementEquipes cl =
        fichierOrdonne({horsConcours, lea, ines, slotLibre("SEULES*", "38 VIENNE")}, {12345, 900});
    const std::vector<std::string> lignes = lignesDe(composerVoirNotes(cl, 2, 'F', textesDeTest()));
    ASSERT_EQ(lignes.size(), 18U);
    EXPECT_EQ(lignes[11], "<NOBR>" + nbsp(2) + "Equipe" + nbsp(8) + "Ville" + nbsp(16) + "Nom" +
                              nbsp(13) + "Prénom" + nbsp(11) + "Sau" + nbsp(3) + "Bar" + nbsp(3) +
                              "Pou" + nbsp(3) + "Sol" + nbsp(5) + "TOTAL</NOBR></span>");
    // The team still gets its separator and total before its first listed gymnast.
    EXPECT_EQ(lignes[12], kSeparateur);
    EXPECT_EQ(lignes[13], ligneEquipe("ALPHA &amp; CO  ", "01 BOURG            ", "123,45"));
    // Saut, Barres, Poutre, Sol: slots 5, 4, 3, 6; & escaped after padding.
    EXPECT_EQ(
        lignes[14],
        ligneGymnaste("ALPHA &amp; CO     -01 BOURG            -PETIT          -Léa            -"
                      " 8,75  ----  ----  ----     8,75"));
    EXPECT_EQ(lignes[15], kSeparateur);
    EXPECT_EQ(lignes[16],
              ligneGymnaste("SEULES*        -38 VIENNE           -SEULE          -Inès           -"
                            " ----  ----  ----  9,00     9,00*"));
    EXPECT_EQ(lignes[17], "</NOBR></body></html>");
}

TEST(VoirNotes, TeamTotalsArePlainFrenchDecimals) {
    EXPECT_EQ(decimalSimple(12345), "123,45");
    EXPECT_EQ(decimalSimple(12050), "120,5");
    EXPECT_EQ(decimalSimple(9800), "98");
    EXPECT_EQ(decimalSimple(5), "0,05");
    EXPECT_EQ(decimalSimple(0), "0");
}
