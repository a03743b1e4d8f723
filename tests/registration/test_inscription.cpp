#include "registration/inscriptions.h"
#include "registration/saisie_noms.h"

#include "support/systeme_simule.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kBoites = {"NomEquip",  "Ville", "Nom",  "Prénom",
                                          "Naissance", "SurCl", "NoLic"};

Place place(const std::string& t) {
    const std::size_t espace = t.find(' ');
    const auto b = std::find(kBoites.begin(), kBoites.end(), t.substr(0, espace)) - kBoites.begin();
    return {static_cast<Boite>(b), std::stoi(t.substr(espace))};
}

struct Inscription : Ouverte {
    Sauvegarde sauver(std::int64_t numero, const std::string& e) {
        EquipeSaisie saisie = equipe(e);
        return SauverEquipe(etat, numero, saisie, dialogues);
    }
};

} // namespace

// touches-casse.txt: a rule, a text, what comes out ("=" the text itself, "✗" a key refused).
TEST(SaisieNoms, KeysAndCaseFollowTheTable) {
    using Regle = std::function<std::optional<std::string>(std::string_view)>;
    const std::map<std::string, Regle> regles = {
        {"majuscules", [](auto t) { return majuscules(t); }},
        {"prénom", [](auto t) { return capitaliserPrénom(t); }},
        {"sans accents", [](auto t) { return sansAccents(t); }},
        {"touche nom", toucheNom},
        {"touche prénom", touchePrénom},
        {"touche surcl", toucheSurCl}};
    const auto table = cas("touches-casse.txt");
    for (const auto& c : table)
        EXPECT_EQ(regles.at(c[0])(c[1]).value_or("✗"), c[2] == "=" ? c[1] : c[2]) << c[1];
    EXPECT_EQ(table.size(), 43u);
}

// boites.txt: the focus moves of entering a box and of Enter, and the texts they shape.
TEST(SaisieNoms, BoxesFollowTheTable) {
    DossierTemporaire programme;
    fs::copy_file(kFixtures / "registre.lic", programme / "Orvane.lic");
    for (const auto& c : cas("boites.txt")) {
        EquipeSaisie e = equipe(c[2]);
        const auto suite = c[0] == "entrer" ? entrerBoite(e, place(c[1]))
                                            : toucheEntree(programme.chemin(), e, place(c[1]));
        EXPECT_EQ(suite
                      ? kBoites[static_cast<int>(suite->boite)] + " " + std::to_string(suite->ligne)
                      : "-",
                  c[3])
            << c[0] << " " << c[1] << " " << c[2];
        EXPECT_EQ(e, equipe(c[4] == "=" ? c[2] : c[4])) << c[0] << " " << c[1] << " " << c[2];
    }
}

// premiere-equipe.plm: the records of the first team, over the placeholder.
TEST_F(Inscription, ATeamIsWrittenOneRecordPerSlotAndReadsBackAsItsBoxesHeldIt) {
    ouvrirNouveau();
    EXPECT_EQ(libelleNombreEquipes(etat.nbEquipes()), "0 équipe");
    EXPECT_EQ(lireEquipe(etat, 1), equipe("/"));
    EquipeSaisie e = equipe("ALPHA/01 bourg/dupont,jean-pierre,95,,123/Martin,Anne,95,N,");
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "premiere-equipe.plm"));
    EXPECT_EQ(etat.NbEnreg(), 4);
    EXPECT_EQ(e.lignes[0], equipe("//DUPONT,Jean-Pierre,95,N,123").lignes[0]); // as written
    EXPECT_EQ(libelleNombreEquipes(etat.nbEquipes()) + libelleNombreEquipes(2),
              "1 équipe2 équipes");
    EXPECT_EQ(lireEquipe(etat, 2), equipe("/"));
    e = equipe("ALPHA/01 BOURG/DURAND,Léa,96,O,4567");
    SauverEquipe(etat, 1, e, dialogues);
    EXPECT_EQ(lireEquipe(etat, 1), e);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Inscription, ASavedGymnastKeepsHerMarksAndAnEmptiedSurnameLosesThem) {
    ouvrir(lireFichier(kFixtures / "notes.plm")); // DURAND twice with a mark, two empty slots
    EquipeSaisie e = lireEquipe(etat, 1);
    e.lignes[1].Nom = "";
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "notes-apres.plm"));
    EXPECT_EQ(e.lignes[1], (LigneGymnaste{"", "", "", "N", ""}));
}

