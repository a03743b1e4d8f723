#include "data/competition.h"
#include "data/table_ages.h"
#include "registration/inscription.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

constexpr char kNom[] = "F_1_PS00.PLM"; // women, 9-10 ans
const std::string kNuls(300, '\0');

// A record as registration writes it, laid out position by position.
std::string enreg(std::string_view equipe, std::string_view nom, std::string_view prenom,
                  std::string_view naissance, char surCl, std::string_view licence,
                  std::string_view ville, std::string_view marques = {}) {
    const auto pad = [](std::string_view t, std::size_t n) {
        std::string s(t);
        s.resize(n, ' ');
        return s;
    };
    std::string notes(marques);
    notes.resize(130, '\0'); // positions 59 to 188
    return pad(equipe, 15) + pad(nom, 15) + pad(prenom, 15) + pad(naissance, 2) + surCl +
           std::string(kBlocFeminin) + notes + std::string(licence) + std::string(32, '\0') +
           pad(ville, 20) + std::string(50, '\0');
}
std::string vide(std::string_view equipe, std::string_view ville) {
    return enreg(equipe, "\xA0", "", "", ' ', "0000000000", ville);
}

LigneGymnaste ligne(std::string nom, std::string prenom = "Anne", std::string naissance = "95",
                    std::string surCl = "N", std::string licence = "") {
    return {std::move(nom), std::move(prenom), std::move(naissance), std::move(surCl),
            std::move(licence)};
}

struct Inscription : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Competition etat;
    BornesCategories bornes = deriverBornes(anneesDeTable("97989596939491929798959693949192"));

    void ouvrir(const std::string& contenu) {
        ecrireFichier(dossier / kNom, contenu);
        etat.changerDossier(dossier.chemin());
        ASSERT_TRUE(etat.Ouvrir(kNom, dialogues));
    }
    void ouvrirNouveau() { ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)})); }
    std::string surDisque() const { return lireFichier(dossier / kNom); }
    EquipeSaisie equipe(std::string nom, std::string ville, std::vector<LigneGymnaste> lignes) {
        lignes.resize(4);
        return {std::move(nom), std::move(ville), std::move(lignes)};
    }
};

} // namespace

TEST_F(Inscription, ANewCompetitionHasNoTeamAndShowsEmptyRows) {
    ouvrirNouveau();
    EXPECT_EQ(etat.nbEquipes(), 0);
    EXPECT_EQ(libelleNombreEquipes(etat.nbEquipes()), "0 équipe");
    EXPECT_EQ(lireEquipe(etat, 1), equipe("", "", {}));
    EXPECT_EQ(libelleNombreEquipes(1), "1 équipe");
    EXPECT_EQ(libelleNombreEquipes(2), "2 équipes");
}

TEST_F(Inscription, TheFirstTeamReplacesThePlaceholderWithOneRecordPerSlot) {
    ouvrirNouveau();
    EquipeSaisie e = equipe("ALPHA", "01 bourg",
                            {ligne("dupont", "jean-pierre", "95", "", "123"), ligne("Martin")});
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(),
              enreg("ALPHA", "DUPONT", "Jean-Pierre", "95", 'N', "0000000123", "01 BOURG") +
                  enreg("ALPHA", "MARTIN", "Anne", "95", 'N', "0000000000", "01 BOURG") +
                  vide("ALPHA", "01 BOURG") + vide("ALPHA", "01 BOURG"));
    EXPECT_EQ(etat.nbEquipes(), 1);
    EXPECT_EQ(etat.NbEnreg(), 4);
    // The boxes show what was written.
    EXPECT_EQ(e.lignes[0], ligne("DUPONT", "Jean-Pierre", "95", "N", "123"));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Inscription, AShownTeamReadsBackAsItsBoxesHeldIt) {
    ouvrirNouveau();
    EquipeSaisie e = equipe("ALPHA", "01 BOURG", {ligne("DURAND", "Léa", "96", "O", "4567")});
    SauverEquipe(etat, 1, e, dialogues);
    EXPECT_EQ(lireEquipe(etat, 1), e);
    EXPECT_EQ(lireEquipe(etat, 2), equipe("", "", {}));
}

TEST_F(Inscription, ASavedGymnastKeepsHerMarksAndAnEmptiedSurnameLosesThem) {
    std::string marque =
        enreg("ALPHA", "DURAND", "Anne", "95", 'N', "0000000001", "01 BOURG", "950");
    ouvrir(marque + marque + vide("ALPHA", "01 BOURG") + vide("ALPHA", "01 BOURG"));
    EquipeSaisie e = lireEquipe(etat, 1);
    e.lignes[1].Nom = "";
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), marque + vide("ALPHA", "01 BOURG") + vide("ALPHA", "01 BOURG") +
                               vide("ALPHA", "01 BOURG"));
    EXPECT_EQ(e.lignes[1], ligne("", "", "", "N", ""));
}

