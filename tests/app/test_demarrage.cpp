// The shell's rules without a window: texts, places and the day's folder, the buttons and
// commands of each state, the competition's settings. Competition files from tests/data/app.
#include "app/boutons.h"
#include "app/demandes.h"
#include "app/demarrage.h"
#include "app/liste_compet.h"
#include "app/reglages_compet.h"
#include "data/dates.h"
#include "platform/lieux.h"
#include "platform/version.h"

#include "support/compet_ouverte.h"

#include <fstream>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;
using Chemins = std::vector<fs::path>;

namespace {

// Title [icon, buttons, default button as numbers] text.
std::string vu(const Message& m) {
    return m.titre + " [" + std::to_string(int(m.icone)) + std::to_string(int(m.boutons)) +
           std::to_string(int(m.defaut)) + "] " + m.texte;
}

std::string plm(const std::string& nom) {
    return lireFichier(fs::path(PALMORA_FIXTURES) / nom);
}

// `dossier` is also the program folder of the start-up.
struct Appli : CompetOuverte {
    fs::path jour = dossier / "05 décembre 2026";
    fs::path avant = fs::current_path();
    void TearDown() override { fs::current_path(avant); }
    DossierDuJour preparer() {
        return preparerDossierDuJour(dossier.chemin(), {2026, 12, 5, 9, 30, 0}, dialogues);
    }
    // Buttons "Ouvrir inscrire Note Voir Imprimer protege" and the commands allowed, in the
    // order of the enum, one character each.
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

} // namespace

TEST(Textes, DatesVersionPlacesAndTheCompetitionsOfAFolder) {
    const TextesDate t = textesDate({2026, 8, 1});
    EXPECT_EQ(nomDossierDuJour({2026, 12, 5}) + "|" + nomDossierDuJour({2027, 2, 28}) + "|" +
                  t.jour + "|" + t.mois + "|" + t.annee + "|" + dateCourte({2026, 12, 5}) + " " +
                  heureCourte({2026, 12, 5, 9, 3, 7}) + "|" + legendeVersion(4, 0, 1),
              "05 décembre 2026|28 février 2027|01| août |2026|05/12/2026 09:03:07|Palmora - "
              "Version 4.01");

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

// The day's folder: No and Cancel leave it to the folder dialog or end the program, a file in
// its way too, Yes creates it and it is then used without asking. The program folder is never
// the working folder, its sub-folders may be.
TEST_F(Appli, TheDayFolderAndTheWorkingFolder) {
    dialogues.reponses = {Reponse::Non, Reponse::Annuler};
    EXPECT_EQ(preparer().issue, IssueDossier::ChoisirDossier);
    EXPECT_EQ(preparer().issue, IssueDossier::Quitter);
    ecrireFichier(jour, "pas un dossier");
    EXPECT_EQ(preparer().issue, IssueDossier::ChoisirDossier);
    fs::remove(jour);
    dialogues.reponses = {Reponse::Oui};
    EXPECT_EQ(preparer().issue, IssueDossier::Pret);
    EXPECT_EQ(fs::current_path(), jour);
    fs::current_path(avant);
    const DossierDuJour r = preparer();
    EXPECT_EQ(r.issue, IssueDossier::Pret);
    EXPECT_EQ(r.dossier, jour);
    EXPECT_EQ(fs::current_path(), jour);
    ASSERT_EQ(dialogues.messages.size(), 4u);
    EXPECT_EQ(vu(dialogues.messages[0]), "Dossier de travail [322] Le dossier \n" + jour.string() +
                                             "\nn'existe pas.\n\nSouhaitez-vous le créer ?");
    EXPECT_EQ(vu(dialogues.messages[2]), "Dossier de travail [100] Le dossier \n" + jour.string() +
                                             "\nne peut pas être créé.");

    EXPECT_FALSE(accepterDossierTravail(dossier.chemin(), dossier.chemin(), dialogues));
    EXPECT_FALSE(accepterDossierTravail(jour / "..", dossier.chemin(), dialogues));
    ASSERT_EQ(dialogues.messages.size(), 6u);
    EXPECT_EQ(vu(dialogues.messages[5]),
              "Choix incorrect [100] Le dossier de travail doit être\ndifférent du dossier "
              "programme.");
    fs::current_path(avant);
    EXPECT_TRUE(accepterDossierTravail(jour, dossier.chemin(), dialogues));
    EXPECT_EQ(fs::current_path(), jour);
}

TEST_F(Appli, EachStateShowsItsButtonsAndAllowsItsCommands) {
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
          "Aide", "Restaurer", "Direct", "Sol", "Note", "Ouvrir", ""}) {
        const auto d = demandeDeCle(cle);
        vues += d ? std::to_string(int(d->commande)) + d->agres + " " : "- ";
    }
    EXPECT_EQ(vues, "0 1 2 3 4 5Parallèles 6 7 8 9 10 11 12 20 22 5Sol - - - ");
    EXPECT_TRUE(demandeDeCle("Barres")->parMenu);
}

// Team size 1 to 6 and retained marks 1 to the team size and 5, asked until valid, rewrite the
// file; both are refused once teams or marks exist. Protection is refused while a mark is
// missing, and No is its default.
TEST_F(Appli, SettingsAreAskedUntilValidAndRefusedOnceFixed) {
    ouvrir("F_1_N000.PLM", plm("effectif-6.plm"));
    dialogues.saisies = {"0", "", "7", "3"};
    DemanderEffectifEquipe(etat, dialogues);
    EXPECT_EQ(dialogues.invites[0],
              "Concurrent(e)s par équipe: Nombre de concurrent(e)s par équipe :\nActuellement 6");
    EXPECT_EQ(surDisque(), plm("effectif-3.plm"));
    ouvrir("F_1_N001.PLM", plm("effectif-fixe.plm"));
    DemanderEffectifEquipe(etat, dialogues);

    ouvrir("F_2_PS00.PLM", plm("retenues-3.plm"));
    dialogues.saisies = {"4", "5", "0", "2"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(dialogues.invites[4],
              "Classement par équipe: Nombre de notes retenues (1 à 3) :\nActuellement 3");
    EXPECT_EQ(surDisque(), plm("retenues-2.plm"));
    ouvrir("F_2_PS02.PLM", plm("six-par-equipe.plm"));
    dialogues.saisies = {"6", "5"};
    DemanderNotesRetenues(etat, dialogues);
    EXPECT_EQ(etat.CalcEquip(), 5);
    ouvrir("F_2_PS01.PLM", plm("retenues-total.plm"));
    DemanderNotesRetenues(etat, dialogues);

    ouvrir(plm("incomplet.plm"));
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    ouvrir("F_2_PS01.PLM", plm("complet.plm"));
    EXPECT_FALSE(ProtegerCompet(etat, dialogues));
    EXPECT_EQ(surDisque(), plm("complet.plm"));
    std::string refus;
    for (const Message& m : dialogues.messages)
        refus += vu(m) + "\n";
    EXPECT_EQ(refus, "Modification impossible [100] Des équipes ont déjà été saisies\n"
                     "Modification impossible [100] Des notes ont déjà été saisies\n"
                     "Protection impossible [100] La compétition n'est pas terminée\n"
                     "Protection du fichier    F_2_PS01.PLM [212]       Attention : plus aucune "
                     "modification\n                        ne sera possible.\n\nConfirmez-vous "
                     "la demande de protection ?\n");
}