// Same name and town as another team: refused; itself or a namesake elsewhere: welcome.
TEST_F(Inscription, IncompleteDuplicateAndUnwritableTeamsAreNotWritten) {
    ouvrirNouveau();
    const std::string neuf = surDisque();
    EXPECT_EQ(sauver(1, "ALPHA/  /DURAND,Anne,95,N,"), Sauvegarde::Incomplete);
    EXPECT_EQ(sauver(1, "/01 BOURG/DURAND,Anne,95,N,"), Sauvegarde::Incomplete);
    EXPECT_EQ(surDisque(), neuf);
    EXPECT_TRUE(dialogues.messages.empty());
    sauver(1, "ALPHA/01 BOURG/DURAND,Anne,95,N,");
    const std::string avant = surDisque();
    EXPECT_EQ(sauver(2, " ALPHA/01 bourg/MARTIN,Anne,95,N,"), Sauvegarde::Refusee);
    EXPECT_EQ(sauver(1, "ALPHA/01 BOURG/DURAND,Anne,95,N,"), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), avant);
    simulerPanne(PanneSimulee{Appel::EcritureA, ENOSPC}); // the disk is full
    EXPECT_EQ(sauver(2, "BETA/38 VIENNE/MARTIN,Anne,95,N,"), Sauvegarde::Refusee);
    simulerPanne(std::nullopt);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(journal(), attendus("doublon"));
    EXPECT_EQ(sauver(2, "ALPHA/38 VIENNE/MARTIN,Anne,95,N,"), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 2);
}

// Born 1997: too young for 9-10 ans unless moved up; the faulty row is named.
TEST_F(Inscription, ValidationChecksBirthYearsWithTheMovedUpFlagItFills) {
    ouvrirNouveau();
    EquipeSaisie e = equipe("ALPHA/01 BOURG/DURAND,Anne,95,N,/PETIT,Zoé,97,,");
    int ligneFautive = -1;
    EXPECT_EQ(ValiderEquipe(etat, bornes, 1, e, dialogues, [&](int i) { ligneFautive = i; }),
              Sauvegarde::Refusee);
    EXPECT_EQ(ligneFautive, 1);
    EXPECT_EQ(e.lignes[1].SurCl, "N");
    EXPECT_EQ(etat.NbEnreg(), 1);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte, attendus("naissance")[0]);
    e.lignes[1].SurCl = "O";
    EXPECT_EQ(ValiderEquipe(etat, bornes, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 1);
}

TEST_F(Inscription, DeletingATeamAsksFirstAndTheLastOneTakesTheFile) {
    const std::string avant = lireFichier(kFixtures / "suppression.plm"); // ALPHA, BETA empty
    ouvrir(avant);
    EXPECT_FALSE(EffacerEquipe(etat, "ALPHA", "01 BOURG", dialogues)); // No by default
    EXPECT_EQ(surDisque(), avant);
    dialogues.reponses = {Reponse::Oui, Reponse::Oui};
    EXPECT_TRUE(EffacerEquipe(etat, "ALPHA ", " 01 BOURG", dialogues));
    EXPECT_EQ(surDisque(), avant.substr(4 * 300));
    EXPECT_TRUE(etat.ouvert());
    EXPECT_EQ(dialogues.messages.size(), 2u); // the two questions, no announcement
    EXPECT_TRUE(EffacerEquipe(etat, "BETA ", " 01 BOURG", dialogues));
    EXPECT_FALSE(fs::exists(dossier / kNom));
    EXPECT_FALSE(etat.ouvert());
    const std::vector<std::string> j = journal();
    EXPECT_EQ(std::vector(j.begin() + 2, j.end()), attendus("suppression"));
}

TEST_F(Inscription, ThePlaceholderOfATeamOfOneIsNoTeam) {
    ouvrir(fichier({enregistrementProvisoire("0110004444")}));
    EXPECT_EQ(etat.nbEquipes(), 0);
}
