#include "data/titre_fichier.h"

#include "cas.h"
#include "support/dossier_temporaire.h"

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

TEST(Titre, TableOfTitleTextsAndKeys) {
    for (const Cas& c : lireCas("titre.txt")) {
        const auto t = lireChampsTitre(c[1]);
        const std::string obtenu = c[0] == "touche" ? toucheTitre(c[1]).value_or("-")
                                   : t              ? t->ligne1 + "|" + t->ligne2
                                                    : "-";
        EXPECT_EQ(obtenu, c[2] + (c.size() > 3 ? "|" + c[3] : "")) << c.ligne;
    }
}

TEST(Titre, TheLabelIsLineOneDashLineTwoSmallerBeyondSeventyCharacters) {
    const LibelleTitre long113 = libelleTitre({std::string(60, 'T'), std::string(50, 'L')});
    EXPECT_EQ(long113.texte, std::string(60, 'T') + " - " + std::string(50, 'L'));
    EXPECT_EQ(long113.taille, 8);
    EXPECT_EQ(libelleTitre({std::string(40, 'T'), std::string(27, 'L')}).taille, 10);
    EXPECT_EQ(libelleTitre({std::string(40, 'T'), std::string(28, 'L')}).taille, 8);
    std::string accents; // characters are counted, not bytes: 67 "é" and " - " make 70
    for (int k = 0; k < 67; ++k)
        accents += "é";
    EXPECT_EQ(libelleTitre({accents, ""}).taille, 10);
    EXPECT_EQ(libelleTitre({"Gala", ""}).texte, "Gala - ");
    const LibelleTitre aucun = libelleTitre({" ", ""});
    EXPECT_EQ(aucun.texte + std::to_string(aucun.taille), "Entrez le titre de la compétition10");
}

namespace {
struct TitreFichier : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    TitreCompet titre;

    bool terminer(std::string_view ligne1, std::string_view ligne2) {
        return TerminerTitre(dossier.chemin(), ligne1, ligne2, titre, dialogues);
    }
    std::string fichier(std::string_view nom) const { return lireFichier(dossier / nom); }
};
} // namespace

TEST_F(TitreFichier, WrittenInQuotesWithCrLfInWindows1252AndReadBack) {
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt);
    ASSERT_TRUE(terminer("  Coupe régionale ", " Lyon, 12 mars 2006  "));
    EXPECT_EQ(titre, (TitreCompet{"Coupe régionale", "Lyon, 12 mars 2006"}));
    EXPECT_EQ(fichier("TITRE.1"), "\"Coupe r\xE9gionale\",\"Lyon, 12 mars 2006\"\r\n");
    EXPECT_EQ(LireTitre(dossier.chemin()), titre);
    ASSERT_TRUE(terminer("Gala", "")) << "an empty second line is a title";
    EXPECT_EQ(fichier("TITRE.1"), "\"Gala\",\"\"\r\n");
    EXPECT_EQ(LireTitre(dossier.chemin()), (TitreCompet{"Gala", ""}));
    EXPECT_TRUE(dialogues.messages.empty());
    fs::remove(dossier / "TITRE.1");
    fs::create_directory(dossier / "TITRE.1");
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt) << "unreadable";
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
    for (const char* t : {"Titre 1", "Titre 2", "Titre 3", "Titre 4"}) {
        ASSERT_TRUE(terminer(t, "Lieu"));
        EXPECT_EQ(fs::exists(dossier / "TITRE.000"), t[6] != '1') << "no former title to keep";
    }
    EXPECT_EQ(fichier("TITRE.000") + fichier("TITRE.001") + fichier("TITRE.002") +
                  fichier("TITRE.1"),
              "\"Titre 1\",\"Lieu\"\r\n\"Titre 2\",\"Lieu\"\r\n\"Titre 3\",\"Lieu\"\r\n\"Titre "
              "4\",\"Lieu\"\r\n");
    fs::remove(dossier / "TITRE.001");
    ASSERT_TRUE(terminer("Titre 5", "Lieu"));
    EXPECT_EQ(fichier("TITRE.001"), "\"Titre 4\",\"Lieu\"\r\n");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.003"));
}

TEST_F(TitreFichier, WithAllThousandCopiesTakenTheTitleIsStillWritten) {
    for (int n = 1000; n <= 1999; ++n)
        ecrireFichier(dossier / ("TITRE." + std::to_string(n).substr(1)), "copie");
    ecrireFichier(dossier / "TITRE.1", "\"Ancien\",\"\"\r\n");
    ASSERT_TRUE(terminer("Nouveau", ""));
    EXPECT_EQ(fichier("TITRE.1") + fichier("TITRE.000") + fichier("TITRE.999"),
              "\"Nouveau\",\"\"\r\ncopiecopie");
}
