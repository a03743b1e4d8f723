// Copies of the competition in "Sauvegardes": when they are made, how they are named, how many
// are kept, and restoring one.
#include "app/liste_compet.h"
#include "data/competition.h"
#include "data/registre_licences.h"
#include "data/sauvegardes.h"
#include "registration/inscription.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"
#include "support/systeme_simule.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const std::string kDeuxEquipes =
    fichier({gymnaste("ALPHA", "01 BOURG", "A1"), gymnaste("ALPHA", "01 BOURG", "A2"),
             gymnaste("ALPHA", "01 BOURG", "A3"), gymnaste("ALPHA", "01 BOURG", "A4"),
             gymnaste("BETA", "38 VIENNE", "B1"), gymnaste("BETA", "38 VIENNE", "B2"),
             gymnaste("BETA", "38 VIENNE", "B3"), gymnaste("BETA", "38 VIENNE", "B4")});

struct SauvegardesCompet : CompetOuverte {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};

    SauvegardesCompet() { etat.installerSauvegardes(sauvegardes); }
    void TearDown() override { simulerPanne(std::nullopt); }

    fs::path copies() const { return dossier / "Sauvegardes"; }
    std::vector<std::string> noms() const {
        std::vector<std::string> n;
        for (const auto& f : fs::directory_iterator(copies()))
            n.push_back(f.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    void plusTard(int minutes) {
        horloge.date.minute += minutes;
        horloge.date.heure += horloge.date.minute / 60;
        horloge.date.minute %= 60;
    }
    void changer() {
        Enregistrement e = etat.LireEnreg(1);
        e.poser(champs::Notes(5, 1), std::to_string(800 + horloge.date.minute));
        ASSERT_EQ(etat.EcrireEnreg(1, e, dialogues), Ecriture::Reussie);
    }
};

} // namespace

TEST(NomSauvegarde, TheCompetitionsNameThenTheDateAndTime) {
    EXPECT_EQ(nomSauvegarde("F_1_NS00.PLM", {2026, 12, 6, 9, 5, 59}),
              "F_1_NS00 2026-12-06 09h05.PLM");
    EXPECT_EQ(nomSauvegarde("f_1_ns00.plm", {2026, 1, 2, 23, 0, 0}, 2),
              "f_1_ns00 2026-01-02 23h00 (2).PLM");
}

TEST_F(SauvegardesCompet, OpeningCopiesThenAChangeAtMostOnceAMinute) {
    ouvrir(kDeuxEquipes);
    EXPECT_EQ(noms(), std::vector<std::string>{"F_2_PS00 2026-12-06 10h42.PLM"});
    EXPECT_EQ(lireFichier(copies() / noms()[0]), kDeuxEquipes);

    plusTard(1);
    etat.sauvegarder(false, dialogues); // a minute on but nothing changed: no copy
    EXPECT_EQ(noms().size(), 1u);
    changer();
    EXPECT_EQ(noms().back(), "F_2_PS00 2026-12-06 10h43.PLM");
    EXPECT_EQ(lireFichier(copies() / noms().back()), surDisque());
    changer(); // the same minute: no copy
    EXPECT_EQ(noms().size(), 2u);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(SauvegardesCompet, ThirtyAreKeptAndTheListIsNewestFirst) {
    ouvrir(kDeuxEquipes);
    for (int k = 0; k < 32; ++k) {
        plusTard(1);
        changer();
    }
    ASSERT_EQ(noms().size(), 30u);
    EXPECT_EQ(noms().front(), "F_2_PS00 2026-12-06 10h45.PLM") << "the oldest three went";
    const std::vector<CopieSauvegarde> liste = sauvegardes.lister(etat);
    ASSERT_EQ(liste.size(), 30u);
    EXPECT_EQ(liste[0].quand, "06/12/2026 11:14");
    EXPECT_EQ(liste[0].equipes, 2);
    EXPECT_EQ(liste[0].notes, 1);
    EXPECT_EQ(liste[29].quand, "06/12/2026 10:45");
}

TEST_F(SauvegardesCompet, TheFolderIsNeitherACompetitionNorReadByTheRegistry) {
    ouvrir(kDeuxEquipes);
    ecrireFichier(copies() / "F_1_NS00.PLM",
                  fichier({licencie("X", "01 X", "DUPONT", "0000000001")}));
    const std::vector<std::string> liste = listerCompetitions(dossier.chemin());
    EXPECT_EQ(liste, std::vector<std::string>{nom});
    DossierTemporaire programme;
    ASSERT_TRUE(ReconstruireRegistre(etat, programme.chemin(), liste, dialogues));
    EXPECT_EQ(lireFichier(programme / kFichierRegistre).find("DUPONT"), std::string::npos);
}

TEST_F(SauvegardesCompet, ACopyThatCannotBeWrittenIsToldOnceAndTheCommandStands) {
    ecrireFichier(dossier / "Sauvegardes", "un fichier, pas un dossier");
    ouvrir(kDeuxEquipes);
    plusTard(1);
    changer();
    plusTard(1);
    changer();
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].texte.find((dossier / "Sauvegardes").string()),
              std::string::npos);
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::Notes(5, 1)), "844");
}

TEST_F(SauvegardesCompet, RestoringTheCopyMadeBeforeADeletionGivesTheTeamBack) {
    ouvrir(kDeuxEquipes);
    dialogues.reponses = {Reponse::Oui};
    ASSERT_TRUE(EffacerEquipe(etat, "BETA", "38 VIENNE", dialogues));
    EXPECT_EQ(etat.nbEquipes(), 1);
    // The same minute as the copy made on opening: the copy before the deletion comes second.
    const std::vector<CopieSauvegarde> liste = sauvegardes.lister(etat);
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].chemin.filename(), "F_2_PS00 2026-12-06 10h42 (2).PLM");

    ASSERT_TRUE(RestaurerSauvegarde(etat, liste[0].chemin, dialogues));
    EXPECT_EQ(surDisque(), kDeuxEquipes);
    EXPECT_EQ(etat.nbEquipes(), 2);
    EXPECT_EQ(sauvegardes.lister(etat).size(), 3u) << "the file was copied before the restore";
}
