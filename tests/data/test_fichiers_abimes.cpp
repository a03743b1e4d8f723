#include "data/competition.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <random>

using namespace palmora;
using namespace palmora::test;

namespace {

struct FichiersAbimes : CompetOuverte {
    FichiersAbimes() { nom = "F_1_NS00.PLM"; }
};

std::string auHasard(std::size_t taille, unsigned graine) {
    std::mt19937 alea(graine);
    std::string s(taille, '\0');
    for (char& c : s)
        c = static_cast<char>(alea());
    return s;
}

} // namespace

TEST_F(FichiersAbimes, PartialAndEmptyFilesOpenAndCountWholeRecordsOnly) {
    ouvrir(fichier({enregistrementProvisoire("S654402340")}) + std::string(150, 'x'));
    EXPECT_EQ(etat.NbEnreg, 1);
    EXPECT_EQ(etat.EffectEquip, 6);
    TrierFichier(etat, dialogues);
    EXPECT_EQ(etat.NbEnreg, 1);

    ouvrir("");
    EXPECT_EQ(etat.NbEnreg, 0);
    EXPECT_EQ(etat.EffectEquip, 0);
    EXPECT_EQ(etat.nbEquipes(), 0);
    EXPECT_FALSE(LireEnreg(etat, 1));
    TrierFichier(etat, dialogues);
    MarquerProtection(etat, kCode160, dialogues);
    EXPECT_FALSE(RetirerEquipe(etat, "X", "Y", dialogues) && etat.ouvert());
}

TEST_F(FichiersAbimes, RandomBytesOpenAndRewriteWithoutLosingARecord) {
    for (unsigned graine = 1; graine <= 20; ++graine) {
        const std::string hasard = auHasard(300 * graine + graine, graine);
        ouvrir(hasard);
        EXPECT_EQ(etat.NbEnreg, graine);
        EXPECT_GE(etat.EffectEquip, 0);
        EXPECT_LE(etat.EffectEquip, 9);
        TrierFichier(etat, dialogues);
        EXPECT_EQ(etat.NbEnreg, graine);
    }
}

TEST_F(FichiersAbimes, FortyThousandRecordsOpenAndSort) {
    std::string gros;
    gros.reserve(40000 * 300);
    for (int k = 40000; k > 0; --k) {
        Enregistrement e = gymnaste("EQ" + std::to_string(k % 977), "01 VILLE",
                                    "NOM" + std::to_string(k), "0610004444");
        gros += e.octets();
    }
    ouvrir(gros);
    EXPECT_EQ(etat.NbEnreg, 40000);
    EXPECT_EQ(etat.nbEquipes(), 40000 / 6);
    TrierFichier(etat, dialogues);
    const std::string trie = surDisque();
    ASSERT_EQ(trie.size(), gros.size());
    for (std::size_t k = 1; k < 40000; ++k)
        ASSERT_LE(trie.compare((k - 1) * 300, 15, trie, k * 300, 15), 0) << k;
}
