#include "data/competition.h"
#include "data/sauvegardes.h"
#include "data/table_ages.h"
#include "registration/import_inscriptions.h"
#include "registration/saisie_noms.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"
#include "support/systeme_simule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr char kNom[] = "F_1_PS00.PLM"; // women, 9-10 ans: born 1995 or 1996
constexpr char kEntete[] = "Equipe;Ville;Nom;Prenom;Annee;Surcl;Licence\r\n";

// The same competition twice: one imports the file, the other gets the teams typed by hand.
struct Import : ::testing::Test {
    DossierTemporaire dossier;
    DossierTemporaire autre;
    DialoguesScriptes dialogues;
    Competition etat;
    Competition aLaMain;
    BornesCategories bornes = deriverBornes(anneesDeTable("97989596939491929798959693949192"));

    void ouvrir(const std::string& contenu) {
        for (auto [d, c] : {std::pair{&dossier, &etat}, std::pair{&autre, &aLaMain}}) {
            ecrireFichier(*d / kNom, contenu);
            c->changerDossier(d->chemin());
            ASSERT_TRUE(c->Ouvrir(kNom, dialogues));
        }
    }
    void ouvrirNouveau(std::string_view bloc = kBlocFeminin) {
        ouvrir(fichier({enregistrementProvisoire(bloc)}));
    }
    PlanImport preparer(const std::string& lignes) {
        return preparerImport(etat, bornes, "", kEntete + lignes);
    }
    // Each team typed in the registration window as a new team (entering the first surname
    // box puts the team name and town in upper case), validated, then Terminé's sort.
    void saisirALaMain(const std::vector<EquipeSaisie>& equipes) {
        for (EquipeSaisie e : equipes) {
            entrerBoite(e, {Boite::Nom, 0});
            ASSERT_EQ(ValiderEquipe(aLaMain, bornes, aLaMain.nbEquipes() + 1, e, dialogues),
                      Sauvegarde::Ecrite);
        }
        TrierFichier(aLaMain, dialogues);
    }
    std::vector<std::string> refus(const PlanImport& plan) {
        std::vector<std::string> r;
        for (const EquipeImport& e : plan.equipes)
            r.push_back(e.refus);
        return r;
    }
};

} // namespace

// The file written is the one the registration window gives for the same teams typed.
TEST_F(Import, WritesTheBytesRegistrationWritesForTheSameTeamsTyped) {
    ouvrirNouveau();
    const PlanImport plan = preparer("zeta;01 bourg;Dupont;jean-pierre;1996;;\r\n"
                                     "zeta;01 bourg;Lefèvre;anne;95;o;4567\r\n"
                                     "ALPHA*;69 LYON;Martin;Léa;96;N;\r\n");
    ASSERT_EQ(plan.nbAcceptees(), 2);
    EXPECT_TRUE(plan.problemes.empty());
    ASSERT_TRUE(ImporterInscriptions(etat, plan, dialogues));
    saisirALaMain(
        {{"zeta",
          "01 bourg",
          {{"dupont", "jean-pierre", "96", "", ""}, {"Lefevre", "anne", "95", "O", "4567"}}},
         {"ALPHA*", "69 LYON", {{"Martin", "Léa", "96", "N", ""}}}});
    EXPECT_EQ(lireFichier(dossier / kNom), lireFichier(autre / kNom));
    EXPECT_EQ(lireFichier(dossier / kNom).size(), 8u * 300);
}

// 60 teams of 6 added to a competition that already holds one: 61 teams, the same bytes.
TEST_F(Import, SixtyTeamsOfSixJoinATeamAlreadyRegistered) {
    constexpr std::string_view kBlocSix = "0630004444";
    std::string existante;
    for (int i = 0; i < 6; ++i)
        existante += std::string(
            gymnaste("DEJA", "01 BOURG", "G" + std::string(1, char('A' + i)), kBlocSix).octets());
    ouvrir(existante);
    std::string lignes;
    std::vector<EquipeSaisie> equipes;
    for (int t = 0; t < 60; ++t) {
        const std::string nom = "CLUB " + std::to_string(60 - t);
        equipes.push_back({nom, "42 ST ETIENNE", {}});
        for (int g = 0; g < 6; ++g) {
            const std::string surnom(1, char('Z' - g));
            lignes +=
                nom + ";42 St Etienne;" + surnom + ";Anne;9" + std::to_string(5 + g % 2) + ";;\r\n";
            equipes.back().lignes.push_back(
                {surnom, "Anne", "9" + std::to_string(5 + g % 2), "N", ""});
        }
    }
    const PlanImport plan = preparer(lignes);
    ASSERT_EQ(plan.nbAcceptees(), 60);
    ASSERT_TRUE(ImporterInscriptions(etat, plan, dialogues));
    saisirALaMain(equipes);
    EXPECT_EQ(etat.nbEquipes(), 61);
    EXPECT_EQ(lireFichier(dossier / kNom), lireFichier(autre / kNom));
}

