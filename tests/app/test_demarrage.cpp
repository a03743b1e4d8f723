// The shell's rules without a window: places and the day's folder, the buttons and commands of
// each state, the competition's settings. Competition files from tests/data/app.
#include "app/boutons.h"
#include "app/demandes.h"
#include "app/demarrage.h"
#include "app/liste_compet.h"
#include "app/reglages_compet.h"
#include "data/dates.h"
#include "platform/lieux.h"
#include "platform/version.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <fstream>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;
using Chemins = std::vector<fs::path>;

namespace {

constexpr DateHeure k5Decembre2026{2026, 12, 5, 9, 30, 0};

// Title [icon, buttons, default button as numbers] text.
std::string vu(const Message& m) {
    return m.titre + " [" + std::to_string(int(m.icone)) + std::to_string(int(m.boutons)) +
           std::to_string(int(m.defaut)) + "] " + m.texte;
}

struct Demarrage : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    fs::path jour = programme / "05 décembre 2026";
    fs::path avant = fs::current_path();
    void TearDown() override { fs::current_path(avant); }
    IssueDossier issue() {
        return preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues).issue;
    }
};

// Buttons "Ouvrir inscrire Note Voir Imprimer protege" and the commands allowed, in the order
// of the enum, one character each.
struct Reglages : CompetOuverte {
    std::string boutons() const {
        const VisibiliteBoutons v = visibiliteBoutons(etat, true);
        std::string s;
        for (bool b : {v.Ouvrir, v.inscrire, v.Note, v.Voir, v.Imprimer, v.protege})
            s += "01"[b];
        return s;
    }
    std::string permises(bool parMenu = false) const {
        std::string s;
        for (int c = 0; c <= static_cast<int>(Commande::Direct); ++c)
            s += "01"[commandePermise({Commande(c), "Poutre", parMenu}, etat,
                                      visibiliteBoutons(etat, true), {2006, 10, 1})];
        return s;
    }
};

std::string plm(const std::string& nom) {
    return lireFichier(fs::path(PALMORA_FIXTURES) / nom);
}

} // namespace

TEST(Textes, DatesVersionPlacesAndTheCompetitionsOfAFolder) {
    EXPECT_EQ(nomDossierDuJour(k5Decembre2026), "05 décembre 2026");
    EXPECT_EQ(nomDossierDuJour({2027, 2, 28}), "28 février 2027");
    const TextesDate t = textesDate({2026, 8, 1});
    EXPECT_EQ(t.jour + "|" + t.mois + "|" + t.annee, "01| août |2026");
    EXPECT_EQ(dateCourte(k5Decembre2026), "05/12/2026");
    EXPECT_EQ(heureCourte({2026, 12, 5, 9, 3, 7}), "09:03:07");
    EXPECT_EQ(legendeVersion(4, 0, 1), "Palmora - Version 4.01");

    DossierTemporaire d;
    for (const char* nom :
         {"M_X_TS00.PLM", "F_1_NS00.PLM", "essai.plm", "notes.txt", "F_1_NS01.PLM"})
        ecrireFichier(d / nom, "");
    for (const char* nom : {"DOSSIER.PLM", "Zèbre", ".cache"})
        fs::create_directory(d / nom);
    EXPECT_EQ(
        listerCompetitions(d.chemin()),
        (std::vector<std::string>{"F_1_NS00.PLM", "F_1_NS01.PLM", "M_X_TS00.PLM", "essai.plm"}));
    EXPECT_TRUE(listerCompetitions(d / "absent").empty());
    // Visible folders only, by name.
    EXPECT_EQ(sousDossiers(d.chemin()), (Chemins{d / "DOSSIER.PLM", d / "Zèbre"}));
    EXPECT_TRUE(sousDossiers(d / "absent").empty());

    // The root and the home folder; a folder belongs to the longest place that holds it.
    EXPECT_EQ(lieuxDeTravail("/home/anne", "personne-de-ce-nom"), (Chemins{"/", "/home/anne"}));
    EXPECT_EQ(lieuxDeTravail("/", ""), Chemins{"/"});
    const Chemins lieux{"/", "/home/anne", "/media/anne/CLE"};
    std::string places;
    for (const char* c : {"/home/anne/Gym/05 décembre 2026", "/home/anne", "/media/anne/CLE/",
                          "/home/anne2/Gym", "/tmp"})
        places += std::to_string(lieuDe(lieux, c));
    EXPECT_EQ(places, "11200");
}

