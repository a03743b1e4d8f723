// The competition file: opening, reading and writing records, whole-file rewrites, a command's
// writes all or nothing, and the copies kept in "Sauvegardes".
#include "app/liste_compet.h"
#include "data/competition.h"
#include "data/sauvegardes.h"
#include "registration/inscription.h"
#include "scoring/saisie_notes.h"
#include "support/systeme_simule.h"

#include "cas.h"
#include "support/compet_ouverte.h"

#include <cerrno>
#include <map>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

struct FichierCompet : CompetOuverte {
    void TearDown() override { simulerPanne(std::nullopt); }
    std::vector<std::string> noms(const fs::path& d) const {
        std::vector<std::string> n;
        for (const auto& f : fs::directory_iterator(d))
            n.push_back(f.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    // Runs a command of cas/compet.txt ("_" a blank in a team or town); its result as a number.
    int executer(const std::string& commande) {
        std::istringstream lus(commande);
        std::vector<std::string> m;
        for (std::string s; lus >> s;)
            m.push_back(s);
        m.resize(3);
        const auto lignes = [&](std::vector<std::string> notes) {
            notes.resize(kJugesSaisie);
            std::vector<TextesLigne> l(4);
            for (TextesLigne& t : l)
                std::copy(notes.begin(), notes.end(), t.notes.begin());
            return l;
        };
        std::optional<SaisieNotes> saisie;
        EquipeSaisie equipe{
            "BETA", "01 BOURG", {{"UN", "", "", "N", ""}, {"DEUX", "", "", "N", ""}}};
        const std::string c = m[0];
        if (c == "tri") TrierFichier(etat, dialogues);
        if (c == "retrait")
            return RetirerEquipe(etat, champsEnreg(m[1])[0], champsEnreg(m[2])[0], dialogues);
        if (c == "protection" || c == "deprotection")
            MarquerProtection(etat, c == "protection" ? kCode160 : kNul, dialogues);
        if (c == "ecrire")
            return int(etat.EcrireEnreg(std::stoi(m[1]), Enregistrement(enregistrements(m[2])),
                                        dialogues));
        if (c == "ouvrir") return etat.Ouvrir(m[1], dialogues);
        if (c == "sauver") return int(SauverEquipe(etat, std::stoi(m[1]), equipe, dialogues));
        if (c == "valider" || c == "enregistrer") {
            saisie.emplace(etat, dialogues, agresDe('F')[0]);
            saisie->ChargerEquipe(1);
        }
        if (c == "valider") saisie->Valider(lignes({m[1]}));
        if (c == "enregistrer") saisie->EnregistrerEquipe(lignes({m[1], m[2]}));
        dialogues.reponses = {Reponse::Oui};
        if (c == "effacer") return EffacerEquipe(etat, m[1], champsEnreg(m[2])[0], dialogues);
        return 0;
    }
};

} // namespace

TEST_F(FichierCompet, TableOfCommandsOnTheFileAndTheirFailures) {
    const std::map<std::string, Appel> appelsNommes = {{"EcritureA", Appel::EcritureA},
                                                       {"VidageDonnees", Appel::VidageDonnees},
                                                       {"Suppression", Appel::Suppression}};
    const std::map<std::string, int> erreurs = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EBUSY", EBUSY}};
    for (const Cas& c : lireCas("compet.txt")) {
        SCOPED_TRACE(c.ligne);
        dialogues = {};
        ouvrir(enregistrements(c[0]));
        const std::string avant = surDisque();
        std::istringstream panne(c[2]);
        std::string appel, erreur, suivantes;
        int rang = 1;
        simulerPanne(std::nullopt);
        panne >> appel >> erreur >> rang >> suivantes;
        if (appel != "-")
            simulerPanne(
                PanneSimulee{appelsNommes.at(appel), erreurs.at(erreur), rang, suivantes == "+"});
        const std::map<std::string, std::int64_t> vu = {{"r", executer(c[1])},
                                                        {"n", etat.NbEnreg()},
                                                        {"e", etat.nbEquipes()},
                                                        {"o", etat.ouvert()},
                                                        {"p", etat.Protege()},
                                                        {"v", appels(Appel::VidageDonnees)},
                                                        {"m", std::ssize(dialogues.messages)}};
        simulerPanne(std::nullopt);
        std::istringstream attendus(c[4]);
        for (std::string a; attendus >> a;)
            EXPECT_EQ(a.substr(0, 2) + std::to_string(vu.at(a.substr(0, 1))), a);
        EXPECT_EQ(noms(dossier.chemin()),
                  c[3] == "-" ? std::vector<std::string>{} : std::vector<std::string>{nom})
            << "no temporary file is left";
        if (c[3] != "-" && c[3] != "*") {
            EXPECT_EQ(surDisque(), c[3] == "=" ? avant : enregistrements(c[3]));
        }
        std::string lus; // what the program holds is what the disk holds
        for (std::int64_t k = 1; etat.ouvert() && k <= etat.NbEnreg(); ++k)
            lus += etat.LireEnreg(k).octets();
        Enregistrement apres;
        EXPECT_EQ(lus, etat.ouvert() ? surDisque() : "");
        EXPECT_FALSE(etat.LireEnreg(etat.NbEnreg() + 1, apres));
        EXPECT_EQ(apres, Enregistrement());
        if (c[5] != "*") {
            EXPECT_EQ(dialogues.messages.empty() ? "" : vus({dialogues.messages.back()}),
                      avecDossier(c[5], dossier.chemin().string()));
        }
    }
}

TEST_F(FichierCompet, APlaceholderFileOpensWithItsSettingsAndNoTeam) {
    ouvrir("F_1_NS00.PLM", std::string(enregistrementProvisoire("S654402340").octets()));
    std::string vu = etat.BlocConfig() + " ";
    for (int s = 1; s <= 6; ++s)
        vu += std::to_string(etat.juges(champs::JugesSlot(s)));
    vu += std::to_string(etat.juges(champs::JugesPoutre)) + " " +
          std::to_string(etat.EffectEquip() * 1000 + etat.CalcEquip() * 100 + etat.NbEnreg() * 10 +
                         etat.nbEquipes()) +
          " " + etat.CodeSexe() + etat.CodeAgres() + etat.CodeAppart() + " " +
          etat.DescriptionCompet();
    EXPECT_EQ(vu, "S654402340 4402340 6510 FFS Féminines Niveau 1 . 7-8 ans . Simple appartenance");
    EXPECT_FALSE(etat.Protege());
    EXPECT_TRUE(dialogues.messages.empty());
    // Men's Mini-enchaînements use the women's apparatus.
    ouvrir("M_E_NS00.PLM", std::string(enregistrementProvisoire("S644000444").octets()));
    EXPECT_EQ((std::string{etat.CodeSexe(), etat.CodeAgres()}), "FF");
    ouvrir("M_1_PS00.PLM", std::string(enregistrementProvisoire("0644444440").octets()));
    EXPECT_EQ((std::string{etat.CodeSexe(), etat.CodeAgres()}), "MM");
}

namespace {

struct SauvegardesCompet : FichierCompet {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};
    const std::string deuxEquipes =
        enregistrements("ALPHA/01_BOURG/A1 ALPHA/01_BOURG/A2 ALPHA/01_BOURG/A3 ALPHA/01_BOURG/A4 "
                        "BETA/38_VIENNE/B1 BETA/38_VIENNE/B2 BETA/38_VIENNE/B3 BETA/38_VIENNE/B4");

