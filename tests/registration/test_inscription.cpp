// Registration: the Noms window, its rules, and the import of the clubs' spreadsheets.
#include "data/sauvegardes.h"
#include "data/table_ages.h"
#include "platform/ApplicationPalmora.h"
#include "registration/ImportInscriptions.h"
#include "registration/Noms.h"
#include "registration/import_inscriptions.h"
#include "registration/saisie_noms.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"
#include "support/pilote_modal.h"
#include "support/systeme_simule.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = PALMORA_FIXTURES;
const std::vector<std::string> kBoites = {"NomEquip",  "Ville", "Nom",  "Prénom",
                                          "Naissance", "SurCl", "NoLic"};

// A team as "name/town/row/…", a row "surname,first name,year,moved up,licence".
EquipeSaisie equipe(const std::string& texte, std::size_t places = 4) {
    std::istringstream flux(texte);
    EquipeSaisie e;
    std::getline(std::getline(flux, e.NomEquip, '/'), e.Ville, '/');
    for (std::string ligne; std::getline(flux, ligne, '/');) {
        std::istringstream champs(ligne);
        LigneGymnaste& l = e.lignes.emplace_back();
        for (std::string* c : {&l.Nom, &l.Prénom, &l.Naissance, &l.SurCl, &l.NoLic})
            std::getline(champs, *c, ',');
    }
    e.lignes.resize(std::max(places, e.lignes.size()));
    return e;
}

// Line breaks, Tab and the test's folder as the tables spell them.
std::string echapper(std::string t, const std::string& dossier = "\x01") {
    for (const auto& [c, s] : std::map<std::string, std::string>{
             {"\r", "\\r"}, {"\n", "\\n"}, {"\t", "\\t"}, {dossier, "{dossier}"}})
        for (std::size_t i; (i = t.find(c)) != std::string::npos;)
            t.replace(i, c.size(), s);
    return t;
}

void toucheAlt(QWidget& w, Qt::Key k) {
    QTest::keyClick(&w, k, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 2000));
}

// Women, 9-10 ans: born 1995 or 1996.
struct Inscription : CompetOuverte {
    Inscription() { nom = "F_1_PS00.PLM"; }
    BornesCategories bornes = deriverBornes(anneesDeTable("97989596939491929798959693949192"));
    DossierTemporaire programme;
    std::unique_ptr<Noms> noms;

    void ouvrirNouveau() { ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)})); }
    Sauvegarde sauver(std::int64_t numero, const std::string& texte) {
        EquipeSaisie e = equipe(texte);
        return SauverEquipe(etat, numero, e, dialogues);
    }
    // The messages shown as messages.txt spells them.
    std::string journal() const {
        std::string j;
        for (const Message& m : dialogues.messages)
            j += (j.empty() ? "" : "\n") + vu(m);
        return echapper(j, dossier.chemin().string());
    }
    std::string attendu(const std::string& cle) const {
        std::string a;
        for (const auto& c : lireTable(kFixtures / "messages.txt"))
            if (c[0] == cle) a += (a.empty() ? "" : "\\n") + c[1];
        return a;
    }

    void montrer(const std::string& contenu) {
        ouvrir(contenu);
        noms = std::make_unique<Noms>(etat, bornes, programme.chemin(), dialogues);
        noms->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(noms.get()));
    }
    QLineEdit* boite(const QString& nom) const { return noms->findChild<QLineEdit*>(nom); }
    QString texte(const QString& nom) const { return boite(nom)->text(); }
    bool visible(const char* nom) const { return noms->findChild<QWidget*>(nom)->isVisible(); }
    bool actif(const char* nom) const { return noms->findChild<QWidget*>(nom)->isEnabled(); }
    QString focus() const {
        QCoreApplication::processEvents(); // focus sent back by a box takes one turn
        return QApplication::focusWidget()->objectName();
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
        QCoreApplication::processEvents();
    }
};

} // namespace