TEST_F(Demarrage, AMissingDayFolderIsCreatedOnYesThenUsedWithoutAsking) {
    dialogues.reponses = {Reponse::Oui};
    EXPECT_EQ(issue(), IssueDossier::Pret);
    EXPECT_TRUE(fs::is_directory(jour));
    EXPECT_EQ(fs::current_path(), jour);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(vu(dialogues.messages[0]), "Dossier de travail [322] Le dossier \n" + jour.string() +
                                             "\nn'existe pas.\n\nSouhaitez-vous le créer ?");

    fs::current_path(avant);
    const DossierDuJour r = preparerDossierDuJour(programme.chemin(), k5Decembre2026, dialogues);
    EXPECT_EQ(r.issue, IssueDossier::Pret);
    EXPECT_EQ(r.dossier, jour);
    EXPECT_EQ(fs::current_path(), jour);
    EXPECT_EQ(dialogues.messages.size(), 1u);
}

TEST_F(Demarrage, NoCancelAFileInTheWayAndTheProgramFolder) {
    dialogues.reponses = {Reponse::Non, Reponse::Annuler};
    EXPECT_EQ(issue(), IssueDossier::ChoisirDossier);
    EXPECT_EQ(issue(), IssueDossier::Quitter);
    EXPECT_FALSE(fs::exists(jour));
    ecrireFichier(jour, "pas un dossier");
    EXPECT_EQ(issue(), IssueDossier::ChoisirDossier);
    ASSERT_EQ(dialogues.messages.size(), 3u);
    EXPECT_EQ(dialogues.messages[2].icone, Icone::Critique);

    // The program folder is refused as working folder, its sub-folders are not.
    fs::remove(jour);
    fs::create_directory(jour);
    EXPECT_FALSE(accepterDossierTravail(programme.chemin(), programme.chemin(), dialogues));
    EXPECT_FALSE(accepterDossierTravail(jour / "..", programme.chemin(), dialogues));
    ASSERT_EQ(dialogues.messages.size(), 5u);
    EXPECT_EQ(vu(dialogues.messages[3]),
              "Choix incorrect [100] Le dossier de travail doit être\ndifférent du dossier "
              "programme.");
    EXPECT_TRUE(accepterDossierTravail(jour, programme.chemin(), dialogues));
    EXPECT_EQ(fs::current_path(), jour);
}

TEST_F(Reglages, EachStateShowsItsButtonsAndAllowsItsCommands) {
    EXPECT_EQ(visibiliteBoutons(etat, false), VisibiliteBoutons{});
    EXPECT_EQ(boutons() + " " + permises(), "100000 10110000000010001011001");
    // Menu clicks skip the "open" test: their menus exist only while a competition is open.
    EXPECT_EQ(permises(true), "10110011111110001011001");
    EXPECT_FALSE(commandePermise({Commande::Ages, "", false}, etat, {}, {2006, 9, 15}));

    // File, buttons, commands. One byte beyond the placeholder counts as teams; a team of one
    // gymnast is as long as the placeholder, yet it is a team.
    std::ifstream etats(PALMORA_FIXTURES "/etats.txt");
    for (std::string f, b, p; etats >> f >> b >> p;) {
        ouvrir(plm(f));
        EXPECT_EQ(boutons() + " " + permises(), b + " " + p) << f;
    }
    EXPECT_EQ(etat.nbEquipes(), 1);
    EXPECT_FALSE(commandePermise({Commande::Saisie, "Arçons", false}, etat, {}, {2006, 10, 1}))
        << "not a women's apparatus";
}

