// A command's writes to the competition file are all or nothing and reach the disk once: a
// failure at any record, or of the flush, leaves the file byte for byte as it was.
#include "data/competition.h"
#include "registration/inscription.h"
#include "scoring/saisie_notes.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"
#include "support/systeme_simule.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;

namespace {

const Enregistrement kAlpha[] = {
    gymnaste("ALPHA", "01 BOURG", "A1"), gymnaste("ALPHA", "01 BOURG", "A2"),
    gymnaste("ALPHA", "01 BOURG", "A3"), gymnaste("ALPHA", "01 BOURG", "A4")};
const std::string kUneEquipe = fichier({kAlpha[0], kAlpha[1], kAlpha[2], kAlpha[3]});

EquipeSaisie equipe(const char* nom) {
    return {nom, "01 BOURG", {{"UN", "", "", "N", ""}, {"DEUX", "", "", "N", ""}}};
}

const Agres& saut() {
    return agresDe('F')[0];
}

struct EcrituresCommandes : CompetOuverte {
    void TearDown() override { simulerPanne(std::nullopt); }

    void attendreEchec(const std::string& avant) {
        EXPECT_EQ(surDisque(), avant);
        ASSERT_EQ(dialogues.messages.size(), 1u);
        EXPECT_EQ(dialogues.messages[0].texte,
                  "Le fichier\n" + (dossier / nom).string() + "\nne peut pas être écrit.");
        dialogues.messages.clear();
    }
};

} // namespace

TEST_F(EcrituresCommandes, ATeamSaveThatFailsAtAnyRecordLeavesTheFileAsItWas) {
    for (const bool nouvelle : {true, false})
        for (const int rang : {1, 2, 4}) {
            SCOPED_TRACE(std::to_string(rang) + (nouvelle ? " nouvelle" : " existante"));
            ouvrir(kUneEquipe);
            simulerPanne(PanneSimulee{Appel::EcritureA, ENOSPC, rang});
            EquipeSaisie e = equipe("BETA");
            EXPECT_EQ(SauverEquipe(etat, nouvelle ? 2 : 1, e, dialogues), Sauvegarde::Refusee);
            attendreEchec(kUneEquipe);
            EXPECT_EQ(etat.NbEnreg(), 4);
        }
    // Once the disk takes it, the same team is saved whole.
    simulerPanne(std::nullopt);
    EquipeSaisie e = equipe("BETA");
    EXPECT_EQ(SauverEquipe(etat, 2, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 2);
}

TEST_F(EcrituresCommandes, AScoreEntrySaveThatFailsMidwayLeavesEveryMarkAsItWas) {
    ouvrir(kUneEquipe);
    SaisieNotes saisie(etat, dialogues, saut());
    saisie.ChargerEquipe(1);
    simulerPanne(PanneSimulee{Appel::EcritureA, EIO, 3});
    saisie.EnregistrerEquipe(std::vector<TextesLigne>(4, TextesLigne{{"9,50", "9,00"}, ""}));
    attendreEchec(kUneEquipe);
}

TEST_F(EcrituresCommandes, AFailedFlushIsAFailedWrite) {
    ouvrir(kUneEquipe);
    simulerPanne(PanneSimulee{Appel::VidageDonnees, EIO});
    EquipeSaisie e = equipe("BETA");
    EXPECT_EQ(SauverEquipe(etat, 2, e, dialogues), Sauvegarde::Refusee);
    attendreEchec(kUneEquipe);
}

TEST_F(EcrituresCommandes, EachCommandFlushesOnceWhateverItsRecords) {
    ouvrir(kUneEquipe);
    simulerPanne(std::nullopt);
    EquipeSaisie e = equipe("BETA");
    ASSERT_EQ(SauverEquipe(etat, 2, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(appels(Appel::VidageDonnees), 1);

    SaisieNotes saisie(etat, dialogues, saut());
    saisie.ChargerEquipe(1);
    simulerPanne(std::nullopt);
    saisie.Valider(std::vector<TextesLigne>(4, TextesLigne{{"9,50"}, ""}));
    EXPECT_EQ(appels(Appel::VidageDonnees), 1);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(EcrituresCommandes, WhenEvenPuttingBackFailsTheFileIsSaidToBeDamaged) {
    ouvrir(kUneEquipe);
    simulerPanne(PanneSimulee{Appel::EcritureA, EIO, 2, true});
    EquipeSaisie e = equipe("BETA");
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Refusee);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, "Le fichier\n" + (dossier / nom).string() +
                                               "\nne peut pas être écrit et peut être endommagé.");
}

TEST_F(EcrituresCommandes, AnEmptiedFileThatCannotBeDeletedStaysOpenAsItWas) {
    ouvrir(kUneEquipe);
    simulerPanne(PanneSimulee{Appel::Suppression, EBUSY});
    dialogues.reponses = {Reponse::Oui};
    EXPECT_TRUE(EffacerEquipe(etat, "ALPHA", "01 BOURG", dialogues));
    EXPECT_EQ(surDisque(), kUneEquipe);
    EXPECT_TRUE(etat.ouvert());
    ASSERT_EQ(dialogues.messages.size(), 2u) << "the question, then the failure";
    EXPECT_EQ(dialogues.messages[1].texte,
              "Le fichier\n" + (dossier / nom).string() + "\nne peut pas être supprimé.");
}
