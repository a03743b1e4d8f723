#include "data/titre_fichier.h"
#include "support/systeme_simule.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

struct TitreFichier : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    TitreCompet titre;

    bool terminer(std::string_view ligne1, std::string_view ligne2) {
        return TerminerTitre(dossier.chemin(), ligne1, ligne2, titre, dialogues);
    }
    std::string fichier(std::string_view nom) const { return lireFichier(dossier / nom); }
    void TearDown() override { simulerPanne(std::nullopt); }
};

} // namespace

TEST(ChampsTitre, QuotedFieldsKeepTheirCommasAndBlanks) {
    EXPECT_EQ(lireChampsTitre("\"Coupe, finale\",\"Lyon, 5 mai\"\r\n"),
              (TitreCompet{"Coupe, finale", "Lyon, 5 mai"}));
    EXPECT_EQ(lireChampsTitre("  \" Gala \" , \"\"\r\n"), (TitreCompet{" Gala ", ""}));
    // What follows a closing quote up to the comma is not part of the field.
    EXPECT_EQ(lireChampsTitre("\"Gala\"xx,\"Lyon\"\r\n"), (TitreCompet{"Gala", "Lyon"}));
}

TEST(ChampsTitre, FieldsWithoutQuotesEndAtACommaOrTheLineEnd) {
    EXPECT_EQ(lireChampsTitre("  Gala de Noël  ,  Bourg  \r\n"),
              (TitreCompet{"Gala de Noël", "Bourg"}));
    EXPECT_EQ(lireChampsTitre("Gala,Lyon,en trop\r\n"), (TitreCompet{"Gala", "Lyon"}));
    EXPECT_EQ(lireChampsTitre("Gala,\r\n"), (TitreCompet{"Gala", ""}));
    EXPECT_EQ(lireChampsTitre("Gala\nLyon"), (TitreCompet{"Gala", "Lyon"}));
}

TEST(ChampsTitre, ATextThatEndsBeforeTheSecondFieldCannotBeRead) {
    EXPECT_EQ(lireChampsTitre(""), std::nullopt);
    EXPECT_EQ(lireChampsTitre("\"Gala\"\r\n"), std::nullopt);
    EXPECT_EQ(lireChampsTitre("   "), std::nullopt);
}

TEST_F(TitreFichier, MissingOrUnreadableFileGivesNoTitle) {
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt);
    fs::create_directory(dossier / "TITRE.1");
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt);
}