TEST(Demandes, EachButtonAndMenuEntryHasItsCommand) {
    // The first keys in the order of the enum, then Restaurer, Direct, an apparatus, none.
    std::string vues;
    for (const char* cle :
         {"Nouveau", "protege", "partir", "titre", "inscrire", "Parallèles", "Voir_Cl_Indiv",
          "Voir_Cl_Equip", "Voir_Notes", "Imprim_Cl_Indiv", "Imprim_Cl_Equip", "Imprim_Match",
          "Aide", "Restaurer", "Direct", "Sol", "Note", "Ouvrir"}) {
        const auto d = demandeDeCle(cle);
        vues += d ? std::to_string(int(d->commande)) + d->agres + " " : "- ";
    }
    EXPECT_EQ(vues, "0 1 2 3 4 5Parallèles 6 7 8 9 10 11 12 20 22 5Sol - - ");
    EXPECT_TRUE(demandeDeCle("Barres")->parMenu);
}

TEST_F(Reglages, TeamSizeIsAskedUntilOneToSixAndRefusedOnceATeamExists) {
    ouvrir("F_1_N000.PLM", plm("effectif-6.plm"));
    dialogues.saisies = {"0", "", "7", "3"};
    DemanderEffectifEquipe(etat, dialogues);
    EXPECT_EQ(dialogues.invites[0],
              "Concurrent(e)s par équipe: Nombre de concurrent(e)s par équipe :\nActuellement 6");
    EXPECT_EQ(etat.EffectEquip(), 3);
    EXPECT_EQ(surDisque(), plm("effectif-3.plm"));

    ouvrir("F_1_N001.PLM", plm("effectif-fixe.plm"));
    DemanderEffectifEquipe(etat, dialogues);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
              "Modification impossible|Des équipes ont déjà été saisies");
}

TEST_F(Reglages, RetainedMarksStayWithinTheTeamSizeAndFiveAndRewriteEveryRecord) {
    ouvrir(plm("retenues-3.plm"));
    dialogues.saisies = {"4", "5", "0", "2"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.invites[0],
              "Classement par équipe: Nombre de notes retenues (1 à 3) :\nActuellement 3");
    EXPECT_EQ(etat.CalcEquip(), 2);
    EXPECT_EQ(surDisque(), plm("retenues-2.plm"));

    // With six gymnasts, six is still refused.
    ouvrir("F_2_PS02.PLM", plm("six-par-equipe.plm"));
    dialogues.saisies = {"6", "5"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(etat.CalcEquip(), 5);

    // Once a total exists the count is fixed.
    ouvrir("F_2_PS01.PLM", plm("retenues-total.plm"));
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.messages.back().texte, "Des notes ont déjà été saisies");
}

TEST_F(Reglages, ProtectionIsRefusedWhileAMarkIsMissingAndConfirmedOtherwise) {
    ouvrir(plm("incomplet.plm"));
    const std::string avant = surDisque();
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
              "Protection impossible|La compétition n'est pas terminée");
    EXPECT_EQ(surDisque(), avant);

    ouvrir("F_2_PS01.PLM", plm("complet.plm"));
    EXPECT_FALSE(ProtegerCompet(etat, dialogues)); // No is the default
    ASSERT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(dialogues.messages[1].titre, "Protection du fichier    F_2_PS01.PLM");
    EXPECT_EQ(dialogues.messages[1].defaut, Reponse::Non);
    EXPECT_EQ(surDisque(), plm("complet.plm"));

    dialogues.reponses = {Reponse::Oui};
    EXPECT_TRUE(ProtegerCompet(etat, dialogues));
    EXPECT_TRUE(etat.Protege());
    EXPECT_EQ(surDisque()[299], kCode160);
    EXPECT_EQ(surDisque()[599], kCode160);
}