// touches-casse.txt and boites.txt say their own columns; the registry is registre.lic.
TEST_F(Inscription, KeysCaseAndBoxesFollowTheirTables) {
    const std::map<std::string, std::function<std::optional<std::string>(std::string_view)>>
        regles = {{"majuscules", [](auto t) { return majuscules(t); }},
                  {"prénom", [](auto t) { return capitaliserPrénom(t); }},
                  {"sans accents", [](auto t) { return sansAccents(t); }},
                  {"touche nom", toucheNom},
                  {"touche prénom", touchePrénom},
                  {"touche surcl", toucheSurCl}};
    for (const auto& c : lireTable(kFixtures / "touches-casse.txt"))
        EXPECT_EQ(regles.at(c[0])(c[1]).value_or("✗"), c[2] == "=" ? c[1] : c[2]) << c[1];
    fs::copy_file(kFixtures / "registre.lic", programme / "Orvane.lic");
    for (const auto& c : lireTable(kFixtures / "boites.txt")) {
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2]);
        EquipeSaisie e = equipe(c[2]);
        const auto b = std::find(kBoites.begin(), kBoites.end(), c[1].substr(0, c[1].find(' ')));
        const Place p{static_cast<Boite>(b - kBoites.begin()),
                      std::stoi(c[1].substr(c[1].find(' ')))};
        const auto suite =
            c[0] == "entrer" ? entrerBoite(e, p) : toucheEntree(programme.chemin(), e, p);
        const std::string vu =
            suite ? kBoites[static_cast<int>(suite->boite)] + " " + std::to_string(suite->ligne)
                  : "-";
        EXPECT_EQ(vu, c[3]);
        EXPECT_EQ(e, equipe(c[4] == "=" ? c[2] : c[4]));
    }
}

// A namesake in the same town is refused, one elsewhere welcome. notes.plm: DURAND twice with a
// mark, two empty slots, the second emptied in notes-apres.plm.
TEST_F(Inscription, TeamsAreWrittenOneRecordPerSlotRefusedAsTheRulesSayAndDeletedOnYes) {
    ouvrir(fichier({enregistrementProvisoire("0110004444")})); // teams of one: no team yet
    EXPECT_EQ(etat.nbEquipes(), 0);
    ouvrirNouveau();
    EXPECT_EQ(sauver(1, "ALPHA/  /DURAND,Anne,95,N,"), Sauvegarde::Incomplete);
    EXPECT_EQ(sauver(1, "/01 BOURG/DURAND,Anne,95,N,"), Sauvegarde::Incomplete);
    sauver(1, "ALPHA/01 bourg/dupont,jean-pierre,95,,123/Martin,Anne,95,N,");
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "premiere-equipe.plm"));
    EXPECT_EQ(libelleNombreEquipes(0) + libelleNombreEquipes(etat.nbEquipes()) +
                  libelleNombreEquipes(2),
              "0 équipe1 équipe2 équipes");
    EXPECT_EQ(sauver(2, " ALPHA/01 bourg/MARTIN,Anne,95,N,"), Sauvegarde::Refusee);
    EXPECT_EQ(sauver(1, "ALPHA/01 BOURG/DURAND,Anne,95,N,"), Sauvegarde::Ecrite);
    simulerPanne(PanneSimulee{Appel::EcritureA, ENOSPC}); // the disk is full
    EXPECT_EQ(sauver(2, "BETA/38 VIENNE/MARTIN,Anne,95,N,"), Sauvegarde::Refusee);
    simulerPanne(std::nullopt);
    EquipeSaisie e = equipe("ALPHA/38 VIENNE/DURAND,Anne,95,N,/PETIT,Zoé,97,,");
    EXPECT_EQ(ValiderEquipe(etat, bornes, 2, e, dialogues), Sauvegarde::Refusee);
    EXPECT_EQ(e.lignes[1].SurCl + std::to_string(etat.nbEquipes()), "N1");
    e.lignes[1].SurCl = "O";
    EXPECT_EQ(ValiderEquipe(etat, bornes, 2, e, dialogues), Sauvegarde::Ecrite);
    ouvrir(lireFichier(kFixtures / "notes.plm"));
    e = lireEquipe(etat, 1);
    e.lignes[1].Nom = "";
    EXPECT_EQ(SauverEquipe(etat, 1, e, dialogues), Sauvegarde::Ecrite);
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "notes-apres.plm"));
    const std::string avant = lireFichier(kFixtures / "suppression.plm"); // ALPHA, BETA empty
    ouvrir(avant);
    EXPECT_FALSE(EffacerEquipe(etat, "ALPHA", "01 BOURG", dialogues)); // No by default
    EXPECT_EQ(surDisque(), avant);
    dialogues.reponses = {Reponse::Oui, Reponse::Oui};
    EXPECT_TRUE(EffacerEquipe(etat, "ALPHA ", " 01 BOURG", dialogues));
    EXPECT_EQ(surDisque(), avant.substr(4 * 300));
    EXPECT_TRUE(EffacerEquipe(etat, "BETA ", " 01 BOURG", dialogues));
    EXPECT_EQ(journal(), attendu("équipes"));
}

