#include "data/competition.h"
#include "data/creation.h"
#include "support/systeme_simule.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::nouveau;
using namespace palmora::test;

namespace {

// 48 spaces, the settings block, then NULs: the one record of a new competition.
std::string provisoire(std::string_view bloc) {
    return std::string(48, ' ') + std::string(bloc) + std::string(242, '\0');
}

struct Creation : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Competition etat;
    ChoixNouveau choix;
    std::vector<PanneauJuges> panneauxDemandes;
    // How the organiser leaves the judge panel; by default as it opened.
    std::function<void(PanneauJuges&)> reponseJuges = [](PanneauJuges&) {};

    void SetUp() override { etat.changerDossier(dossier.chemin()); }
    void TearDown() override { simulerPanne(std::nullopt); }

    bool creer() {
        return CreerCompetition(
            etat, choix,
            [this](const PanneauJuges& panneau) {
                panneauxDemandes.push_back(panneau);
                PanneauJuges laisse = panneau;
                reponseJuges(laisse);
                return laisse;
            },
            dialogues);
    }
    std::vector<std::string> fichiers() const {
        std::vector<std::string> noms;
        for (const auto& entree : std::filesystem::directory_iterator(dossier.chemin()))
            noms.push_back(entree.path().filename().string());
        std::sort(noms.begin(), noms.end());
        return noms;
    }
};

} // namespace

TEST_F(Creation, WomenNiveau2SevenToEightIsNamedWithoutMembership) {
    choix.choisirNiveau(Niveau2);
    ASSERT_TRUE(creer());
    EXPECT_EQ(fichiers(), std::vector<std::string>{"F_2_N000.PLM"});
    EXPECT_EQ(lireFichier(dossier / "F_2_N000.PLM"), provisoire("0650001111"));
    EXPECT_EQ(etat.FichierCompet(), "F_2_N000.PLM");
    EXPECT_TRUE(etat.ouvert());
    EXPECT_EQ(etat.NbEnreg(), 1);
    EXPECT_EQ(etat.nbEquipes(), 0);
    EXPECT_EQ(etat.CodeAppart(), '0');
    EXPECT_EQ(etat.EffectEquip(), 6);
    EXPECT_EQ(etat.CalcEquip(), 5);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Creation, ThePlaceholderCarriesMembershipTeamSettingsAndTheJudgesAsLeft) {
    choix.choisirSexe(Masculins);
    choix.choisirNiveau(Honneur);
    choix.choisirAppartenance(Double);
    choix.changerRetenues(+1);
    reponseJuges = [](PanneauJuges& p) {
        for (int k = 0; k < 4; ++k)
            p.appuyer(3, true, false, false); // Fixe up to 5
        p.appuyer(1, true, false, false);     // Anneaux 2
    };
    ASSERT_TRUE(creer());
    ASSERT_EQ(panneauxDemandes.size(), 1u);
    EXPECT_FALSE(panneauxDemandes[0].femmes());
    EXPECT_EQ(lireFichier(dossier / "M_H_MD00.PLM"), provisoire("D442151110"));
    EXPECT_EQ(etat.juges(champs::JugesSlot(3)), 5);
    EXPECT_EQ(etat.juges(champs::JugesPoutre), 0);
    EXPECT_EQ(etat.CodeAgres(), 'M');
}

TEST_F(Creation, CharacterSixIsZeroOnlyWhenNoMembershipIsOffered) {
    choix.choisirCatégorie(Ans9_10);
    ASSERT_TRUE(creer());
    EXPECT_EQ(etat.FichierCompet(), "F_1_P000.PLM");
    EXPECT_EQ(lireFichier(dossier / "F_1_P000.PLM")[48], '0');

    ChoixNouveau double_;
    double_.choisirNiveau(Niveau3);
    double_.choisirCatégorie(Ans9_12);
    double_.choisirAppartenance(Double);
    choix = double_;
    ASSERT_TRUE(creer());
    EXPECT_EQ(etat.FichierCompet(), "F_3_BD00.PLM");
    EXPECT_EQ(lireFichier(dossier / "F_3_BD00.PLM")[48], 'D');
    EXPECT_EQ(etat.CodeAppart(), 'D');
}