    SauvegardesCompet() { etat.installerSauvegardes(sauvegardes); }
    void SetUp() override { ouvrir(deuxEquipes); }
    fs::path copies() const { return dossier / "Sauvegardes"; }
    // `minutes` on, then a change.
    void changerPlusTard(int minutes = 1) {
        horloge.date.minute += minutes;
        horloge.date.heure += horloge.date.minute / 60;
        horloge.date.minute %= 60;
        Enregistrement e = etat.LireEnreg(1);
        e.poser(champs::Notes(5, 1), std::to_string(800 + horloge.date.minute));
        ASSERT_EQ(etat.EcrireEnreg(1, e, dialogues), Ecriture::Reussie);
    }
};

} // namespace

TEST_F(SauvegardesCompet, OpeningCopiesThenAChangeAtMostOnceAMinuteAndThirtyAreKept) {
    EXPECT_EQ(lireFichier(copies() / "F_2_PS00 2026-12-06 10h42.PLM"), deuxEquipes);
    horloge.date.minute = 43;
    etat.sauvegarder(false, dialogues); // a minute on but nothing changed: no copy
    changerPlusTard(0);
    changerPlusTard(0); // the same minute: no copy
    EXPECT_EQ(noms(copies()).size(), 2u);
    EXPECT_EQ(lireFichier(copies() / "F_2_PS00 2026-12-06 10h43.PLM"), surDisque());
    for (int k = 0; k < 31; ++k)
        changerPlusTard();
    ASSERT_EQ(noms(copies()).size(), 30u);
    EXPECT_EQ(noms(copies()).front(), "F_2_PS00 2026-12-06 10h45.PLM") << "the oldest three went";
    const std::vector<CopieSauvegarde> liste = sauvegardes.lister(etat);
    ASSERT_EQ(liste.size(), 30u);
    EXPECT_EQ(liste[0].quand + " " + std::to_string(liste[0].equipes) + " " +
                  std::to_string(liste[0].notes) + " " + liste[29].quand,
              "06/12/2026 11:14 2 1 06/12/2026 10:45");
    // The folder is no competition.
    EXPECT_EQ(listerCompetitions(dossier.chemin()), std::vector<std::string>{nom});
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(SauvegardesCompet, ACopyThatCannotBeWrittenIsToldOnceAndTheCommandStands) {
    fs::remove_all(copies());
    ecrireFichier(copies(), "un fichier, pas un dossier");
    ouvrir(deuxEquipes);
    changerPlusTard();
    changerPlusTard();
    EXPECT_EQ(vus(dialogues),
              "Sauvegarde [exclamation] Les sauvegardes automatiques ne peuvent pas être "
              "écrites dans le dossier\n" +
                  copies().string() + "\n\nLa compétition elle-même est bien enregistrée.");
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::Notes(5, 1)), "844");
}

TEST_F(SauvegardesCompet, RestoringTheCopyMadeBeforeADeletionGivesTheTeamBack) {
    dialogues.reponses = {Reponse::Oui};
    ASSERT_TRUE(EffacerEquipe(etat, "BETA", "38 VIENNE", dialogues));
    EXPECT_EQ(etat.nbEquipes(), 1);
    // The same minute as the copy made on opening: the copy before the deletion comes second.
    const std::vector<CopieSauvegarde> liste = sauvegardes.lister(etat);
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].chemin.filename(), "F_2_PS00 2026-12-06 10h42 (2).PLM");
    ASSERT_TRUE(RestaurerSauvegarde(etat, liste[0].chemin, dialogues));
    EXPECT_EQ(surDisque(), deuxEquipes);
    EXPECT_EQ(etat.nbEquipes(), 2);
    EXPECT_EQ(sauvegardes.lister(etat).size(), 3u) << "the file was copied before the restore";
}