TEST_F(TitreFichier, WrittenInQuotesWithCrLfInWindows1252AndReadBack) {
    ASSERT_TRUE(terminer("  Coupe régionale ", " Lyon, 12 mars 2006  "));
    EXPECT_EQ(titre, (TitreCompet{"Coupe régionale", "Lyon, 12 mars 2006"}));
    EXPECT_EQ(fichier("TITRE.1"), "\"Coupe r\xE9gionale\",\"Lyon, 12 mars 2006\"\r\n");
    EXPECT_EQ(LireTitre(dossier.chemin()), titre);
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(TitreFichier, AnEmptySecondLineIsATitle) {
    ASSERT_TRUE(terminer("Gala", ""));
    EXPECT_EQ(fichier("TITRE.1"), "\"Gala\",\"\"\r\n");
    EXPECT_EQ(LireTitre(dossier.chemin()), (TitreCompet{"Gala", ""}));
}

TEST_F(TitreFichier, BlankBoxesWriteNothingAndLeaveTheStateEmpty) {
    ecrireFichier(dossier / "TITRE.1", "\"Ancien\",\"Titre\"\r\n");
    titre = {"Ancien", "Titre"};
    EXPECT_FALSE(terminer("   ", ""));
    EXPECT_TRUE(titre.vide());
    EXPECT_EQ(fichier("TITRE.1"), "\"Ancien\",\"Titre\"\r\n");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.000"));
    // The state, not the file, decides: the program now ends on "A&nnuler".
    EXPECT_THROW(AnnulerTitre(titre, dialogues), ProgrammeArrete);
    EXPECT_NO_THROW(AnnulerTitre({"", "Lyon"}, dialogues));
}

TEST_F(TitreFichier, EveryChangeKeepsTheFormerFileAsTheNextFreeCopy) {
    ASSERT_TRUE(terminer("Titre 1", "Lieu"));
    EXPECT_FALSE(fs::exists(dossier / "TITRE.000")) << "no former title to keep";
    ASSERT_TRUE(terminer("Titre 2", "Lieu"));
    ASSERT_TRUE(terminer("Titre 3", "Lieu"));
    ASSERT_TRUE(terminer("Titre 4", "Lieu"));
    EXPECT_EQ(fichier("TITRE.000"), "\"Titre 1\",\"Lieu\"\r\n");
    EXPECT_EQ(fichier("TITRE.001"), "\"Titre 2\",\"Lieu\"\r\n");
    EXPECT_EQ(fichier("TITRE.002"), "\"Titre 3\",\"Lieu\"\r\n");
    EXPECT_EQ(fichier("TITRE.1"), "\"Titre 4\",\"Lieu\"\r\n");

    fs::remove(dossier / "TITRE.001");
    ASSERT_TRUE(terminer("Titre 5", "Lieu"));
    EXPECT_EQ(fichier("TITRE.001"), "\"Titre 4\",\"Lieu\"\r\n");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.003"));
}

TEST_F(TitreFichier, WithAllThousandCopiesTakenTheTitleIsStillWritten) {
    for (int n = 0; n <= 999; ++n) {
        char nom[16];
        std::snprintf(nom, sizeof nom, "TITRE.%03d", n);
        ecrireFichier(dossier / nom, "copie");
    }
    ecrireFichier(dossier / "TITRE.1", "\"Ancien\",\"\"\r\n");
    ASSERT_TRUE(terminer("Nouveau", ""));
    EXPECT_EQ(fichier("TITRE.1"), "\"Nouveau\",\"\"\r\n");
    EXPECT_EQ(fichier("TITRE.000"), "copie");
    EXPECT_EQ(fichier("TITRE.999"), "copie");
}

TEST_F(TitreFichier, AFileThatCannotBeWrittenIsReportedAndTheTitleHolds) {
    simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
    ASSERT_TRUE(terminer("Gala", "Lyon"));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].texte,
              "Le fichier\n" + (dossier / "TITRE.1").string() + "\nne peut pas être écrit.");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    EXPECT_EQ(titre, (TitreCompet{"Gala", "Lyon"}));
}

TEST(LibelleTitre, LineOneDashLineTwoSmallerBeyondSeventyCharacters) {
    const LibelleTitre long113 = libelleTitre({std::string(60, 'T'), std::string(50, 'L')});
    EXPECT_EQ(long113.texte, std::string(60, 'T') + " - " + std::string(50, 'L'));
    EXPECT_EQ(long113.taille, 8);
    EXPECT_EQ(libelleTitre({std::string(40, 'T'), std::string(27, 'L')}).taille, 10);
    EXPECT_EQ(libelleTitre({std::string(40, 'T'), std::string(28, 'L')}).taille, 8);
    // Characters are counted, not bytes: 67 letters "é" and " - " make 70.
    std::string accents;
    for (int k = 0; k < 67; ++k)
        accents += "é";
    EXPECT_EQ(libelleTitre({accents, ""}).taille, 10);
    EXPECT_EQ(libelleTitre({"Gala", ""}).texte, "Gala - ");
}

TEST(LibelleTitre, NoTitleAsksForOne) {
    const LibelleTitre l = libelleTitre({" ", ""});
    EXPECT_EQ(l.texte, "Entrez le titre de la compétition");
    EXPECT_EQ(l.taille, 10);
}

TEST(ToucheTitre, DoubleQuoteAndLineBreaksAreRefused) {
    EXPECT_EQ(toucheTitre("\""), std::nullopt);
    EXPECT_EQ(toucheTitre("\n"), std::nullopt);
    EXPECT_EQ(toucheTitre(","), ",");
    EXPECT_EQ(toucheTitre("é"), "é");
    EXPECT_EQ(toucheTitre("'"), "'");
}
