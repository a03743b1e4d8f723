#include "data/competition.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

using Ouverture = CompetOuverte;

} // namespace

TEST_F(Ouverture, PlaceholderFileOpensWithItsSettingsAndNoTeam) {
    ouvrir("F_1_NS00.PLM", fichier({enregistrementProvisoire("S654402340")}));
    EXPECT_EQ(etat.EffectEquip(), 6);
    EXPECT_EQ(etat.CalcEquip(), 5);
    EXPECT_EQ(etat.juges(champs::JugesSlot(1)), 4);
    EXPECT_EQ(etat.juges(champs::JugesSlot(2)), 4);
    EXPECT_EQ(etat.juges(champs::JugesSlot(3)), 0);
    EXPECT_EQ(etat.juges(champs::JugesSlot(4)), 2);
    EXPECT_EQ(etat.juges(champs::JugesSlot(5)), 3);
    EXPECT_EQ(etat.juges(champs::JugesSlot(6)), 4);
    EXPECT_EQ(etat.juges(champs::JugesPoutre), 0);
    EXPECT_EQ(etat.BlocConfig(), "S654402340");
    EXPECT_EQ(etat.NbEnreg(), 1);
    EXPECT_EQ(etat.nbEquipes(), 0);
    EXPECT_EQ(etat.CodeSexe(), 'F');
    EXPECT_EQ(etat.CodeAgres(), 'F');
    EXPECT_EQ(etat.CodeAppart(), 'S');
    EXPECT_EQ(etat.DescriptionCompet(), "Féminines Niveau 1 . 7-8 ans . Simple appartenance");
    EXPECT_FALSE(etat.Protege());
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Ouverture, MiniEnchainementsOfMenUseTheWomensApparatus) {
    ouvrir("M_E_NS00.PLM", fichier({enregistrementProvisoire("S644000444")}));
    EXPECT_EQ(etat.CodeSexe(), 'F');
    EXPECT_EQ(etat.CodeAgres(), 'F');
    ouvrir("M_1_PS00.PLM", fichier({enregistrementProvisoire("0644444440")}));
    EXPECT_EQ(etat.CodeSexe(), 'M');
    EXPECT_EQ(etat.CodeAgres(), 'M');
}

TEST_F(Ouverture, OneMarkedRecordAnywhereMakesTheFileProtected) {
    for (int marque : {0, 1, 2}) {
        Enregistrement e[3] = {gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX"),
                               gymnaste("A", "01 X", "TROIS")};
        e[marque][300] = kCode160;
        dialogues.messages.clear();
        ouvrir("F_2_PS00.PLM", fichier({e[0], e[1], e[2]}));
        EXPECT_TRUE(etat.Protege()) << marque;
        ASSERT_EQ(dialogues.messages.size(), 1u);
        const Message& m = dialogues.messages[0];
        EXPECT_EQ(
            m.texte,
            "     Fichier protégé.\n\nUtilisation possible mais\n  modifications interdites.");
        EXPECT_EQ(m.titre, "F_2_PS00.PLM");
        EXPECT_EQ(m.icone, Icone::Exclamation);
        EXPECT_EQ(m.boutons, Boutons::Ok);
    }
    ouvrir("F_2_PS00.PLM", fichier({gymnaste("A", "01 X", "UN")}));
    EXPECT_FALSE(etat.Protege());
}

TEST_F(Ouverture, EmptyNameOnlyClosesAndAMissingFileIsReported) {
    ouvrir("F_1_NS00.PLM", fichier({enregistrementProvisoire("S654402340")}));
    EXPECT_FALSE(etat.Ouvrir("", dialogues));
    EXPECT_FALSE(etat.ouvert());

    EXPECT_FALSE(etat.Ouvrir("ABSENT.PLM", dialogues));
    EXPECT_FALSE(etat.ouvert());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
}

TEST_F(Ouverture, RecordsAreReadAndWrittenWholeAndWritingPastTheEndAppends) {
    ouvrir("F_1_NS00.PLM", fichier({enregistrementProvisoire("S654402340")}));
    ASSERT_EQ(etat.EcrireEnreg(2, gymnaste("ALPHA", "01 BOURG", "DUPONT"), dialogues),
              Ecriture::Reussie);
    Enregistrement lu;
    ASSERT_TRUE(etat.LireEnreg(1, lu));
    EXPECT_EQ(lu, enregistrementProvisoire("S654402340"));
    ASSERT_TRUE(etat.LireEnreg(2, lu));
    EXPECT_EQ(lu, gymnaste("ALPHA", "01 BOURG", "DUPONT"));
    EXPECT_FALSE(etat.LireEnreg(3, lu));
    EXPECT_EQ(lu, Enregistrement());
    EXPECT_EQ(lireFichier(dossier / "F_1_NS00.PLM").size(), 600u);
}
