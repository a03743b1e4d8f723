#include "reports/voir_pages.h"

#include "app/etat_appli.h"
#include "platform/dialogues.h"
#include "reports/outils.h"
#include "support/ouvreur_enregistre.h"

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// Notes when the page is opened, so that the announcement can be seen to come first.
struct OuvreurApresAnnonce : OuvreurEnregistre {
    const DialoguesScriptes* dialogues = nullptr;
    std::size_t messagesAvant = 0;
    bool ouvrir(const fs::path& document) override {
        messagesAvant = dialogues->messages.size();
        return OuvreurEnregistre::ouvrir(document);
    }
};

struct VoirPages : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    OuvreurApresAnnonce ouvreur;
    EtatAppli appli;

    VoirPages() { ouvreur.dialogues = &dialogues; }

    void ouvrir(std::string_view nom) {
        ecrireFichier(dossier / nom, fichier({G("ALPHA", "01 BOURG", "MARTIN").note(5, "950"),
                                              G("ALPHA", "01 BOURG", "DURAND").note(5, "900"),
                                              G("ALPHA", "01 BOURG", "LEROY").note(5, "950"),
                                              slotLibre("ALPHA", "01 BOURG", kSansJuges)}));
        appli.compet.changerDossier(dossier.chemin());
        appli.titre = {"Coupe d'hiver", "Vienne"};
        appli.dates = {"05", " décembre ", "2026"};
        ASSERT_TRUE(appli.compet.Ouvrir(nom, dialogues));
    }
    // One announcement, then the page opened; both forgotten for the next command.
    void attendreAnnonce(std::string_view texte, std::string_view titre, const fs::path& page) {
        ASSERT_EQ(dialogues.messages.size(), 1U);
        EXPECT_EQ(dialogues.messages[0].texte,
                  std::string(texte) +
                      "\n\n Fermer cette page (Clic sur X ou Alt-F-F)\n          pour revenir au "
                      "logiciel");
        EXPECT_EQ(dialogues.messages[0].titre, titre);
        EXPECT_EQ(dialogues.messages[0].icone, Icone::Information);
        EXPECT_EQ(dialogues.messages[0].boutons, Boutons::Ok);
        EXPECT_EQ(ouvreur.ouverts, std::vector<fs::path>{page});
        EXPECT_EQ(ouvreur.messagesAvant, 1U);
        dialogues.messages.clear();
        ouvreur.ouverts.clear();
    }
};

} // namespace

TEST_F(VoirPages, IndividualFilesCarryThePlateauNumberAndTeamFilesNever) {
    const std::string description = "Féminines Honneur . 9-10 ans . Simple appartenance";
    ouvrir("f_h_ps02.plm");
    const Competition& etat = appli.compet;
    EXPECT_EQ(cheminClIndiv(etat, ".htm"),
              dossier / (description + " (plateau 3) - 02 (indiv).htm"));
    EXPECT_EQ(cheminClEquip(etat, ".txt"), dossier / (description + " (plateau 3) (équipe).txt"));
    ouvrir("F_H_PS00.PLM");
    EXPECT_EQ(cheminClIndiv(etat, ".txt"), dossier / (description + " (indiv).txt"));
}

TEST_F(VoirPages, EachPageIsWrittenAnnouncedThenOpened) {
    ouvrir("F_H_PS01.PLM");
    VoirClIndiv(appli.compet, textesPage(appli), dialogues, ouvreur);
    const fs::path indiv = cheminClIndiv(appli.compet, ".htm");
    attendreAnnonce("   La page de classement va apparaître.", "Affichage du classement individuel",
                    indiv);
    EXPECT_TRUE(indiv.filename().string().ends_with(" - 01 (indiv).htm"));
    const std::string html = lireFichier(indiv);
    EXPECT_TRUE(html.starts_with("<HTML>\r\n<TITLE>F\xE9minines"));
    EXPECT_NE(html.find("Page compos\xE9"
                        "e le 05 d\xE9"
                        "cembre 2026 par Palmora - Version "),
              std::string::npos);
    const std::vector<std::string> table =
        lignesDe(lireFichier(cheminClIndiv(appli.compet, ".txt")));
    ASSERT_EQ(table.size(), 4U);
    EXPECT_TRUE(table[1].starts_with("  1\tLEROY"));
    EXPECT_TRUE(table[2].starts_with("   \tMARTIN"));
    EXPECT_TRUE(table[3].starts_with("  3\tDURAND"));

    VoirClEquip(appli.compet, textesPage(appli), dialogues, ouvreur);
    const fs::path equipes = cheminClEquip(appli.compet, ".htm");
    attendreAnnonce("   La page de classement va apparaître.",
                    "Affichage du classement par équipes", equipes);
    EXPECT_EQ(equipes.filename().string(), appli.compet.DescriptionCompet() + " (équipe).htm");
    EXPECT_TRUE(lireFichier(equipes).ends_with("</HTML>\r\n"));
    EXPECT_TRUE(fs::exists(cheminClEquip(appli.compet, ".txt")));
}

TEST_F(VoirPages, TheScoreListingIsWrittenAnnouncedThenOpened) {
    ouvrir("F_H_PS00.PLM");
    VoirNotes(appli.compet, textesPage(appli), dialogues, ouvreur);
    attendreAnnonce("   La page de notes va apparaître.", "Affichage des notes",
                    dossier / "VoirNotes.htm");
    const std::string html = lireFichier(dossier / "VoirNotes.htm");
    EXPECT_TRUE(html.ends_with("</NOBR></body></html>\r\n"));
    EXPECT_NE(html.find("MARTIN"), std::string::npos);
    // The individual totals were brought up to date in the file first.
    EXPECT_EQ(lireFichier(dossier / "F_H_PS00.PLM").substr(184, 4), "0950");

    // When nothing opens the page, a message gives its path.
    ouvreur.reussit = false;
    VoirNotes(appli.compet, textesPage(appli), dialogues, ouvreur);
    ASSERT_EQ(dialogues.messages.size(), 2U);
    EXPECT_NE(dialogues.messages[1].texte.find((dossier / "VoirNotes.htm").string()),
              std::string::npos);
    EXPECT_EQ(dialogues.messages[1].titre, "Affichage des notes");
}

TEST_F(VoirPages, APageThatCannotBeWrittenIsNamedAndNothingIsShown) {
    ouvrir("F_H_PS00.PLM");
    // A folder in the way of each file.
    fs::create_directory(cheminClIndiv(appli.compet, ".htm"));
    fs::create_directory(cheminClIndiv(appli.compet, ".txt"));
    VoirClIndiv(appli.compet, textesPage(appli), dialogues, ouvreur);
    ASSERT_EQ(dialogues.messages.size(), 2U);
    EXPECT_NE(dialogues.messages[0].texte.find(cheminClIndiv(appli.compet, ".htm").string()),
              std::string::npos);
    EXPECT_NE(dialogues.messages[1].texte.find(cheminClIndiv(appli.compet, ".txt").string()),
              std::string::npos);
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    EXPECT_TRUE(ouvreur.ouverts.empty());
}