// lecture-csv.txt: the cells of each spreadsheet (one bad byte makes it all Windows-1252, a
// real U+FFFD stays UTF-8); colonnes.txt and lignes-import.csv say their own columns.
TEST(LigneImport, SpreadsheetsAreReadAndTheirFieldsStoredAsTheBoxesStoreThem) {
    std::string lu;
    for (const char* nom :
         {"excel-utf8-bom.csv", "libreoffice-cp1252-tab.txt", "minimal-virgules.csv",
          "derniere-ligne.csv", "utf8-remplacement.csv", "melange-utf8-cp1252.csv"}) {
        const TableauCsv t = lireCsv(lireFichier(kFixtures / nom));
        lu += "== " + std::string(nom) + " " + echapper(std::string(1, t.separateur)) + "\n";
        for (const LigneCsv& l : t.lignes) {
            lu += std::to_string(l.numero);
            for (const std::string& champ : l.champs)
                lu += "|" + echapper(champ);
            lu += "\n";
        }
    }
    EXPECT_EQ(lu, lireFichier(kFixtures / "lecture-csv.txt"));
    for (const auto& c : lireTable(kFixtures / "colonnes.txt")) {
        std::string trouve = "✗";
        if (const auto colonnes = trouverColonnes(lireCsv(c[0]).lignes[0].champs)) {
            trouve.clear();
            for (const auto& k : *colonnes)
                trouve += (trouve.empty() ? "" : ",") + (k ? std::to_string(*k) : "-");
        }
        EXPECT_EQ(trouve, c[1]) << c[0];
    }
    const TableauCsv table = lireCsv(lireFichier(kFixtures / "lignes-import.csv"));
    const Colonnes colonnes = *trouverColonnes(table.lignes[0].champs);
    for (const LigneCsv& c : std::vector(table.lignes.begin() + 1, table.lignes.end())) {
        std::vector<Probleme> problemes;
        const auto l =
            lireLigneImport(c, colonnes, lireFichier(kFixtures / "registre.lic"), problemes);
        const LigneGymnaste g = l && l->refus.empty() ? l->gymnaste : LigneGymnaste{};
        std::string vu = l ? l->NomEquip + "/" + l->Ville : "-";
        for (const std::string& champ :
             {g.Nom, g.Prénom, g.Naissance, g.SurCl, g.NoLic, l ? l->refus : ""})
            vu += "/" + champ;
        for (const Probleme& p : problemes)
            vu += "/" + p.texte + (p.ligne == c.numero ? "" : "?");
        EXPECT_EQ(vu, c.champs.at(7));
    }
    std::vector<Probleme> problemes; // a line shorter than the header: its fields are empty
    EXPECT_FALSE(lireLigneImport({5, {"gym", "", "Dupont"}}, colonnes, "", problemes));
}

// a-la-main.txt: imported, or typed as new teams then sorted as Terminé does: the same bytes.
TEST_F(Inscription, AnImportWritesTheBytesOfTheSameTeamsTypedByHand) {
    std::string csv(kEntetesModele);
    std::vector<EquipeSaisie> equipes;
    for (const auto& c : lireTable(kFixtures / "a-la-main.txt")) {
        csv += c[0] + "\r\n";
        if (c.size() > 1) equipes.push_back(equipe(c[1], 0));
    }
    const std::string depart = lireFichier(kFixtures / "deja-six.plm"); // one team of 6
    ouvrir(depart);
    ASSERT_TRUE(ImporterInscriptions(etat, preparerImport(etat, bornes, "", csv), dialogues));
    const std::string importe = surDisque();
    ouvrir(depart);
    for (EquipeSaisie& e : equipes)
        ASSERT_EQ(ValiderEquipe(etat, bornes, etat.nbEquipes() + 1, e, dialogues),
                  Sauvegarde::Ecrite);
    TrierFichier(etat, dialogues);
    EXPECT_EQ(surDisque(), importe);
}