TEST_F(Inscription, ATeamWithoutNameOrTownIsNotWritten) {
    ouvrirNouveau();
    const std::string avant = surDisque();
    EquipeSaisie sansVille = equipe("ALPHA", "  ", {ligne("DURAND")});
    EquipeSaisie sansNom = equipe("", "01 BOURG", {ligne("DURAND")});
    EXPECT_EQ(SauverEquipe(etat, 1, sansVille, dialogues), Sauvegarde::Incomplete);
    EXPECT_EQ(SauverEquipe(etat, 1, sansNom, dialogues), Sauvegarde::Incomplete);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Inscription, ASecondTeamOfTheSameNameAndTownIsRefused) {
    ouvrirNouveau();
    EquipeSaisie alpha = equipe("ALPHA", "01 BOURG", {ligne("DURAND")});
    SauverEquipe(etat, 1, alpha, dialogues);
    const std::string avant = surDisque();
    EquipeSaisie double_ = equipe(" ALPHA", "01 bourg", {ligne("MARTIN")});
    EXPECT_EQ(SauverEquipe(etat, 2, double_, dialogues), Sauvegarde::Refusee);
    EXPECT_EQ(surDisque(), avant);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Equipe en double");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    // The team itself may be saved again, and a namesake from another town is welcome.
    EXPECT_EQ(SauverEquipe(etat, 1, alpha, dialogues), Sauvegarde::Ecrite);
    EquipeSaisie autreVille = equipe("ALPHA", "38 VIENNE", {ligne("MARTIN")});
    EXPECT_EQ(SauverEquipe(etat, 2, autreVille, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 2);
}

TEST_F(Inscription, ATeamTheFullDiskCannotTakeIsNamedAndRefused) {
    ouvrirNouveau();
    EquipeSaisie alpha = equipe("ALPHA", "01 BOURG", {ligne("DURAND")});
    SauverEquipe(etat, 1, alpha, dialogues);
    const std::string avant = surDisque();
    // The disk is full: the file may not grow by a byte.
    const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit plein{static_cast<rlim_t>(avant.size()), limite.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &plein);
    EquipeSaisie beta = equipe("BETA", "38 VIENNE", {ligne("MARTIN")});
    const Sauvegarde resultat = SauverEquipe(etat, 2, beta, dialogues);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, signalAvant);

    EXPECT_EQ(resultat, Sauvegarde::Refusee);
    EXPECT_EQ(surDisque(), avant);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Le fichier\n" + (dossier / kNom).string() + "\nne peut pas être écrit.");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    EXPECT_EQ(etat.nbEquipes(), 1);
}

TEST_F(Inscription, ValidationChecksBirthYearsWithTheMovedUpFlagItFills) {
    ouvrirNouveau();
    const std::string avant = surDisque();
    // Born 1997: too young for 9-10 ans (1995-1996) unless moved up.
    EquipeSaisie e =
        equipe("ALPHA", "01 BOURG", {ligne("DURAND"), ligne("PETIT", "Zoé", "97", "")});
    int ligneFautive = -1;
    EXPECT_EQ(ValiderEquipe(etat, bornes, 1, e, dialogues, [&](int i) { ligneFautive = i; }),
              Sauvegarde::Refusee);
    EXPECT_EQ(ligneFautive, 1);
    EXPECT_EQ(e.lignes[1].SurCl, "N");
    EXPECT_EQ(surDisque(), avant);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Année de naissance\nincompatible avec\n   la catégorie");

    e.lignes[1].SurCl = "O";
    EXPECT_EQ(ValiderEquipe(etat, bornes, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 1);
}

TEST_F(Inscription, DeletingTheOnlyTeamDeletesTheFileAndClosesTheCompetition) {
    ouvrir(vide("ALPHA", "01 BOURG") + vide("ALPHA", "01 BOURG") + vide("ALPHA", "01 BOURG") +
           vide("ALPHA", "01 BOURG"));
    dialogues.reponses = {Reponse::Oui};
    EXPECT_TRUE(EffacerEquipe(etat, "ALPHA", "01 BOURG", dialogues));
    EXPECT_FALSE(fs::exists(dossier / kNom));
    EXPECT_FALSE(etat.ouvert());
    ASSERT_EQ(dialogues.messages.size(), 2u);
    const Message& question = dialogues.messages[0];
    EXPECT_EQ(question.texte, "Etes-vous sûr de vouloir effacer l'équipe\n\nALPHA de 01 BOURG");
    EXPECT_EQ(question.titre, "Effacer l'équipe");
    EXPECT_EQ(question.boutons, Boutons::OuiNon);
    EXPECT_EQ(question.defaut, Reponse::Non);
    const Message& annonce = dialogues.messages[1];
    EXPECT_EQ(annonce.texte, "Le fichier F_1_PS00.PLM vide\na été supprimé.");
    EXPECT_EQ(annonce.titre, "Equipe effacée");
    EXPECT_EQ(annonce.icone, Icone::Information);
}

TEST_F(Inscription, DeletingOneTeamKeepsTheOthersAndNoKeepsEverything) {
    const std::string alpha =
        fichier({gymnaste("ALPHA", "01 BOURG", "A"), gymnaste("ALPHA", "01 BOURG", "B"),
                 gymnaste("ALPHA", "01 BOURG", "C"), gymnaste("ALPHA", "01 BOURG", "D")});
    const std::string beta =
        fichier({gymnaste("BETA", "01 BOURG", "A"), gymnaste("BETA", "01 BOURG", "B"),
                 gymnaste("BETA", "01 BOURG", "C"), gymnaste("BETA", "01 BOURG", "D")});
    ouvrir(alpha + beta);
    EXPECT_FALSE(EffacerEquipe(etat, "ALPHA", "01 BOURG", dialogues)); // No by default
    EXPECT_EQ(surDisque(), alpha + beta);
    dialogues.reponses = {Reponse::Oui};
    EXPECT_TRUE(EffacerEquipe(etat, "ALPHA ", " 01 BOURG", dialogues));
    EXPECT_EQ(surDisque(), beta);
    EXPECT_TRUE(etat.ouvert());
    EXPECT_EQ(dialogues.messages.size(), 2u); // the two questions, no announcement
}

TEST_F(Inscription, ThePlaceholderOfATeamOfOneIsNoTeam) {
    ouvrir(fichier({enregistrementProvisoire("0110004444")}));
    EXPECT_EQ(etat.nbEquipes(), 0);
}
