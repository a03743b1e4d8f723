#include "reports/classement_equipes.h"

#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

// A team of four on the given team scores (slots 1 to 6), its last slot empty.
std::string equipe(std::string_view nom, std::string_view ville,
                   std::initializer_list<std::string_view> scores) {
    std::string contenu;
    for (std::string_view individu : {"UN", "DEUX", "TROIS"}) {
        G g(nom, ville, individu);
        int s = 1;
        for (std::string_view score : scores)
            g.equipe(s++, score);
        contenu += g.e.octets();
    }
    Enregistrement libre = slotLibre(nom, ville, kSansJuges);
    int s = 1;
    for (std::string_view score : scores)
        libre.poser(champs::NoteEquipe(s++), score);
    return contenu + std::string(libre.octets());
}

struct ClassementParEquipes : CompetOuverte {
    std::string noms(const ClassementEquipes& cl) {
        std::string n;
        for (const EntreeEquipe& e : cl.TabEquipes)
            n += std::string(rogner(e.NomEquip)) + " ";
        return n;
    }
};

} // namespace

TEST_F(ClassementParEquipes, TeamsAreRankedByTotalThenByName) {
    ouvrir(equipe("GAMMA", "V", {"0000", "0000", "2000", "2100", "2200", "2300"}) +
           equipe("BETA", "V", {"", "", "3000", "3000", "3000", "3000"}) +
           equipe("ALPHA", "V", {"", "", "3000", "3000", "3000", "3000"}));
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.NbEquipes, 3);
    EXPECT_EQ(noms(cl), "ALPHA BETA GAMMA ");
    EXPECT_EQ(cl.TabEquipes[0].TotalEquipe, 12000);
    EXPECT_EQ(cl.TabEquipes[2].TotalEquipe, 8600);
    EXPECT_EQ(cl.TabEquipes[2].Ville, "V" + std::string(19, ' '));

    PlacesEquipes places;
    EXPECT_EQ(places.suivante(cl.TabEquipes[0])->numero, 1);
    EXPECT_TRUE(places.suivante(cl.TabEquipes[1])->exAequo);
    const auto troisieme = places.suivante(cl.TabEquipes[2]);
    EXPECT_EQ(troisieme->numero, 3);
    EXPECT_FALSE(troisieme->exAequo);
}

TEST_F(ClassementParEquipes, EveryRecordGetsItsTeamTotalOnFiveDigits) {
    ouvrir(equipe("ALPHA", "V", {"", "", "0950", "", "", ""}) + equipe("BETA", "V", {}));
    const ClassementEquipes cl = ClasserEquipes(etat);
    const std::string disque = surDisque();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(disque.substr(k * 300 + 274, 5), k < 4 ? "00950" : "00000") << k;
    // A score never entered (NULs or blanks) shows as four zeros.
    EXPECT_EQ(cl.TabEquipes[1].Poutre(), "0000");
    EXPECT_EQ(cl.TabEquipes[0].Poutre(), "0950");
    EXPECT_EQ(cl.TabEquipes[0].note(6), "0000");
}

TEST_F(ClassementParEquipes, AProtectedFileIsRankedButLeftUnchanged) {
    std::string contenu = equipe("BETA", "V", {"", "", "1000", "", "", ""}) +
                          equipe("ALPHA", "V", {"", "", "2000", "", "", ""});
    contenu[299] = kCode160;
    ouvrir(contenu);
    ASSERT_TRUE(etat.Protege());
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(surDisque(), contenu);
    EXPECT_EQ(noms(cl), "ALPHA BETA ");
    EXPECT_EQ(cl.TabEquipes[0].TotalEquipe, 2000);
}

TEST_F(ClassementParEquipes, WithoutSortTheTableKeepsTheOrderOfTheFile) {
    ouvrir(equipe("BETA", "V", {"1000"}) + equipe("ALPHA", "V", {"2000"}) +
           equipe("ALPHA", "W", {"2000"}));
    EXPECT_EQ(noms(ClasserEquipes(etat, true)), "BETA ALPHA ALPHA ");
}

TEST_F(ClassementParEquipes, AGroupOfIndividualEntrantsIsRankedButNotListed) {
    ouvrir(equipe("BETA", "V", {"1000"}) + equipe("INDIV*", "V", {"6000"}) +
           equipe("ALPHA", "V", {"5000"}));
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(noms(cl), "INDIV* ALPHA BETA ");
    PlacesEquipes places;
    EXPECT_FALSE(places.suivante(cl.TabEquipes[0]));
    EXPECT_EQ(places.suivante(cl.TabEquipes[1])->numero, 1);
    EXPECT_EQ(places.suivante(cl.TabEquipes[2])->numero, 2);
}

TEST_F(ClassementParEquipes, ATieWithAnUnlistedGroupShowsNoPlace) {
    ouvrir(equipe("BETA", "V", {"5000"}) + equipe("AAA*", "V", {"5000"}));
    const ClassementEquipes cl = ClasserEquipes(etat);
    PlacesEquipes places;
    EXPECT_FALSE(places.suivante(cl.TabEquipes[0]));
    const auto beta = places.suivante(cl.TabEquipes[1]);
    EXPECT_EQ(beta->numero, 1);
    EXPECT_TRUE(beta->exAequo);
}

TEST_F(ClassementParEquipes, OnlyWholeTeamsAreRanked) {
    ouvrir(fichier({enregistrementProvisoire(kSansJuges)}));
    ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.NbEnreg, 1);
    EXPECT_TRUE(cl.TabEquipes.empty());
    EXPECT_EQ(surDisque().substr(274, 5), "00000");

    ouvrir(equipe("ALPHA", "V", {"2000"}) + equipe("BETA", "V", {"3000"}).substr(0, 900));
    cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.TabEnreg.size(), 7U);
    EXPECT_EQ(noms(cl), "ALPHA ");
}
