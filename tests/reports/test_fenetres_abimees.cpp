// The windows that show a competition's teams, opened on each damaged competition file and
// walked through with the keys an organiser uses: nothing may crash.
#include "data/competition.h"
#include "data/table_ages.h"
#include "registration/Noms.h"
#include "reports/QuelleEquipe.h"
#include "reports/feuilles_match.h"
#include "scoring/ModiJuge.h"
#include "scoring/Saisie.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const fs::path kEntrees = PALMORA_FICHIERS_ABIMES;

// Shows the window, presses each key in turn, then closes it.
void parcourir(QDialog& fenetre, std::initializer_list<Qt::Key> touches) {
    fenetre.show();
    QApplication::processEvents();
    for (Qt::Key touche : touches) {
        QWidget* cible = QApplication::focusWidget();
        QTest::keyClick(cible ? cible : &fenetre, touche);
    }
    fenetre.reject();
    QApplication::processEvents();
}

} // namespace

TEST(FenetresAbimees, RegistrationScoreEntryJudgesAndSheetsOpenOnEveryDamagedFile) {
    for (const auto& cas : fs::directory_iterator(kEntrees)) {
        if (!cas.is_directory()) continue;
        SCOPED_TRACE(cas.path().filename().string());
        DossierTemporaire travail, programme;
        const fs::path source = fs::directory_iterator(cas.path())->path();
        fs::copy_file(source, travail / source.filename().string());
        DialoguesScriptes dialogues;
        Competition etat;
        etat.changerDossier(travail.chemin());
        ASSERT_TRUE(etat.Ouvrir(source.filename().string(), dialogues));

        if (!etat.Protege()) {
            Noms noms(etat, BornesCategories{}, programme.chemin(), dialogues);
            parcourir(noms, {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Tab});
            for (const Agres& agres : agresDe(etat.CodeAgres())) {
                Saisie saisie(etat, dialogues, agres);
                parcourir(saisie, {Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_PageUp});
            }
            ModiJuge juges(etat, dialogues);
            parcourir(juges, {Qt::Key_Down});
        }
        ChoixFeuilles choix;
        QuelleEquipe equipe(etat, choix);
        parcourir(equipe, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
        etat.Fermer();
    }
}
