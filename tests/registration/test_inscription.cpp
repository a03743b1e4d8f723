#include "registration/inscriptions.h"
#include "registration/saisie_noms.h"

#include <csignal>
#include <fstream>
#include <functional>
#include <map>
#include <sys/resource.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

std::optional<std::string> toujours(std::string t) {
    return t;
}

LigneGymnaste ligne(std::string nom, std::string prenom = "Anne", std::string naissance = "95",
                    std::string surCl = "N", std::string licence = "") {
    return {std::move(nom), std::move(prenom), std::move(naissance), std::move(surCl),
            std::move(licence)};
}

EquipeSaisie equipe(std::string nom, std::string ville, std::vector<LigneGymnaste> lignes = {}) {
    lignes.resize(4);
    return {std::move(nom), std::move(ville), std::move(lignes)};
}

struct Inscription : Ouverte {
    Sauvegarde sauver(std::int64_t numero, std::string nom, std::string ville, std::string g) {
        EquipeSaisie e = equipe(std::move(nom), std::move(ville), {ligne(std::move(g))});
        return SauverEquipe(etat, numero, e, dialogues);
    }
};

} // namespace

// touches-casse.txt: a rule, a text, what comes out ("=" the text itself, "✗" a key refused).
TEST(SaisieNoms, KeysAndCaseFollowTheTable) {
    const std::map<std::string, std::function<std::optional<std::string>(std::string_view)>>
        regles = {{"majuscules", [](auto t) { return toujours(majuscules(t)); }},
                  {"prénom", [](auto t) { return toujours(capitaliserPrénom(t)); }},
                  {"sans accents", [](auto t) { return toujours(sansAccents(t)); }},
                  {"touche nom", toucheNom},
                  {"touche prénom", touchePrénom},
                  {"touche surcl", toucheSurCl}};
    std::ifstream table(kFixtures / "touches-casse.txt");
    int cas = 0;
    for (std::string l; std::getline(table, l); cas += l[0] != '#') {
        if (l[0] == '#') continue;
        const auto a = l.find('|'), b = l.find('|', a + 1);
        const std::string texte = l.substr(a + 1, b - a - 1), attendu = l.substr(b + 1);
        EXPECT_EQ(regles.at(l.substr(0, a))(texte).value_or("✗"), attendu == "=" ? texte : attendu)
            << l;
    }
    EXPECT_EQ(cas, 43);
}

TEST(SaisieNoms, EnteringABoxShapesTheTextsBeforeItOrSendsTheFocusBack) {
    EquipeSaisie e = equipe("", "");
    EXPECT_EQ(entrerBoite(e, {Boite::Nom, 2}), std::nullopt); // other rows skip the team
    EXPECT_EQ(entrerBoite(e, {Boite::Ville}), (Place{Boite::NomEquip}));
    e.NomEquip = "alpha";
    EXPECT_EQ(entrerBoite(e, {Boite::Ville}), std::nullopt);
    EXPECT_EQ(entrerBoite(e, {Boite::Nom, 0}), (Place{Boite::Ville}));
    e.Ville = "01 bourg";
    EXPECT_EQ(entrerBoite(e, {Boite::Nom, 0}), std::nullopt);
    EXPECT_EQ(e.NomEquip + e.Ville, "ALPHA01 BOURG");
    for (Boite b : {Boite::Prénom, Boite::Naissance, Boite::SurCl})
        EXPECT_EQ(entrerBoite(e, {b, 1}), (Place{Boite::Nom, 1}));
    e.lignes[1] = {"dupont", "jean-pierre", "", "", ""};
    EXPECT_EQ(entrerBoite(e, {Boite::Prénom, 1}), std::nullopt);
    EXPECT_EQ(e.lignes[1].Nom, "DUPONT");
    EXPECT_EQ(entrerBoite(e, {Boite::Naissance, 1}), std::nullopt);
    EXPECT_EQ(entrerBoite(e, {Boite::SurCl, 1}), (Place{Boite::Naissance, 1}));
    e.lignes[1].Naissance = "95";
    EXPECT_EQ(entrerBoite(e, {Boite::SurCl, 1}), std::nullopt);
    EXPECT_EQ(e.lignes[1], ligne("DUPONT", "Jean-Pierre", "95", "N"));
    e.lignes[1].SurCl = "O";
    entrerBoite(e, {Boite::SurCl, 1});
    EXPECT_EQ(e.lignes[1].SurCl, "O");
}

