#include "reports/voir_pages.h"

#include "reports/outils.h"

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

struct VoirPages : AppliOuverte {
    OuvreurApresAnnonce apres;
    VoirPages() { apres.dialogues = &dialogues; }
    void ouvrir(const std::string& nom) { AppliOuverte::ouvrir(nom, contenu("voir_pages")); }
};

} // namespace

TEST_F(VoirPages, IndividualFilesCarryThePlateauNumberAndTeamFilesNever) {
    const std::string description = "Féminines Honneur . 9-10 ans . Simple appartenance";
    ouvrir("f_h_ps02.plm");
    EXPECT_EQ(cheminClIndiv(appli.compet, ".htm"),
              dossier / (description + " (plateau 3) - 02 (indiv).htm"));
    EXPECT_EQ(cheminClEquip(appli.compet, ".txt"),
              dossier / (description + " (plateau 3) (équipe).txt"));
    ouvrir("F_H_PS00.PLM");
    EXPECT_EQ(cheminClIndiv(appli.compet, ".txt"), dossier / (description + " (indiv).txt"));
}

// Each page is announced, then opened; the titles are the acceptance run's.
TEST_F(VoirPages, EachPageIsWrittenAnnouncedThenOpened) {
    ouvrir("F_H_PS00.PLM");
    const std::tuple<decltype(&VoirNotes), std::string, fs::path> commandes[] = {
        {VoirClIndiv, "classement", cheminClIndiv(appli.compet, ".htm")},
        {VoirClEquip, "classement", cheminClEquip(appli.compet, ".htm")},
        {VoirNotes, "notes", dossier / "VoirNotes.htm"}};
    for (const auto& [commande, quoi, page] : commandes) {
        commande(appli.compet, textesPage(appli), dialogues, apres);
        ASSERT_EQ(dialogues.messages.size(), 1U);
        const Message& m = dialogues.messages[0];
        EXPECT_EQ(m.texte, "   La page de " + quoi +
                               " va apparaître.\n\n Fermer cette page (Clic sur X ou Alt-F-F)\n"
                               "          pour revenir au logiciel");
        EXPECT_TRUE(m.icone == Icone::Information && m.boutons == Boutons::Ok);
        EXPECT_EQ(apres.ouverts, std::vector<fs::path>{page});
        EXPECT_EQ(apres.messagesAvant, 1U);
        dialogues.messages.clear();
        apres.ouverts.clear();
    }
    EXPECT_NE(lireFichier(cheminClIndiv(appli.compet, ".htm"))
                  .find("Page compos\xE9"
                        "e le 05 d\xE9"
                        "cembre 2026 par Palmora - Version "),
              std::string::npos);
    // When nothing opens the page, a message gives its path.
    apres.reussit = false;
    VoirNotes(appli.compet, textesPage(appli), dialogues, apres);
    ASSERT_EQ(dialogues.messages.size(), 2U);
    EXPECT_NE(dialogues.messages[1].texte.find((dossier / "VoirNotes.htm").string()),
              std::string::npos);
    EXPECT_EQ(dialogues.messages[1].titre, "Affichage des notes");
}