// Refusals name the line; the accepted teams still go in.
TEST_F(Import, TeamsAreRefusedAsTheRegistrationWindowRefusesThem) {
    ouvrir(fichier({gymnaste("DEJA", "01 BOURG", "DUPONT"), slotLibre("DEJA", "01 BOURG"),
                    slotLibre("DEJA", "01 BOURG"), slotLibre("DEJA", "01 BOURG")}));
    const PlanImport plan = preparer("deja;01 bourg;Martin;Anne;95;;\r\n"   // line 2
                                     "vieille;01 bourg;Petit;Anne;93;;\r\n" // 3
                                     "jeune;01 bourg;Grand;Anne;97;N;\r\n"  // 4
                                     "monte;01 bourg;Grand;Anne;97;O;\r\n"  // 5
                                     "sans an;01 bourg;Leroy;Anne;;;\r\n"   // 6
                                     "trop;01 bourg;A;Anne;95;;\r\ntrop;01 bourg;B;Anne;95;;\r\n"
                                     "trop;01 bourg;C;Anne;95;;\r\ntrop;01 bourg;D;Anne;95;;\r\n"
                                     "trop;01 bourg;E;Anne;95;;\r\n"        // 7 to 11
                                     "nom;01 bourg;Dupont3;Anne;95;;\r\n"   // 12
                                     "monte;01 bourg;Autre;Anne;96;;\r\n"); // 13
    EXPECT_EQ(refus(plan),
              (std::vector<std::string>{
                  "existe déjà dans ce fichier",
                  "Année de naissance incompatible avec la catégorie (ligne 3)",
                  "Année de naissance incompatible avec la catégorie (ligne 4)", "",
                  "Année de naissance non saisie (ligne 6)", "5 gymnastes pour des équipes de 4",
                  "ligne 12 : caractère « 3 » refusé dans le nom", "existe déjà dans ce fichier"}));
    EXPECT_EQ(libelleEquipe(plan.equipes[3]), "MONTE (01 BOURG) : GRAND Anne 97 O : sera ajoutée");
    ASSERT_TRUE(ImporterInscriptions(etat, plan, dialogues));
    EXPECT_EQ(etat.nbEquipes(), 2);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre, "Importer des inscriptions");
    EXPECT_TRUE(dialogues.messages[0].texte.starts_with(
        "1 équipe(s) ajoutée(s)\n\nA saisir à la main :\nDEJA (01 BOURG) : existe déjà"));
}

TEST_F(Import, AFileWithoutTheRequiredHeadersIsRefusedNamingThem) {
    ouvrirNouveau();
    const PlanImport plan = preparerImport(etat, bornes, "", "Nom;Prenom\r\nDupont;Anne\r\n");
    EXPECT_NE(plan.erreur.find("Equipe (ou Club), Ville et Nom"), std::string::npos);
    EXPECT_FALSE(ImporterInscriptions(etat, plan, dialogues));
    EXPECT_EQ(lireFichier(dossier / kNom), lireFichier(autre / kNom));
}

// A copy of the file is made first; a failed rewrite leaves the file as it was.
TEST_F(Import, ACopyIsMadeFirstAndAFailedWriteChangesNothing) {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 0}};
    Sauvegardes sauvegardes{horloge};
    etat.installerSauvegardes(sauvegardes);
    ouvrirNouveau();
    const PlanImport plan = preparer("zeta;01 bourg;Dupont;Anne;96;;\r\n");
    const std::string avant = lireFichier(dossier / kNom);
    // The copy's rename goes through; the import's, the second, fails.
    simulerPanne(PanneSimulee{Appel::Renommage, ENOSPC, 2});
    EXPECT_FALSE(ImporterInscriptions(etat, plan, dialogues));
    simulerPanne(std::nullopt);
    const auto copies = sauvegardes.lister(etat);
    ASSERT_FALSE(copies.empty());
    EXPECT_EQ(lireFichier(copies.front().chemin), avant);
    EXPECT_EQ(lireFichier(dossier / kNom), avant);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].texte.find("ne peut pas être écrit"), std::string::npos);
}

TEST_F(Import, TheModelFileHoldsTheHeadersOnly) {
    EcrireModele(dossier.chemin(), dialogues);
    EXPECT_EQ(lireFichier(dossier / "modele-inscriptions.csv"), kEntete);
    const auto colonnes = trouverColonnes(lireCsv(kEntete).lignes.front().champs);
    ASSERT_TRUE(colonnes);
    EXPECT_TRUE(std::ranges::all_of(*colonnes, [](auto c) { return c.has_value(); }));
}
