#include "app/Akeuil.h"

#include "app/Titre.h"
#include "data/enregistrement.h"
#include "pilote_dossier.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolBar>

#include <memory>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// Before September 2006 a stored age table of the season loads without its dialog.
constexpr DateHeure k6Octobre2005{2005, 10, 6, 18, 9, 2};
constexpr std::string_view kAges2005 = "97989596939491929798959693949192";
constexpr std::string_view kBloc = "S654402340";

struct Akeuil_ : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    HorlogeFixe horloge{k6Octobre2005};
    fs::path jour = programme / "06 octobre 2005";
    fs::path avant = fs::current_path();
    std::unique_ptr<Akeuil> fenetre =
        std::make_unique<Akeuil>(dialogues, horloge, programme.chemin());

    void SetUp() override { ecrireFichier(programme / "AGE.AGE", kAges2005); }

    void TearDown() override {
        fenetre.reset();
        fs::current_path(avant);
    }

    // A working folder that has its title.
    static void preparer(const fs::path& dossier) {
        fs::create_directories(dossier);
        ecrireFichier(dossier / "TITRE.1", "\"Coupe de printemps\",\"Lyon\"\r\n");
    }
    // A competition file in the day's folder.
    void deposer(const char* nom, std::string_view contenu) {
        preparer(jour);
        ecrireFichier(jour / nom, contenu);
    }
    void demarrerDansLeDossierDuJour() {
        preparer(jour);
        ASSERT_TRUE(fenetre->demarrer());
    }
    void montrer() {
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    }
    // The toolbar buttons shown, in toolbar order.
    QStringList boutonsVisibles() const {
        QStringList cles;
        for (const char* cle : {"Ouvrir", "Nouveau", "protege", "partir", "titre", "inscrire",
                                "Note", "Voir", "Imprimer", "Aide"})
            if (fenetre->action(cle)->isVisible()) cles << cle;
        return cles;
    }
    QString panneau(const char* nom) const { return fenetre->findChild<QLabel*>(nom)->text(); }
    QListWidget* listFich() const { return fenetre->findChild<QListWidget*>("ListFich"); }
    QStringList menuNote() const {
        QStringList entrees;
        for (QAction* a : fenetre->action("Note")->menu()->actions()) {
            EXPECT_EQ(a->objectName(), a->text());
            entrees << a->text();
        }
        return entrees;
    }
};

const QStringList kToujours{"Nouveau", "partir", "titre", "Aide"};

} // namespace

TEST_F(Akeuil_, StartsInAnExistingDayFolderWithoutAsking) {
    demarrerDansLeDossierDuJour();
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), jour);
    EXPECT_EQ(fenetre->windowTitle(), "Palmora - Version 1.00");
    EXPECT_EQ(fenetre->fichierAide(), programme / "PALMORA.html");
    EXPECT_EQ(fenetre->etat().dates.mois, " octobre ");
    EXPECT_EQ(fenetre->findChild<QLabel*>("TitreCompét")->text(), "Coupe de printemps - Lyon");
    EXPECT_EQ(panneau("utilisé"), "Aucun fichier en mémoire");
    EXPECT_EQ(panneau("aujourd'hui"), "06/10/2005");
    EXPECT_EQ(panneau("horloge"), "18:09:02");
    EXPECT_EQ(boutonsVisibles(), kToujours);
    EXPECT_TRUE(listFich()->isHidden());
}

TEST_F(Akeuil_, AMissingDayFolderIsCreatedOnYesAndCancelEndsTheStart) {
    dialogues.reponses = {Reponse::Annuler};
    EXPECT_FALSE(fenetre->demarrer());
    EXPECT_FALSE(fs::exists(jour));

    // The new folder has no title yet: it is asked for at once.
    dialogues.reponses = {Reponse::Oui};
    piloterModal<Titre>([](Titre& t) {
        t.findChild<QLineEdit*>("Titre1")->setText("Gala");
        cliquer(t, "Terminé");
    });
    EXPECT_TRUE(fenetre->demarrer());
    EXPECT_TRUE(fs::is_directory(jour));
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), jour);
    EXPECT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(lireFichier(jour / "TITRE.1"), "\"Gala\",\"\"\r\n");
    EXPECT_EQ(fenetre->findChild<QLabel*>("TitreCompét")->text(), "Gala - ");
}