// refus.csv: each team refused as registration refuses it; the accepted one goes in after a
// copy of the file is made, and a failed rewrite leaves the file as it was.
TEST_F(Inscription, ImportedTeamsAreRefusedAsRegistrationRefusesThem) {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 0}};
    Sauvegardes sauvegardes{horloge};
    etat.installerSauvegardes(sauvegardes);
    ouvrir(lireFichier(kFixtures / "deja.plm"));
    const std::string avant = surDisque();
    const PlanImport sansEntete = preparerImport(etat, bornes, "", "Nom;Prenom\r\nDupont;Anne\r\n");
    EXPECT_EQ(echapper(sansEntete.erreur), attendu("sans entête"));
    EXPECT_FALSE(ImporterInscriptions(etat, sansEntete, dialogues));
    const PlanImport plan = preparerImport(etat, bornes, "", lireFichier(kFixtures / "refus.csv"));
    EXPECT_EQ(libelleEquipe(plan.equipes.at(5)) + "\\n" + libelleEquipe(plan.equipes[3]),
              attendu("libellés"));
    simulerPanne(PanneSimulee{Appel::Renommage, ENOSPC, 2}); // the copy goes, the import fails
    EXPECT_FALSE(ImporterInscriptions(etat, plan, dialogues));
    simulerPanne(std::nullopt);
    EXPECT_EQ(lireFichier(sauvegardes.lister(etat).at(0).chemin) + surDisque(), avant + avant);
    ASSERT_TRUE(ImporterInscriptions(etat, plan, dialogues));
    EXPECT_EQ(etat.nbEquipes(), 2);
    const fs::path modele = dossier / "modele-inscriptions.csv";
    EcrireModele(dossier.chemin(), dialogues);
    EXPECT_EQ(lireFichier(modele), "Equipe;Ville;Nom;Prenom;Annee;Surcl;Licence\r\n");
    ecrireFichier(modele, "x");
    EcrireModele(dossier.chemin(), dialogues); // No by default
    EXPECT_EQ(lireFichier(modele), "x");
    EXPECT_EQ(journal(), attendu("refus"));
}