TEST_F(Creation, TakesTheFirstFreePlateauWhateverTheCaseOfExistingNames) {
    ecrireFichier(dossier / "F_1_N000.PLM", "ancien");
    ecrireFichier(dossier / "f_1_n001.plm", "ancien");
    ecrireFichier(dossier / "F_1_NS00.PLM", "autre");
    ASSERT_TRUE(creer());
    EXPECT_EQ(etat.FichierCompet(), "F_1_N002.PLM");
    EXPECT_EQ(lireFichier(dossier / "F_1_N000.PLM"), "ancien");
    EXPECT_EQ(lireFichier(dossier / "f_1_n001.plm"), "ancien");
    EXPECT_EQ(etat.DescriptionCompet(), "Féminines Niveau 1 . 7-8 ans (plateau 3)");
}

TEST_F(Creation, AHundredPlateausTakenCreatesNothing) {
    for (int n = 0; n < 100; ++n)
        ecrireFichier(dossier /
                          ("F_1_N0" + std::string{char('0' + n / 10), char('0' + n % 10)} + ".PLM"),
                      "");
    EXPECT_FALSE(creer());
    EXPECT_EQ(fichiers().size(), 100u);
    EXPECT_FALSE(etat.ouvert());
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Nouveau fichier");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    EXPECT_NE(dialogues.messages[0].texte.find("F_1_N0"), std::string::npos);
}

TEST_F(Creation, ACancelledJudgePanelCreatesNothingAndLeavesNoCompetitionOpen) {
    ASSERT_TRUE(creer());
    ASSERT_TRUE(etat.ouvert());
    reponseJuges = [](PanneauJuges& p) { p.JugesAnnule = true; };
    EXPECT_FALSE(creer());
    EXPECT_EQ(fichiers(), std::vector<std::string>{"F_1_N000.PLM"});
    EXPECT_FALSE(etat.ouvert());
    EXPECT_FALSE(etat.ouvert());
}

TEST_F(Creation, MenMiniEnchainementUsesTheWomensApparatus) {
    choix.choisirSexe(Masculins);
    choix.choisirNiveau(MiniEnchainement);
    ASSERT_TRUE(creer());
    ASSERT_EQ(panneauxDemandes.size(), 1u);
    EXPECT_TRUE(panneauxDemandes[0].femmes());
    EXPECT_EQ(etat.FichierCompet(), "M_E_NS00.PLM");
    EXPECT_EQ(lireFichier(dossier / "M_E_NS00.PLM"), provisoire("S640001111"));
    EXPECT_EQ(etat.CodeSexe(), 'F');
    EXPECT_EQ(etat.CodeAgres(), 'F');
}

TEST_F(Creation, AFolderThatRefusesWritingEndsTheProgramAndAFullDiskIsReported) {
    for (Appel etape : {EtapeRemplacement::Creation, EtapeRemplacement::Ecriture,
                        EtapeRemplacement::Vidage, EtapeRemplacement::Renommage}) {
        simulerPanne(PanneSimulee{etape, ENOSPC});
        EXPECT_FALSE(creer());
        EXPECT_TRUE(fichiers().empty()) << "nothing half made is left";
        EXPECT_FALSE(etat.ouvert());
        ASSERT_EQ(dialogues.messages.size(), 1u);
        EXPECT_EQ(dialogues.messages[0].texte, "Le fichier\n" +
                                                   (dossier / "F_1_N000.PLM").string() +
                                                   "\nne peut pas être créé.");
        dialogues.messages.clear();
    }

    simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
    EXPECT_THROW(creer(), ProgrammeArrete);
    EXPECT_EQ(dialogues.messages.back().texte, "Modification interdite.");
    EXPECT_EQ(dialogues.messages.back().titre, "Compétition terminée");
}