TEST_F(Akeuil_, NoOpensTheFolderDialogAtTheProgramFolder) {
    preparer(programme / "Gala");
    ecrireFichier(programme / "Gala" / "F_1_NS00.PLM", enregistrementProvisoire(kBloc).octets());
    dialogues.reponses = {Reponse::Non, Reponse::Non};

    piloterDossier([](Dossier& d) { cliquer(d, "Annuler"); });
    EXPECT_FALSE(fenetre->demarrer());

    piloterDossier([&](Dossier& d) {
        EXPECT_EQ(d.chemin(), programme.chemin());
        entrerDans(d, "Gala");
        cliquer(d, "Oui");
    });
    EXPECT_TRUE(fenetre->demarrer());
    EXPECT_FALSE(fs::exists(jour));
    EXPECT_EQ(fenetre->etat().compet.DossierTravail(), programme / "Gala");
    EXPECT_EQ(listFich()->count(), 1);
    EXPECT_EQ(boutonsVisibles(), QStringList{"Ouvrir"} + kToujours);
}

TEST_F(Akeuil_, ButtonsFollowTheStateOfTheOpenCompetition) {
    demarrerDansLeDossierDuJour();
    montrer();
    // Alt+O works with "Ouvrir" hidden: the list is then empty.
    EXPECT_EQ(boutonsVisibles(), kToujours);
    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(listFich()->isVisible());
    EXPECT_EQ(listFich()->count(), 0);

    Enregistrement marque = gymnaste("A", "01 X", "UN");
    marque[300] = kCode160;
    Enregistrement provisoireMarque = enregistrementProvisoire(kBloc);
    provisoireMarque[300] = kCode160;
    ecrireFichier(jour / "F_1_NS00.PLM", enregistrementProvisoire(kBloc).octets());
    ecrireFichier(jour / "F_1_NS01.PLM",
                  fichier({gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX")}));
    ecrireFichier(jour / "F_1_NS02.PLM", fichier({gymnaste("A", "01 X", "DEUX"), marque}));
    ecrireFichier(jour / "F_1_NS03.PLM", provisoireMarque.octets());
    fenetre->RafraichirListe();
    EXPECT_EQ(boutonsVisibles(), QStringList{"Ouvrir"} + kToujours);

    fenetre->ouvrirCompetition("F_1_NS00.PLM");
    EXPECT_EQ(boutonsVisibles(),
              (QStringList{"Ouvrir", "Nouveau", "partir", "titre", "inscrire", "Aide"}));
    fenetre->ouvrirCompetition("F_1_NS01.PLM");
    EXPECT_EQ(boutonsVisibles(), (QStringList{"Ouvrir", "Nouveau", "protege", "partir", "titre",
                                              "inscrire", "Note", "Voir", "Imprimer", "Aide"}));
    EXPECT_TRUE(dialogues.messages.empty());
    // All in sight, none behind the bar's overflow arrow, whatever the fonts of the machine.
    const auto enVue = [this] {
        auto* barre = fenetre->findChild<QToolBar*>("Toolbar1");
        QStringList cles;
        for (const QString& cle : boutonsVisibles())
            if (barre->widgetForAction(fenetre->action(cle))->isVisible()) cles << cle;
        return cles;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return enVue() == boutonsVisibles(); }))
        << enVue().join(' ').toStdString();

    fenetre->ouvrirCompetition("F_1_NS02.PLM");
    EXPECT_EQ(boutonsVisibles(),
              (QStringList{"Ouvrir", "Nouveau", "partir", "titre", "Voir", "Imprimer", "Aide"}));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "F_1_NS02.PLM");
    fenetre->ouvrirCompetition("F_1_NS03.PLM");
    EXPECT_EQ(boutonsVisibles(), QStringList{"Ouvrir"} + kToujours);
}

