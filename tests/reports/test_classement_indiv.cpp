#include "reports/classement_indiv.h"

#include "reports/outils.h"

#include <algorithm>
#include <random>

using namespace palmora;
using namespace palmora::test;

namespace {

struct ClassementIndividuel : CompetOuverte {};

std::string nomsDans(const ClassementIndiv& cl) {
    std::string noms;
    for (const Enregistrement& e : cl.TabEnreg)
        noms += std::string(rogner(e.lire(champs::Nom))) + " ";
    return noms;
}

} // namespace

TEST_F(ClassementIndividuel, APlaceholderAloneIsRankedEmptyAndGetsAZeroTotal) {
    ouvrir(fichier({enregistrementProvisoire(kSansJuges)}));
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.NbEnreg, 1);
    EXPECT_EQ(cl.NbGymnastes, 0);
    ASSERT_EQ(cl.TabEnreg.size(), 1U);
    EXPECT_TRUE(gymnasteVide(cl.TabEnreg[0]));
    EXPECT_EQ(surDisque().substr(184, 4), "0000");
}

TEST_F(ClassementIndividuel, TotalsAreSummedWrittenBackAndRankedHighestFirst) {
    Enregistrement deuxDix =
        G("ALPHA", "01 BOURG", "MARTIN").note(1, "999").note(3, "999").note(5, "850");
    Enregistrement nonNote = G("ALPHA", "01 BOURG", "DURAND").note(5, "950"); // NULs elsewhere
    Enregistrement blancs = G("ALPHA", "01 BOURG", "ZOLA").note(5, "  5").note(6, "   ");
    ouvrir(fichier({nonNote, blancs, deuxDix, slotLibre("ALPHA", "01 BOURG", kSansJuges)}));

    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.NbGymnastes, 3);
    EXPECT_EQ(nomsDans(cl), "MARTIN DURAND ZOLA \xA0 ");
    EXPECT_EQ(cl.TotIndiv, (std::vector<int>{2850, 950, 5, 0}));
    EXPECT_EQ(cl.TabEnreg[0].lire(champs::TotalIndiv), "2850");

    // Only the totals changed on disk.
    deuxDix.poser(champs::TotalIndiv, "2850");
    nonNote.poser(champs::TotalIndiv, "0950");
    blancs.poser(champs::TotalIndiv, "0005");
    Enregistrement libre = slotLibre("ALPHA", "01 BOURG", kSansJuges);
    libre.poser(champs::TotalIndiv, "0000");
    EXPECT_EQ(surDisque(), fichier({nonNote, blancs, deuxDix, libre}));
}

TEST_F(ClassementIndividuel, ScoresAreRecomputedFromTheMarksFirst) {
    // One judge at Saut (slot 5): the score comes from his mark, whatever was stored.
    Enregistrement e = G("ALPHA", "01 BOURG", "MARTIN", "Anne", "0430000100").note(5, "100");
    e.poser(champs::Notes(5, 1), "875");
    ouvrir(fichier({e}));
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.TotIndiv, std::vector<int>{875});
    EXPECT_EQ(surDisque().substr(184, 4), "0875");
}

TEST_F(ClassementIndividuel, AProtectedFileStillGetsItsIndividualTotals) {
    Enregistrement e = G("ALPHA", "01 BOURG", "MARTIN").note(6, "900");
    e[kTailleEnreg] = kCode160;
    ouvrir(fichier({e}));
    ASSERT_TRUE(etat.Protege());
    ClasserIndiv(etat);
    EXPECT_EQ(surDisque().substr(184, 4), "0900");
}

TEST_F(ClassementIndividuel, EqualTotalsGoByTheRecordFromTheSurnameInByteOrder) {
    ouvrir(fichier(
        {G("B", "V", "DUPONTEL").note(6, "900"), G("A", "V", "DUPONT", "Zoé").note(6, "900"),
         G("A", "V", "DUPONT", "Alice").note(6, "900"), G("A", "V", "Éric").note(6, "900"),
         G("A", "V", "dupont").note(6, "900"), G("C", "V", "ZZ").note(6, "950")}));
    // The padding space sorts before a letter, upper case before lower, É (201) last.
    EXPECT_EQ(nomsDans(ClasserIndiv(etat)), "ZZ DUPONT DUPONT DUPONTEL dupont \xC9ric ");
    EXPECT_EQ(rogner(ClasserIndiv(etat).TabEnreg[1].lire(champs::Prénom)), "Alice");
}

TEST_F(ClassementIndividuel, ALargeFileComesOutInRankingOrder) {
    std::mt19937 alea(7);
    std::string contenu;
    for (int k = 0; k < 3000; ++k) {
        const std::string nom = "N" + std::to_string(alea() % 100000);
        contenu += G("T" + std::to_string(k / 4), "V", nom)
                       .note(5, chiffres(alea() % 1000, 3))
                       .note(6, chiffres(alea() % 1000, 3))
                       .e.octets();
    }
    ouvrir(contenu);
    const ClassementIndiv cl = ClasserIndiv(etat);
    ASSERT_EQ(cl.TabEnreg.size(), 3000U);
    for (std::size_t k = 1; k < cl.TabEnreg.size(); ++k) {
        const auto suite = [&](std::size_t i) { return cl.TabEnreg[i].octets().substr(15); };
        EXPECT_TRUE(cl.TotIndiv[k - 1] > cl.TotIndiv[k] ||
                    (cl.TotIndiv[k - 1] == cl.TotIndiv[k] && suite(k - 1) <= suite(k)))
            << k;
        EXPECT_EQ(cl.TotIndiv[k], totalIndiv(cl.TabEnreg[k]));
    }
}

TEST(PlacesIndividuelles, TiesShowNoPlaceAndTheNextTotalShowsTheRunningCount) {
    PlacesIndiv places;
    std::string vues;
    for (int total : {3850, 3700, 3700, 3600}) {
        const PlacesIndiv::Place p = places.suivante(G("A", "V", "X"), total);
        vues += p.exAequo ? "_ " : std::to_string(p.numero) + " ";
    }
    EXPECT_EQ(vues, "1 2 _ 4 ");
}

TEST(PlacesIndividuelles, AHorsConcoursGymnastUsesUpANumberAndCountsForTheNextTie) {
    PlacesIndiv places;
    const Enregistrement hc = G("A", "V", "HC").horsConcours();
    EXPECT_FALSE(places.suivante(G("A", "V", "X"), 3850).horsConcours);
    const PlacesIndiv::Place deuxieme = places.suivante(hc, 3700);
    EXPECT_TRUE(deuxieme.horsConcours);
    const PlacesIndiv::Place troisieme = places.suivante(G("A", "V", "Y"), 3600);
    EXPECT_EQ(troisieme.numero, 3);
    EXPECT_FALSE(troisieme.exAequo || troisieme.horsConcours);
    // Tied with the hors-concours gymnast just before.
    EXPECT_TRUE(places.suivante(G("A", "V", "Z"), 3600).exAequo);
}

TEST(GymnasteVide, BlankNamesOrALoneCode160MakeAnEmptySlot) {
    EXPECT_TRUE(gymnasteVide(enregistrementProvisoire(kSansJuges)));
    EXPECT_TRUE(gymnasteVide(slotLibre("A", "V")));
    EXPECT_FALSE(gymnasteVide(G("A", "V", "X")));
    Enregistrement prenomSeul = slotLibre("A", "V");
    prenomSeul.poser(champs::Prénom, "Anne");
    EXPECT_FALSE(gymnasteVide(prenomSeul));
}