// Enter follows the tab order; in a licence box it fills an unnamed row from the registry
// (clearing an unknown number), goes to the next row, or validates after the last one.
TEST(SaisieNoms, EnterFollowsTheTabOrderAndTheLicenceBoxReadsTheRegistry) {
    DossierTemporaire programme;
    fs::copy_file(kFixtures / "registre.lic", programme / "Orvane.lic");
    EquipeSaisie e = equipe("ALPHA", "01 BOURG");
    const auto entree = [&](Boite b, int ligne) {
        return toucheEntree(programme.chemin(), e, {b, ligne});
    };
    EXPECT_EQ(entree(Boite::NomEquip, 0), (Place{Boite::Ville}));
    EXPECT_EQ(entree(Boite::Ville, 0), (Place{Boite::Nom, 0}));
    EXPECT_EQ(entree(Boite::Nom, 2), (Place{Boite::Prénom, 2}));
    EXPECT_EQ(entree(Boite::Prénom, 2), (Place{Boite::Naissance, 2}));
    EXPECT_EQ(entree(Boite::Naissance, 2), (Place{Boite::SurCl, 2}));
    EXPECT_EQ(entree(Boite::SurCl, 2), (Place{Boite::NoLic, 2}));
    e.lignes[0].NoLic = "42";
    EXPECT_EQ(entree(Boite::NoLic, 0), (Place{Boite::Nom, 0}));
    EXPECT_EQ(e.lignes[0], ligne("MARTIN", "Léa", "96", "O", "42"));
    EXPECT_EQ(entree(Boite::NoLic, 0), (Place{Boite::Nom, 1}));
    e.lignes[1].NoLic = "0000000999";
    EXPECT_EQ(entree(Boite::NoLic, 1), (Place{Boite::Nom, 1}));
    EXPECT_EQ(e.lignes[1], LigneGymnaste{});
    e.lignes[3].Nom = "DURAND";
    EXPECT_EQ(entree(Boite::NoLic, 3), std::nullopt);
}

// premiere-equipe.plm: the records of the first team, over the placeholder.
TEST_F(Inscription, ATeamIsWrittenOneRecordPerSlotAndReadsBackAsItsBoxesHeldIt) {
    ouvrirNouveau();
    EXPECT_EQ(libelleNombreEquipes(etat.nbEquipes()), "0 équipe");
    EXPECT_EQ(lireEquipe(etat, 1), equipe("", ""));
    EquipeSaisie e = equipe("ALPHA", "01 bourg",
                            {ligne("dupont", "jean-pierre", "95", "", "123"), ligne("Martin")});
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "premiere-equipe.plm"));
    EXPECT_EQ(etat.NbEnreg(), 4);
    EXPECT_EQ(e.lignes[0], ligne("DUPONT", "Jean-Pierre", "95", "N", "123")); // as written
    EXPECT_EQ(libelleNombreEquipes(etat.nbEquipes()) + libelleNombreEquipes(2),
              "1 équipe2 équipes");
    EXPECT_EQ(lireEquipe(etat, 2), equipe("", ""));
    e = equipe("ALPHA", "01 BOURG", {ligne("DURAND", "Léa", "96", "O", "4567")});
    SauverEquipe(etat, 1, e, dialogues);
    EXPECT_EQ(lireEquipe(etat, 1), e);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Inscription, ASavedGymnastKeepsHerMarksAndAnEmptiedSurnameLosesThem) {
    Enregistrement marque = licencie("ALPHA", "01 BOURG", "DURAND", "0000000001");
    marque.poser(Champ{59, 3}, "950");
    const Enregistrement vide = slotLibre("ALPHA", "01 BOURG");
    ouvrir(fichier({marque, marque, vide, vide}));
    EquipeSaisie e = lireEquipe(etat, 1);
    e.lignes[1].Nom = "";
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), fichier({marque, vide, vide, vide}));
    EXPECT_EQ(e.lignes[1], ligne("", "", "", "N", ""));
}

