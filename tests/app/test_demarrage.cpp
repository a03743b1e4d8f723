// The shell's rules without a window: places and the day's folder, the buttons and commands of
// each state, the competition's settings.
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
            s += b ? '1' : '0';
        return s;
    }
    std::string permises(bool parMenu = false) const {
        std::string s;
        for (int c = 0; c <= static_cast<int>(Commande::Direct); ++c)
            s += commandePermise({Commande(c), "Poutre", parMenu}, etat,
                                 visibiliteBoutons(etat, true), {2006, 10, 1})
                     ? '1'
                     : '0';
        return s;
    }
};

// With every mark of the women's apparatus (4 judges), or `marque` in byte 300.
Enregistrement note(const char* nom, std::string_view bloc = kBlocFeminin, bool notes = true,
                    char marque = 0) {
    Enregistrement e = gymnaste("ALPHA", "01 BOURG", nom, bloc);
    for (int s = 3; notes && s <= 6; ++s)
        for (int j = 1; j <= 4; ++j)
            e.poser(champs::Notes(s, j), "900");
    if (marque) e[300] = marque;
    return e;
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
    EXPECT_EQ(boutons(), "100000");
    EXPECT_EQ(permises(), "10110000000010001011001");
    // Menu clicks skip the "open" test: their menus exist only while a competition is open.
    EXPECT_EQ(permises(true), "10110011111110001011001");
    EXPECT_FALSE(commandePermise({Commande::Ages, "", false}, etat, {}, {2006, 9, 15}));

    const std::string provisoire = fichier({enregistrementProvisoire("S654402340")});
    Enregistrement provisoireMarque = enregistrementProvisoire("S654402340");
    provisoireMarque[300] = kCode160;
    const struct {
        std::string contenu;
        const char* boutons;
        const char* permises;
    } kEtats[] = {
        {provisoire, "110000", "10111111111111111111111"},
        // One byte beyond the placeholder counts as teams.
        {provisoire + "x", "111111", "11111111111111111111111"},
        {fichier({note("DEUX", kBlocFeminin, false), note("UN", kBlocFeminin, false, kCode160)}),
         "100110", "10110011111111111111001"},
        {fichier({provisoireMarque}), "100000", "10110011111111111111001"},
        // A team of one gymnast is as long as the placeholder, yet it is a team.
        {fichier({note("UN", "0110004444", false)}), "111111", "11111111111111111111111"},
    };
    for (const auto& e : kEtats) {
        ouvrir(e.contenu);
        EXPECT_EQ(boutons() + " " + permises(), std::string(e.boutons) + " " + e.permises);
    }
    EXPECT_EQ(etat.nbEquipes(), 1);
    EXPECT_FALSE(commandePermise({Commande::Saisie, "Arçons", false}, etat, {}, {2006, 10, 1}))
        << "not a women's apparatus";
}

TEST(Demandes, EachButtonAndMenuEntryHasItsCommand) {
    // The first keys in the order of the enum.
    const char* cles[] = {"Nouveau",    "protege",         "partir",          "titre",
                          "inscrire",   "Parallèles",      "Voir_Cl_Indiv",   "Voir_Cl_Equip",
                          "Voir_Notes", "Imprim_Cl_Indiv", "Imprim_Cl_Equip", "Imprim_Match",
                          "Aide"};
    for (int c = 0; c <= static_cast<int>(Commande::APropos); ++c)
        EXPECT_EQ(demandeDeCle(cles[c])->commande, Commande(c)) << cles[c];
    EXPECT_EQ(demandeDeCle("Restaurer")->commande, Commande::Restaurer);
    EXPECT_EQ(demandeDeCle("Direct")->commande, Commande::Direct);
    EXPECT_EQ(demandeDeCle("Sol")->agres, "Sol");
    EXPECT_TRUE(demandeDeCle("Barres")->parMenu);
    EXPECT_FALSE(demandeDeCle("Note").has_value());
    EXPECT_FALSE(demandeDeCle("Ouvrir").has_value());
}

TEST_F(Reglages, TeamSizeIsAskedUntilOneToSixAndRefusedOnceATeamExists) {
    ouvrir("F_1_N000.PLM", fichier({enregistrementProvisoire("0654404440")}));
    dialogues.saisies = {"0", "", "7", "3"};
    DemanderEffectifEquipe(etat, dialogues);
    EXPECT_EQ(dialogues.invites[0],
              "Concurrent(e)s par équipe: Nombre de concurrent(e)s par équipe :\nActuellement 6");
    EXPECT_EQ(etat.EffectEquip(), 3);
    EXPECT_EQ(surDisque(), fichier({enregistrementProvisoire("0354404440")}));

    ouvrir("F_1_N001.PLM", fichier({note("UN", "0354404440", false)}) + "x");
    DemanderEffectifEquipe(etat, dialogues);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
              "Modification impossible|Des équipes ont déjà été saisies");
}

TEST_F(Reglages, RetainedMarksStayWithinTheTeamSizeAndFiveAndRewriteEveryRecord) {
    ouvrir("F_2_PS00.PLM",
           fichier({note("UN", "0330004444", false), note("DEUX", "0330004444", false)}));
    dialogues.saisies = {"4", "5", "0", "2"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.invites[0],
              "Classement par équipe: Nombre de notes retenues (1 à 3) :\nActuellement 3");
    EXPECT_EQ(etat.CalcEquip(), 2);
    EXPECT_EQ(surDisque(),
              fichier({note("UN", "0320004444", false), note("DEUX", "0320004444", false)}));

    // With six gymnasts, six is still refused.
    ouvrir("F_2_PS02.PLM", fichier({note("UN", "0620004444", false)}));
    dialogues.saisies = {"6", "5"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(etat.CalcEquip(), 5);

    // Once a total exists the count is fixed.
    Enregistrement total = note("UN", "0320004444", false);
    total.poser(champs::TotalIndiv, "0001");
    ouvrir("F_2_PS01.PLM", fichier({total}));
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.messages.back().texte, "Des notes ont déjà été saisies");
}

TEST_F(Reglages, ProtectionIsRefusedWhileAMarkIsMissingAndConfirmedOtherwise) {
    ouvrir("F_2_PS00.PLM", fichier({note("UN"), note("DEUX", kBlocFeminin, false)}));
    const std::string avant = surDisque();
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
              "Protection impossible|La compétition n'est pas terminée");
    EXPECT_EQ(surDisque(), avant);

    const std::string complet = fichier({note("UN"), note("DEUX")});
    ouvrir("F_2_PS01.PLM", complet);
    EXPECT_FALSE(ProtegerCompet(etat, dialogues)); // No is the default
    ASSERT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(dialogues.messages[1].titre, "Protection du fichier    F_2_PS01.PLM");
    EXPECT_EQ(dialogues.messages[1].defaut, Reponse::Non);
    EXPECT_EQ(surDisque(), complet);

    dialogues.reponses = {Reponse::Oui};
    EXPECT_TRUE(ProtegerCompet(etat, dialogues));
    EXPECT_TRUE(etat.Protege());
    EXPECT_EQ(surDisque()[299], kCode160);
    EXPECT_EQ(surDisque()[599], kCode160);
}
