#include "app/boutons.h"
#include "app/demandes.h"
#include "app/reglages_compet.h"
#include "data/competition.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

using Reglages = CompetOuverte;

// A gymnast with every mark of the women's apparatus entered (4 judges).
Enregistrement noteeComplet(const char* nom) {
    Enregistrement e = gymnaste("ALPHA", "01 BOURG", nom);
    for (int s = 3; s <= 6; ++s)
        for (int j = 1; j <= 4; ++j)
            e.poser(champs::Notes(s, j), "900");
    return e;
}

} // namespace

TEST_F(Reglages, TeamSizeIsAskedUntilOneToSixAndRefusedOnceATeamExists) {
    ouvrir("F_1_N000.PLM", fichier({enregistrementProvisoire("0654404440")}));
    dialogues.saisies = {"0", "", "7", "3"};
    DemanderEffectifEquipe(etat, dialogues);
    EXPECT_EQ(dialogues.invites.size(), 4u);
    EXPECT_EQ(dialogues.invites[0],
              "Concurrent(e)s par équipe: Nombre de concurrent(e)s par équipe :\nActuellement 6");
    EXPECT_EQ(etat.EffectEquip(), 3);
    EXPECT_EQ(surDisque(), fichier({enregistrementProvisoire("0354404440")}));

    ouvrir("F_1_N001.PLM", fichier({gymnaste("A", "01 X", "UN", "0354404440")}) + "x");
    DemanderEffectifEquipe(etat, dialogues);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Modification impossible");
    EXPECT_EQ(dialogues.messages[0].texte, "Des équipes ont déjà été saisies");
}

TEST_F(Reglages, RetainedMarksStayWithinTheTeamSizeAndFiveAndRewriteEveryRecord) {
    const std::string bloc3 = "0330004444";
    ouvrir("F_2_PS00.PLM",
           fichier({gymnaste("A", "01 X", "UN", bloc3), gymnaste("A", "01 X", "DEUX", bloc3)}));
    dialogues.saisies = {"4", "5", "0", "2"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.invites.size(), 4u);
    EXPECT_EQ(dialogues.invites[0],
              "Classement par équipe: Nombre de notes retenues (1 à 3) :\nActuellement 3");
    EXPECT_EQ(etat.CalcEquip(), 2);
    const std::string bloc2 = "0320004444";
    EXPECT_EQ(surDisque(),
              fichier({gymnaste("A", "01 X", "UN", bloc2), gymnaste("A", "01 X", "DEUX", bloc2)}));

    // With six gymnasts, six is still refused.
    ouvrir("F_2_PS02.PLM", fichier({gymnaste("A", "01 X", "UN", "0620004444")}));
    dialogues.saisies = {"6", "5"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(etat.CalcEquip(), 5);

    // Once a total exists the count is fixed.
    Enregistrement total = gymnaste("A", "01 X", "UN", bloc2);
    total.poser(champs::TotalIndiv, "0001");
    ouvrir("F_2_PS01.PLM", fichier({total}));
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.messages.back().texte, "Des notes ont déjà été saisies");
}

TEST_F(Reglages, ProtectionIsRefusedWhileAMarkIsMissingAndConfirmedOtherwise) {
    const std::string complet = fichier({noteeComplet("UN"), noteeComplet("DEUX")});
    ouvrir("F_2_PS00.PLM", fichier({noteeComplet("UN"), gymnaste("ALPHA", "01 BOURG", "DEUX")}));
    const std::string avant = surDisque();
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Protection impossible");
    EXPECT_EQ(dialogues.messages[0].texte, "La compétition n'est pas terminée");
    EXPECT_EQ(surDisque(), avant);

    ouvrir("F_2_PS01.PLM", complet);
    dialogues.messages.clear();
    EXPECT_FALSE(ProtegerCompet(etat, dialogues)); // No is the default
    ASSERT_EQ(dialogues.messages.size(), 1u);
    const Message& question = dialogues.messages[0];
    EXPECT_EQ(question.titre, "Protection du fichier    F_2_PS01.PLM");
    EXPECT_EQ(question.defaut, Reponse::Non);
    EXPECT_EQ(surDisque(), complet);

    dialogues.reponses = {Reponse::Oui};
    EXPECT_TRUE(ProtegerCompet(etat, dialogues));
    EXPECT_TRUE(etat.Protege());
    EXPECT_EQ(surDisque()[299], kCode160);
    EXPECT_EQ(surDisque()[599], kCode160);
}

TEST_F(Reglages, CommandsRunOnlyInTheirState) {
    const DateHeure septembre2006{2006, 9, 15}, octobre2006{2006, 10, 1};
    const auto permise = [&](Commande c, const char* agres = "", bool menu = false) {
        return commandePermise({c, agres, menu}, etat, visibiliteBoutons(etat, true), octobre2006);
    };
    EXPECT_FALSE(permise(Commande::VoirIndiv));
    EXPECT_FALSE(permise(Commande::Inscrire));
    EXPECT_FALSE(permise(Commande::Deproteger));
    EXPECT_TRUE(permise(Commande::Nouveau));
    EXPECT_TRUE(permise(Commande::Ages));
    EXPECT_FALSE(commandePermise({Commande::Ages, "", false}, etat, {}, septembre2006));

    ouvrir("F_2_PS00.PLM", fichier({enregistrementProvisoire("0430004444")}));
    EXPECT_FALSE(permise(Commande::Proteger)); // no team: the button is hidden
    EXPECT_TRUE(permise(Commande::Inscrire));
    EXPECT_TRUE(permise(Commande::Saisie, "Poutre"));
    EXPECT_FALSE(permise(Commande::Saisie, "Arçons")); // not a women's apparatus

    Enregistrement marque = gymnaste("A", "01 X", "UN");
    marque[300] = kCode160;
    ouvrir("F_2_PS01.PLM", fichier({marque, marque}));
    EXPECT_FALSE(permise(Commande::Inscrire));
    EXPECT_FALSE(permise(Commande::Saisie, "Poutre"));
    EXPECT_TRUE(permise(Commande::VoirIndiv));
    EXPECT_TRUE(permise(Commande::Deproteger));

    EXPECT_EQ(demandeDeCle("Parallèles")->commande, Commande::Saisie);
    EXPECT_EQ(demandeDeCle("Voir_Notes")->commande, Commande::VoirNotes);
    EXPECT_FALSE(demandeDeCle("Note").has_value());
}