// Without name or town nothing is written, silently; a team of the same name and town as
// another is refused (itself and a namesake of another town are welcome). A full disk too.
TEST_F(Inscription, IncompleteDuplicateAndUnwritableTeamsAreNotWritten) {
    ouvrirNouveau();
    const std::string neuf = surDisque();
    EXPECT_EQ(sauver(1, "ALPHA", "  ", "DURAND"), Sauvegarde::Incomplete);
    EXPECT_EQ(sauver(1, "", "01 BOURG", "DURAND"), Sauvegarde::Incomplete);
    EXPECT_EQ(surDisque(), neuf);
    EXPECT_TRUE(dialogues.messages.empty());
    sauver(1, "ALPHA", "01 BOURG", "DURAND");
    const std::string avant = surDisque();
    EXPECT_EQ(sauver(2, " ALPHA", "01 bourg", "MARTIN"), Sauvegarde::Refusee);
    EXPECT_EQ(sauver(1, "ALPHA", "01 BOURG", "DURAND"), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), avant);
    // The disk is full: the file may not grow by a byte.
    const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit plein{static_cast<rlim_t>(avant.size()), limite.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &plein);
    const Sauvegarde resultat = sauver(2, "BETA", "38 VIENNE", "MARTIN");
    ::setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, signalAvant);
    EXPECT_EQ(resultat, Sauvegarde::Refusee);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(journal(), (std::vector<std::string>{
                             "Equipe en double (1, 0, 0): L'équipe ALPHA de 01 BOURG\nexiste "
                             "déjà dans ce fichier.\n\nChangez son nom ou sa ville.",
                             "F_1_PS00.PLM (1, 0, 0): Le fichier\n" + (dossier / kNom).string() +
                                 "\nne peut pas être écrit."}));
    EXPECT_EQ(sauver(2, "ALPHA", "38 VIENNE", "MARTIN"), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 2);
}

TEST_F(Inscription, ValidationChecksBirthYearsWithTheMovedUpFlagItFills) {
    ouvrirNouveau();
    // Born 1997: too young for 9-10 ans unless moved up.
    EquipeSaisie e =
        equipe("ALPHA", "01 BOURG", {ligne("DURAND"), ligne("PETIT", "Zoé", "97", "")});
    int ligneFautive = -1;
    EXPECT_EQ(ValiderEquipe(etat, bornes, 1, e, dialogues, [&](int i) { ligneFautive = i; }),
              Sauvegarde::Refusee);
    EXPECT_EQ(ligneFautive, 1);
    EXPECT_EQ(e.lignes[1].SurCl, "N");
    EXPECT_EQ(etat.NbEnreg(), 1);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Année de naissance\nincompatible avec\n   la catégorie");
    e.lignes[1].SurCl = "O";
    EXPECT_EQ(ValiderEquipe(etat, bornes, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 1);
}

TEST_F(Inscription, DeletingATeamAsksFirstAndTheLastOneTakesTheFile) {
    const std::string alpha =
        fichier({gymnaste("ALPHA", "01 BOURG", "A"), gymnaste("ALPHA", "01 BOURG", "B"),
                 gymnaste("ALPHA", "01 BOURG", "C"), gymnaste("ALPHA", "01 BOURG", "D")});
    const Enregistrement vide = slotLibre("BETA", "01 BOURG");
    ouvrir(alpha + fichier({vide, vide, vide, vide}));
    EXPECT_FALSE(EffacerEquipe(etat, "ALPHA", "01 BOURG", dialogues)); // No by default
    EXPECT_EQ(surDisque(), alpha + fichier({vide, vide, vide, vide}));
    dialogues.reponses = {Reponse::Oui, Reponse::Oui};
    EXPECT_TRUE(EffacerEquipe(etat, "ALPHA ", " 01 BOURG", dialogues));
    EXPECT_EQ(surDisque(), fichier({vide, vide, vide, vide}));
    EXPECT_TRUE(etat.ouvert());
    EXPECT_EQ(dialogues.messages.size(), 2u); // the two questions, no announcement
    EXPECT_TRUE(EffacerEquipe(etat, "BETA ", " 01 BOURG", dialogues));
    EXPECT_FALSE(fs::exists(dossier / kNom));
    EXPECT_FALSE(etat.ouvert());
    const std::vector<std::string> j = journal();
    EXPECT_EQ(std::vector(j.begin() + 2, j.end()),
              (std::vector<std::string>{"Effacer l'équipe (3, 1, 2): Etes-vous sûr de vouloir "
                                        "effacer l'équipe\n\nBETA de 01 BOURG",
                                        "Equipe effacée (4, 0, 0): Le fichier F_1_PS00.PLM "
                                        "vide\na été supprimé."}));
}

TEST_F(Inscription, ThePlaceholderOfATeamOfOneIsNoTeam) {
    ouvrir(fichier({enregistrementProvisoire("0110004444")}));
    EXPECT_EQ(etat.nbEquipes(), 0);
}
