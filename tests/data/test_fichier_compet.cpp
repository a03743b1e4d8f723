// The competition file: opening, reading and writing records, whole-file rewrites, a command's
// writes all or nothing, and the copies kept in "Sauvegardes".
#include "app/liste_compet.h"
#include "data/competition.h"
#include "data/registre_licences.h"
#include "data/sauvegardes.h"
#include "registration/inscription.h"
#include "scoring/saisie_notes.h"
#include "support/systeme_simule.h"

#include "cas.h"
#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const Enregistrement kProvisoire = enregistrementProvisoire("S654402340");
const Enregistrement kAlphaDurand = gymnaste("ALPHA", "01 BOURG", "DURAND");
const Enregistrement kAlphaMartin = gymnaste("ALPHA", "01 BOURG", "MARTIN");
const Enregistrement kAlphaEric = gymnaste("ALPHA", "01 BOURG", "ÉRIC");
const Enregistrement kAlphaLibre = slotLibre("ALPHA", "01 BOURG");
const Enregistrement kBeta1 = gymnaste("BETA", "38 VIENNE", "ABEL");
const Enregistrement kBeta2 = gymnaste("BETA", "38 VIENNE", "ZOLA");
const Enregistrement kBetaAutreVille = gymnaste("BETA", "26 VALENCE", "CHARLES");
const Enregistrement kMinuscule = gymnaste("beta", "38 VIENNE", "BRUNO");
const Enregistrement kAlpha[] = {
    gymnaste("ALPHA", "01 BOURG", "A1"), gymnaste("ALPHA", "01 BOURG", "A2"),
    gymnaste("ALPHA", "01 BOURG", "A3"), gymnaste("ALPHA", "01 BOURG", "A4")};
const std::string kUneEquipe = fichier({kAlpha[0], kAlpha[1], kAlpha[2], kAlpha[3]});

struct FichierCompet : CompetOuverte {
    void TearDown() override { simulerPanne(std::nullopt); }
    std::string nonEcrit() const {
        return nom + " [critique] Le fichier\n" + (dossier / nom).string() +
               "\nne peut pas être écrit.";
    }
};

EquipeSaisie equipe(const char* nom) {
    return {nom, "01 BOURG", {{"UN", "", "", "N", ""}, {"DEUX", "", "", "N", ""}}};
}

} // namespace

TEST_F(FichierCompet, APlaceholderFileOpensWithItsSettingsAndNoTeam) {
    ouvrir("F_1_NS00.PLM", fichier({kProvisoire}));
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
    ouvrir("M_E_NS00.PLM", fichier({enregistrementProvisoire("S644000444")}));
    EXPECT_EQ((std::string{etat.CodeSexe(), etat.CodeAgres()}), "FF");
    ouvrir("M_1_PS00.PLM", fichier({enregistrementProvisoire("0644444440")}));
    EXPECT_EQ((std::string{etat.CodeSexe(), etat.CodeAgres()}), "MM");
}

TEST_F(FichierCompet, OneMarkedRecordAnywhereMakesTheFileProtected) {
    for (int marque : {0, 1, 2}) {
        Enregistrement e[3] = {gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX"),
                               gymnaste("A", "01 X", "TROIS")};
        e[marque][300] = kCode160;
        dialogues.messages.clear();
        ouvrir(fichier({e[0], e[1], e[2]}));
        EXPECT_TRUE(etat.Protege()) << marque;
        EXPECT_EQ(vus(dialogues), "F_2_PS00.PLM [exclamation]      Fichier protégé.\n\nUtilisation "
                                  "possible mais\n  modifications interdites.");
    }
    ouvrir(fichier({gymnaste("A", "01 X", "UN")}));
    EXPECT_FALSE(etat.Protege());
}

