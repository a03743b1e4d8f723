#include "platform/lieux.h"

#include "support/dossier_temporaire.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

TEST(Lieux, TheRootAndTheHomeFolderComeFirst) {
    const auto lieux = lieuxDeTravail("/home/anne", "personne-de-ce-nom");
    EXPECT_EQ(lieux, (std::vector<fs::path>{"/", "/home/anne"}));
    EXPECT_EQ(lieuxDeTravail("/", ""), std::vector<fs::path>{"/"});
}

TEST(Lieux, AFolderBelongsToTheLongestPlaceThatHoldsIt) {
    const std::vector<fs::path> lieux{"/", "/home/anne", "/media/anne/CLE"};
    EXPECT_EQ(lieuDe(lieux, "/home/anne/Gym/05 décembre 2026"), 1u);
    EXPECT_EQ(lieuDe(lieux, "/home/anne"), 1u);
    EXPECT_EQ(lieuDe(lieux, "/media/anne/CLE/"), 2u);
    EXPECT_EQ(lieuDe(lieux, "/home/anne2/Gym"), 0u);
    EXPECT_EQ(lieuDe(lieux, "/tmp"), 0u);
}

TEST(Lieux, SubFoldersAreVisibleFoldersSortedByName) {
    DossierTemporaire d;
    for (const char* nom : {"Zèbre", "Aigle", ".cache", "Mai"})
        fs::create_directory(d / nom);
    ecrireFichier(d / "F_1_NS00.PLM", "");
    EXPECT_EQ(sousDossiers(d.chemin()),
              (std::vector<fs::path>{d / "Aigle", d / "Mai", d / "Zèbre"}));
    EXPECT_TRUE(sousDossiers(d / "absent").empty());
}
