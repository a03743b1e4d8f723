#include "app/Restaurer.h"
#include "data/competition.h"
#include "data/sauvegardes.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <QListWidget>
#include <QTest>

using namespace palmora;
using namespace palmora::test;

namespace {

struct RestaurerFenetre : CompetOuverte {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};
    RestaurerFenetre() { etat.installerSauvegardes(sauvegardes); }
};

} // namespace

TEST_F(RestaurerFenetre, EnterAsksThenPutsTheChosenCopyBackAndEscapeLeavesAll) {
    const std::string avant = fichier({gymnaste("ALPHA", "01 BOURG", "A1")});
    ouvrir(avant); // the copy made on opening
    horloge.date.minute = 50;
    ASSERT_EQ(etat.EcrireEnreg(2, gymnaste("BETA", "38 VIENNE", "B1"), dialogues),
              Ecriture::Reussie);
    const std::string apres = surDisque();

    Restaurer r(etat, sauvegardes, dialogues);
    r.show();
    auto* liste = r.findChild<QListWidget*>("ListeSauvegardes");
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->item(0)->text(), "06/12/2026 10:50   0 équipe, 0 note");
    QTest::keyClick(liste, Qt::Key_Down);
    QTest::keyClick(liste, Qt::Key_Escape);
    EXPECT_EQ(surDisque(), apres);

    r.show();
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    QTest::keyClick(liste, Qt::Key_Return);
    EXPECT_EQ(surDisque(), apres) << "No to the question";
    QTest::keyClick(liste, Qt::Key_Return);
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(r.result(), QDialog::Accepted);
    ASSERT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(dialogues.messages[1].texte,
              "Remplacer F_2_PS00.PLM par sa sauvegarde du 06/12/2026 10:42 ?\n\nLa compétition "
              "telle qu'elle est maintenant sera d'abord sauvegardée.");
}