TEST_F(FichierCompet, RecordsAreReadAndWrittenWholeAndAnEmptyOrMissingNameCloses) {
    ouvrir(fichier({kProvisoire}));
    ASSERT_EQ(etat.EcrireEnreg(2, kAlphaDurand, dialogues), Ecriture::Reussie) << "appended";
    Enregistrement lu;
    ASSERT_TRUE(etat.LireEnreg(1, lu));
    EXPECT_EQ(lu, kProvisoire);
    ASSERT_TRUE(etat.LireEnreg(2, lu));
    EXPECT_EQ(lu, kAlphaDurand);
    EXPECT_FALSE(etat.LireEnreg(3, lu));
    EXPECT_EQ(lu, Enregistrement());
    EXPECT_EQ(surDisque(), fichier({kProvisoire, kAlphaDurand}));
    EXPECT_FALSE(etat.Ouvrir("", dialogues));
    EXPECT_FALSE(etat.ouvert());
    ouvrir(fichier({kProvisoire}));
    EXPECT_FALSE(etat.Ouvrir("ABSENT.PLM", dialogues));
    EXPECT_FALSE(etat.ouvert());
    EXPECT_EQ(vus(dialogues), "ABSENT.PLM [critique] Le fichier\n" +
                                  (dossier / "ABSENT.PLM").string() + "\nne peut pas être ouvert.");
}

TEST_F(FichierCompet, SortedRewriteOrdersByTeamTownThenGymnastInBinaryOrder) {
    ouvrir(fichier({kMinuscule, kBeta2, kAlphaEric, kBeta1, kAlphaLibre, kAlphaMartin,
                    kBetaAutreVille, kAlphaDurand}));
    TrierFichier(etat, dialogues);
    // Code 160 (empty slot) sorts after plain letters and before "É" (201); a lower-case team
    // name comes after every upper-case one.
    EXPECT_EQ(surDisque(), fichier({kAlphaDurand, kAlphaMartin, kAlphaLibre, kAlphaEric,
                                    kBetaAutreVille, kBeta1, kBeta2, kMinuscule}));
    EXPECT_EQ(etat.NbEnreg(), 8);
    EXPECT_FALSE(fs::exists(dossier / "TEMPO"));
    EXPECT_EQ(etat.LireEnreg(1), kAlphaDurand);
}

TEST_F(FichierCompet, RemovingATeamKeepsTheOthersInOrderAndTheOnlyTeamDeletesTheFile) {
    ouvrir(fichier({kAlphaDurand, kAlphaMartin, kBeta1, kBeta2, kBetaAutreVille}));
    EXPECT_FALSE(RetirerEquipe(etat, "  BETA ", "38 VIENNE", dialogues));
    EXPECT_EQ(surDisque(), fichier({kAlphaDurand, kAlphaMartin, kBetaAutreVille}));
    EXPECT_EQ(etat.NbEnreg(), 3);
    EXPECT_TRUE(etat.ouvert());
    EXPECT_FALSE(fs::exists(dossier / "Provi.PLM"));

    ouvrir(fichier({kAlphaDurand, kAlphaLibre}));
    EXPECT_TRUE(RetirerEquipe(etat, "ALPHA", "01 BOURG", dialogues));
    EXPECT_FALSE(fs::exists(dossier / nom));
    EXPECT_FALSE(etat.ouvert());
    EXPECT_FALSE(etat.Protege());
}

TEST_F(FichierCompet, ProtectionMarksEveryRecordAndSurvivesReopening) {
    ouvrir(fichier({kAlphaDurand, kAlphaMartin}));
    MarquerProtection(etat, kCode160, dialogues);
    EXPECT_TRUE(etat.Protege());
    std::string attendu = fichier({kAlphaDurand, kAlphaMartin});
    attendu[299] = attendu[599] = kCode160;
    EXPECT_EQ(surDisque(), attendu);
    ouvrir(surDisque());
    EXPECT_TRUE(etat.Protege());
    MarquerProtection(etat, kNul, dialogues);
    EXPECT_FALSE(etat.Protege());
    EXPECT_EQ(surDisque(), fichier({kAlphaDurand, kAlphaMartin}));
}

