#include "data/competition.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

using Reecritures = CompetOuverte;

const Enregistrement kAlphaDurand = gymnaste("ALPHA", "01 BOURG", "DURAND");
const Enregistrement kAlphaMartin = gymnaste("ALPHA", "01 BOURG", "MARTIN");
const Enregistrement kAlphaEric = gymnaste("ALPHA", "01 BOURG", "ÉRIC");
const Enregistrement kAlphaLibre = slotLibre("ALPHA", "01 BOURG");
const Enregistrement kBeta1 = gymnaste("BETA", "38 VIENNE", "ABEL");
const Enregistrement kBeta2 = gymnaste("BETA", "38 VIENNE", "ZOLA");
const Enregistrement kBetaAutreVille = gymnaste("BETA", "26 VALENCE", "CHARLES");
const Enregistrement kMinuscule = gymnaste("beta", "38 VIENNE", "BRUNO");

} // namespace

TEST_F(Reecritures, SortedRewriteOrdersByTeamTownThenGymnastInBinaryOrder) {
    ouvrir(fichier({kMinuscule, kBeta2, kAlphaEric, kBeta1, kAlphaLibre, kAlphaMartin,
                    kBetaAutreVille, kAlphaDurand}));
    TrierFichier(etat, dialogues);
    // Code 160 (empty slot) sorts after plain letters and before "É" (201); a lower-case team
    // name comes after every upper-case one.
    EXPECT_EQ(surDisque(), fichier({kAlphaDurand, kAlphaMartin, kAlphaLibre, kAlphaEric,
                                    kBetaAutreVille, kBeta1, kBeta2, kMinuscule}));
    EXPECT_TRUE(etat.ouvert());
    EXPECT_EQ(etat.NbEnreg(), 8);
    EXPECT_FALSE(std::filesystem::exists(dossier / "TEMPO"));
    EXPECT_EQ(etat.LireEnreg(1), kAlphaDurand);
}

TEST_F(Reecritures, RemovingATeamKeepsTheOthersInOrder) {
    ouvrir(fichier({kAlphaDurand, kAlphaMartin, kBeta1, kBeta2, kBetaAutreVille}));
    EXPECT_FALSE(RetirerEquipe(etat, "  BETA ", "38 VIENNE", dialogues));
    EXPECT_EQ(surDisque(), fichier({kAlphaDurand, kAlphaMartin, kBetaAutreVille}));
    EXPECT_EQ(etat.NbEnreg(), 3);
    EXPECT_TRUE(etat.ouvert());
    EXPECT_FALSE(std::filesystem::exists(dossier / "Provi.PLM"));
}

TEST_F(Reecritures, RemovingTheOnlyTeamDeletesTheFile) {
    ouvrir(fichier({kAlphaDurand, kAlphaLibre}));
    EXPECT_TRUE(RetirerEquipe(etat, "ALPHA", "01 BOURG", dialogues));
    EXPECT_FALSE(std::filesystem::exists(dossier / nom));
    EXPECT_FALSE(etat.ouvert());
    EXPECT_FALSE(etat.Protege());
    EXPECT_FALSE(etat.ouvert());
}

TEST_F(Reecritures, ProtectionMarksEveryRecordAndSurvivesReopening) {
    ouvrir(fichier({kAlphaDurand, kAlphaMartin}));
    MarquerProtection(etat, kCode160, dialogues);
    EXPECT_TRUE(etat.Protege());
    std::string attendu = fichier({kAlphaDurand, kAlphaMartin});
    attendu[299] = kCode160;
    attendu[599] = kCode160;
    EXPECT_EQ(surDisque(), attendu);

    ouvrir(surDisque());
    EXPECT_TRUE(etat.Protege());
    MarquerProtection(etat, kNul, dialogues);
    EXPECT_FALSE(etat.Protege());
    EXPECT_EQ(surDisque(), fichier({kAlphaDurand, kAlphaMartin}));
}
