#include "reports/classement_equipes.h"
#include "reports/impression_outils.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr double kPremiereLigne = 32 + 2 * 11 * SurfaceEnregistree::kHauteurParPoint;
// A row, half a millimetre and an empty line.
constexpr double kPas = 2 * 9 * SurfaceEnregistree::kHauteurParPoint + 0.5;

EntreeEquipe equipe(std::string nom, std::string ville, long total,
                    std::array<std::string, 6> notes = {"0000", "0000", "0000", "0000", "0000",
                                                        "0000"}) {
    return {std::move(nom), std::move(ville), total, std::move(notes)};
}

struct ImpressionEquipes : ::testing::Test {
    SurfaceEnregistree s;
    ClassementEquipes cl;
};

} // namespace

TEST_F(ImpressionEquipes, ARowHoldsPlaceNameTownLeadersScoresAndTotal) {
    cl.TabEquipes = {equipe("ALPHA          ", "01 BOURG            ", 12345,
                            {"0000", "0000", "1234", "2950", "3100", "3001"})};
    imprimerClEquip(cl, false, textesDeTest(), s);
    ASSERT_EQ(s.pages.size(), 1U);
    const double y = kPremiereLigne;
    attendreTexte(s, 0, "1", 10 - largeur("1", 9), y, 9);
    attendreTexte(s, 0, "ALPHA ", 13, y, 9);
    // 55 − 13 − 10.8 = 31.2 rounds to 31 mm: 17 dashes.
    attendreTexte(s, 0, std::string(17, '-'), 13 + largeur("ALPHA ", 9), y, 9);
    attendreTexte(s, 0, "01 BOURG ", 57, y, 9);
    attendreTexte(s, 0, std::string(18, '-'), 57 + largeur("01 BOURG ", 9), y, 9);
    attendreTexte(s, 0, "31,00   ----", 108, y, 9);
    attendreTexte(s, 0, "29,50   ----", 126, y, 9);
    attendreTexte(s, 0, "12,34   ----", 144, y, 9);
    attendreTexte(s, 0, "30,01   ---------", 162, y, 9);
    attendreTexte(s, 0, "123,45", 195 - largeur("123,45", 9), y, 9);
    EXPECT_TRUE(chercher(s, 0, "123,45")->gras);
    EXPECT_FALSE(chercher(s, 0, "ALPHA ")->gras);
}

TEST_F(ImpressionEquipes, TiesAndIndividualEntrantsShowNoPlace) {
    cl.TabEquipes = {equipe("ALPHA", "A", 12000), equipe("BETA", "B", 12000),
                     equipe("SOLO*", "C", 11000), equipe("GAMMA", "D", 50)};
    imprimerClEquip(cl, false, textesDeTest(), s);
    EXPECT_TRUE(chercher(s, 0, "1"));
    EXPECT_FALSE(chercher(s, 0, "2"));
    EXPECT_FALSE(chercher(s, 0, "SOLO* "));
    EXPECT_NEAR(chercher(s, 0, "BETA ")->y, kPremiereLigne + kPas, 1e-9);
    EXPECT_NEAR(chercher(s, 0, "GAMMA ")->y, kPremiereLigne + 2 * kPas, 1e-9);
    attendreTexte(s, 0, "3", 10 - largeur("3", 9), kPremiereLigne + 2 * kPas, 9);
    EXPECT_TRUE(chercher(s, 0, ",50"));
}

TEST_F(ImpressionEquipes, TheHeadIsPrintedOnceWithTheTeamLabels) {
    for (int i = 0; i < 70; ++i)
        cl.TabEquipes.push_back(equipe("E" + std::to_string(i), "V", 1000 - i));
    imprimerClEquip(cl, true, textesDeTest(), s);
    ASSERT_EQ(s.pages.size(), 1U);
    attendreTexte(s, 0, "EQUIPE", 20, 32, 10);
    attendreTexte(s, 0, "VILLE", 70, 32, 10);
    attendreTexte(s, 0, "Arçons", 118.5, 32.5, 9);
    attendreTexte(s, 0, "TOTAL", 184, 32, 11);
    attendreTexte(s, 0, "00,00  -", 108, kPremiereLigne, 9);
    attendreTexte(s, 0, "00,00  ------", 168, kPremiereLigne, 9);
}