// What the acceptance run does not walk: key filters and their beeps, focus sent back, F12, the
// registry, a faulty year, deleting the only team, moving between teams, Terminé sorting.
TEST_F(Inscription, NomsFiltersKeysMovesTheFocusAndBetweenTeamsAndSortsOnTerminé) {
    fs::copy_file(kFixtures / "registre.lic", programme / "Orvane.lic");
    const Enregistrement vide = slotLibre("ALPHA", "01 BOURG");
    montrer(fichier({gymnaste("ALPHA", "01 BOURG", "PETIT"), vide, vide, vide}));
    EXPECT_TRUE(visible("NoLic3") && !visible("NoLic4") && actif("Effacer"));
    boite("Prénom1")->setFocus();
    EXPECT_EQ(focus(), "Nom1");
    QTest::keyClicks(boite("Nom1"), "a1");
    QTest::keyClicks(boite("SurCl1"), "x");
    QTest::keyClicks(boite("NoLic1"), "&");
    EXPECT_EQ(texte("Nom1") + texte("SurCl1") + texte("NoLic1"), "a1");
    EXPECT_EQ(dialogues.bips, 2);
    boite("Nom1")->clear();
    boite("NoLic1")->setText("42");
    touche(Qt::Key_F12);
    EXPECT_EQ(focus(), "NoLic1");
    touche(Qt::Key_Return); // an unnamed row: filled from the registry, back to its surname
    EXPECT_EQ(texte("Prénom1") + focus(), "LéaNom1");
    boite("Naissance0")->setText("97");
    cliquer(*noms, "Terminé");
    EXPECT_EQ(focus(), "Naissance0");
    EXPECT_EQ(boite("Naissance0")->selectedText(), "97");
    EXPECT_TRUE(actif("Terminé")); // nothing written: Valider stays on
    boite("Naissance0")->setText("96");
    cliquer(*noms, "Terminé");
    EXPECT_FALSE(actif("Terminé"));
    EXPECT_EQ(lireEquipe(etat, 1), equipe("ALPHA/01 BOURG/PETIT,Anne,96,N,/MARTIN,Léa,96,O,42"));
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    cliquer(*noms, "Effacer");
    EXPECT_TRUE(noms->isVisible());
    cliquer(*noms, "Effacer");
    EXPECT_FALSE(noms->isVisible());
    montrer(lireFichier(kFixtures / "pages.plm")); // BETA of 3, ALPHA of 4
    EXPECT_TRUE(!visible("Précédente") && visible("Suivante")) << "team 1 of 2";
    QTest::keyClicks(boite("NomEquip"), "X");
    touche(Qt::Key_PageDown);
    EXPECT_TRUE(noms->numeroEquipe() == 2 && visible("Précédente") && visible("Suivante"));
    touche(Qt::Key_PageDown);
    EXPECT_TRUE(texte("NomEquip").isEmpty() && !visible("Suivante"));
    touche(Qt::Key_PageDown); // no team after the new one
    touche(Qt::Key_Up, Qt::ControlModifier);
    touche(Qt::Key_Up); // not without Ctrl
    EXPECT_EQ(noms->numeroEquipe(), 2);
    touche(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(noms->numeroEquipe(), 3);
    touche(Qt::Key_PageUp);
    boite("Prénom0")->setFocus();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(focus(), "NomEquip");
    EXPECT_EQ(texte("NomEquip") + texte("Nom0") + texte("Nom3"), "BETAA");
    cliquer(*noms, "CestFini");
    EXPECT_EQ(surDisque(), lireFichier(kFixtures / "pages-triees.plm"));
}

// "Im&porter…" in Noms saves nothing and hands over; in the import window Alt+N writes
// nothing, Alt+I the accepted teams; the file is chosen in Qt's own dialog by typing its path.
TEST_F(Inscription, TheImportIsReachedFromNomsAndItsWindowImportsOnAltI) {
    ouvrirNouveau();
    Noms modal(etat, bornes, programme.chemin(), dialogues);
    piloterModal<Noms>([](Noms& n) {
        EXPECT_FALSE(n.findChild<QPushButton*>("Effacer")->isEnabled()) << "no team yet";
        QTest::keyClicks(n.findChild<QLineEdit*>("NomEquip"), "ALPHA");
        toucheAlt(n, Qt::Key_P);
    });
    EXPECT_EQ(executerModal(modal), Noms::kImporter);
    const PlanImport plan =
        preparerImport(etat, bornes, "",
                       std::string(kEntetesModele) +
                           "zeta;01 bourg;Dupont;Anne;96;;\r\nvieux;01 bourg;Petit;Anne;v;;\r\n");
    piloterModal<ImportInscriptions>([](ImportInscriptions& d) { toucheAlt(d, Qt::Key_N); });
    EXPECT_EQ(executerModal(ImportInscriptions(etat, plan, dialogues)), QDialog::Rejected);
    EXPECT_EQ(etat.NbEnreg(), 1);
    piloterModal<ImportInscriptions>([](ImportInscriptions& d) {
        const auto* problemes = d.findChild<QListWidget*>("Problemes");
        ASSERT_EQ(problemes->count(), 1);
        EXPECT_EQ(problemes->item(0)->text(), "Ligne 3 : année de naissance « v » illisible");
        toucheAlt(d, Qt::Key_I);
    });
    EXPECT_EQ(executerModal(ImportInscriptions(etat, plan, dialogues)), QDialog::Accepted);
    EXPECT_EQ(etat.nbEquipes(), 1);
    ecrireFichier(dossier / "club.csv", "");
    piloterModal<QFileDialog>([this](QFileDialog& d) {
        EXPECT_TRUE(d.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(d.nameFilters(), QStringList{"Inscriptions (*.csv *.txt)"});
        QTest::keyClicks(QApplication::focusWidget(), "club.csv");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(choisirFichierInscriptions(dossier.chemin(), nullptr), dossier / "club.csv");
}