// A command's writes are all or nothing and reach the disk once: a failure at any record, or
// of the flush, leaves the file byte for byte as it was.
TEST_F(FichierCompet, ATeamSaveThatFailsAtAnyRecordOrAtTheFlushLeavesTheFileAsItWas) {
    for (const bool nouvelle : {true, false})
        for (const int rang : {1, 2, 4, 0}) {
            SCOPED_TRACE(std::to_string(rang) + (nouvelle ? " nouvelle" : " existante"));
            ouvrir(kUneEquipe);
            simulerPanne(rang ? PanneSimulee{Appel::EcritureA, ENOSPC, rang}
                              : PanneSimulee{Appel::VidageDonnees, EIO});
            EquipeSaisie e = equipe("BETA");
            EXPECT_EQ(SauverEquipe(etat, nouvelle ? 2 : 1, e, dialogues), Sauvegarde::Refusee);
            EXPECT_EQ(surDisque(), kUneEquipe);
            EXPECT_EQ(vus(dialogues), nonEcrit());
            EXPECT_EQ(etat.NbEnreg(), 4);
            dialogues.messages.clear();
        }
    // Once the disk takes it, the same team is saved whole, with one flush.
    simulerPanne(std::nullopt);
    EquipeSaisie e = equipe("BETA");
    EXPECT_EQ(SauverEquipe(etat, 2, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(etat.nbEquipes(), 2);
    EXPECT_EQ(appels(Appel::VidageDonnees), 1);
}

TEST_F(FichierCompet, AScoreEntrySaveFlushesOnceAndFailingMidwayLeavesEveryMarkAsItWas) {
    ouvrir(kUneEquipe);
    SaisieNotes saisie(etat, dialogues, agresDe('F')[0]);
    saisie.ChargerEquipe(1);
    simulerPanne(std::nullopt);
    saisie.Valider(std::vector<TextesLigne>(4, TextesLigne{{"9,50"}, ""}));
    EXPECT_EQ(appels(Appel::VidageDonnees), 1);
    EXPECT_TRUE(dialogues.messages.empty());

    ouvrir(kUneEquipe);
    SaisieNotes autre(etat, dialogues, agresDe('F')[0]);
    autre.ChargerEquipe(1);
    simulerPanne(PanneSimulee{Appel::EcritureA, EIO, 3});
    autre.EnregistrerEquipe(std::vector<TextesLigne>(4, TextesLigne{{"9,50", "9,00"}, ""}));
    EXPECT_EQ(surDisque(), kUneEquipe);
    EXPECT_EQ(vus(dialogues), nonEcrit());
}

TEST_F(FichierCompet, WhenEvenPuttingBackFailsTheFileIsSaidToBeDamaged) {
    ouvrir(kUneEquipe);
    simulerPanne(PanneSimulee{Appel::EcritureA, EIO, 2, true});
    EquipeSaisie e = equipe("BETA");
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Refusee);
    EXPECT_EQ(vus(dialogues), nom + " [critique] Le fichier\n" + (dossier / nom).string() +
                                  "\nne peut pas être écrit et peut être endommagé.");
}

TEST_F(FichierCompet, AnEmptiedFileThatCannotBeDeletedStaysOpenAsItWas) {
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

namespace {

const std::string kDeuxEquipes =
    fichier({kAlpha[0], kAlpha[1], kAlpha[2], kAlpha[3], gymnaste("BETA", "38 VIENNE", "B1"),
             gymnaste("BETA", "38 VIENNE", "B2"), gymnaste("BETA", "38 VIENNE", "B3"),
             gymnaste("BETA", "38 VIENNE", "B4")});

struct SauvegardesCompet : FichierCompet {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};

    SauvegardesCompet() { etat.installerSauvegardes(sauvegardes); }
    fs::path copies() const { return dossier / "Sauvegardes"; }
    std::vector<std::string> noms() const {
        std::vector<std::string> n;
        for (const auto& f : fs::directory_iterator(copies()))
            n.push_back(f.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
    // A minute on, then a change.
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
    horloge.date.minute = 43;
    etat.sauvegarder(false, dialogues); // a minute on but nothing changed: no copy
    EXPECT_EQ(noms().size(), 1u);
    changerPlusTard(0);
    EXPECT_EQ(noms().back(), "F_2_PS00 2026-12-06 10h43.PLM");
    EXPECT_EQ(lireFichier(copies() / noms().back()), surDisque());
    changerPlusTard(0); // the same minute: no copy
    EXPECT_EQ(noms().size(), 2u);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(SauvegardesCompet, ThirtyAreKeptAndTheListIsNewestFirst) {
    ouvrir(kDeuxEquipes);
    for (int k = 0; k < 32; ++k)
        changerPlusTard();
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
    changerPlusTard();
    changerPlusTard();
    EXPECT_EQ(vus(dialogues),
              "Sauvegarde [exclamation] Les sauvegardes automatiques ne peuvent pas être "
              "écrites dans le dossier\n" +
                  copies().string() + "\n\nLa compétition elle-même est bien enregistrée.");
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