TEST_F(Akeuil_, TheListShowsDescriptionsInNameOrderAndEnterOpensTheLine) {
    for (const char* nom : {"M_E_NS00.PLM", "F_1_NS00.PLM", "M_1_NS00.PLM"})
        deposer(nom, enregistrementProvisoire(kBloc).octets());
    demarrerDansLeDossierDuJour();
    montrer();

    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(listFich()->count(), 3);
    EXPECT_EQ(listFich()->item(0)->text(), "Féminines Niveau 1 . 7-8 ans . Simple appartenance");
    EXPECT_EQ(listFich()->item(1)->text(), "Masculins Niveau 1 . 7-8 ans . Simple appartenance");
    EXPECT_EQ(listFich()->item(2)->text(), "Mini-enchaînements . 7-8 ans . Simple appartenance");
    EXPECT_TRUE(listFich()->hasFocus());

    listFich()->setCurrentRow(1);
    QTest::keyClick(listFich(), Qt::Key_Return);
    EXPECT_EQ(fenetre->etat().compet.FichierCompet(), "M_1_NS00.PLM");
    EXPECT_FALSE(listFich()->isVisible());
    EXPECT_EQ(panneau("utilisé"), "Masculins Niveau 1 . 7-8 ans . Simple appartenance");
    EXPECT_EQ(menuNote(), (QStringList{"Sol", "Arçons", "Anneaux", "Saut", "Parallèles", "Fixe"}));

    // A men's file of level "E" gets the women's apparatus.
    QTest::keyClick(fenetre.get(), Qt::Key_O, Qt::AltModifier);
    listFich()->setCurrentRow(2);
    QTest::keyClick(listFich(), Qt::Key_Return);
    EXPECT_EQ(panneau("utilisé"), "Mini-enchaînements . 7-8 ans . Simple appartenance");
    EXPECT_EQ(menuNote(), (QStringList{"Saut", "Barres", "Poutre", "Sol"}));
}

TEST_F(Akeuil_, CommandsHideTheListAndAreReportedByKey) {
    deposer("F_1_NS00.PLM", fichier({gymnaste("A", "01 X", "UN"), gymnaste("A", "01 X", "DEUX")}));
    demarrerDansLeDossierDuJour();
    montrer();
    fenetre->ouvrirCompetition("F_1_NS00.PLM");
    QSignalSpy commandes(fenetre.get(), &Akeuil::commandeChoisie);

    fenetre->action("Ouvrir")->trigger();
    EXPECT_TRUE(listFich()->isVisible());
    fenetre->action("titre")->trigger();
    EXPECT_FALSE(listFich()->isVisible());

    fenetre->action("Ouvrir")->trigger();
    fenetre->findChild<QPushButton*>("Annule")->click();
    EXPECT_FALSE(listFich()->isVisible());

    fenetre->action("Note")->trigger(); // the button itself: only the arrow does something
    fenetre->action("Poutre")->trigger();
    fenetre->action("Imprim_Match")->trigger();
    QStringList cles;
    for (const QList<QVariant>& signal : commandes)
        cles << signal.at(0).toString();
    EXPECT_EQ(cles, (QStringList{"titre", "Poutre", "Imprim_Match"}));
}

TEST_F(Akeuil_, ChangingTheWorkingFolderClosesTheCompetition) {
    deposer("F_1_NS00.PLM", enregistrementProvisoire(kBloc).octets());
    preparer(programme / "Gala");
    demarrerDansLeDossierDuJour();
    montrer();
    fenetre->ouvrirCompetition("F_1_NS00.PLM");

    piloterDossier([&](Dossier& d) {
        EXPECT_EQ(d.chemin(), jour);
        entrerDans(d, "..");
        entrerDans(d, "Gala");
        cliquer(d, "Oui");
    });
    QTest::keyClick(fenetre.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    const Competition& compet = fenetre->etat().compet;
    EXPECT_EQ(compet.DossierTravail(), programme / "Gala");
    EXPECT_FALSE(compet.ouvert());
    EXPECT_FALSE(compet.ouvert());
    EXPECT_EQ(panneau("utilisé"), " Aucun fichier en mémoire ");
    EXPECT_EQ(boutonsVisibles(), kToujours);

    // "A&nnuler" ends the program, also from the main window.
    piloterDossier([](Dossier& d) { cliquer(d, "Annuler"); });
    EXPECT_THROW(fenetre->changerDossier(), ProgrammeArrete);
}
