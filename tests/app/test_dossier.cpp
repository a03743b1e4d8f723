#include "app/Dossier.h"

#include "pilote_dossier.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <QComboBox>
#include <QLabel>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

struct Dossier_ : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    fs::path avant = fs::current_path();
    void TearDown() override { fs::current_path(avant); }

    QStringList lignes(Dossier& d) {
        QStringList noms;
        auto* dir1 = d.findChild<QListWidget*>(QStringLiteral("Dir1"));
        for (int k = 0; k < dir1->count(); ++k)
            noms << dir1->item(k)->text();
        return noms;
    }
};

} // namespace

TEST_F(Dossier_, RefusesTheProgramFolderThenAcceptsOneOfItsSubFolders) {
    fs::create_directory(programme / "Gala");
    Dossier d(dialogues, programme.chemin(), programme.chemin());
    d.show();

    cliquer(d, "Oui");
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Choix incorrect");
    EXPECT_TRUE(d.isVisible());

    entrerDans(d, "Gala");
    EXPECT_EQ(d.chemin(), programme / "Gala");
    cliquer(d, "Oui");
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(fs::current_path(), programme / "Gala");
}

TEST_F(Dossier_, ListsVisibleSubFoldersAndMovesUpAndAcrossPlaces) {
    for (const char* nom : {"Zèbre", "Aigle", ".cache"})
        fs::create_directory(programme / nom);
    ecrireFichier(programme / "F_1_NS00.PLM", "");
    Dossier d(dialogues, programme.chemin(), programme / "Aigle");
    d.show();
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("Chemin"))->text(),
              QString::fromStdString((programme / "Aigle").string()));

    entrerDans(d, "..");
    EXPECT_EQ(d.chemin(), programme.chemin());
    EXPECT_EQ(lignes(d), (QStringList{"..", "Aigle", "Zèbre"}));

    // The temporary folders live under the root place, which opens at its top.
    auto* drive1 = d.findChild<QComboBox*>(QStringLiteral("Drive1"));
    EXPECT_EQ(drive1->currentText(), "/");
    drive1->activated(0);
    EXPECT_EQ(d.chemin(), fs::path("/"));
    EXPECT_FALSE(lignes(d).contains(".."));
}
