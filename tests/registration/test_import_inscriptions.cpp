#include "registration/inscriptions.h"

#include "data/cp1252.h"
#include "data/sauvegardes.h"
#include "registration/import_inscriptions.h"
#include "registration/saisie_noms.h"

#include "support/systeme_simule.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;

namespace {

constexpr char kEntete[] = "Equipe;Ville;Nom;Prenom;Annee;Surcl;Licence\r\n";

using Import = Ouverte;

// A table as lecture-csv.txt spells it, line breaks and Tab escaped.
std::string decrire(const std::string& nom, const TableauCsv& t) {
    const auto echappe = [](std::string e) {
        for (const auto& [c, s] : {std::pair{'\r', "\\r"}, {'\n', "\\n"}, {'\t', "\\t"}})
            for (std::size_t i; (i = e.find(c)) != std::string::npos;)
                e.replace(i, 1, s);
        return e;
    };
    std::string d = "== " + nom + " " + echappe(std::string(1, t.separateur)) + "\n";
    for (const LigneCsv& l : t.lignes) {
        d += std::to_string(l.numero);
        for (const std::string& champ : l.champs)
            d += "|" + echappe(champ);
        d += "\n";
    }
    return d;
}

} // namespace

// Excel's UTF-8 with its mark, LibreOffice's Windows-1252 and Tab, bare commas, no last end.
TEST(LectureCsv, ReadsTheSpreadsheetsFormats) {
    std::string lu;
    for (const char* nom : {"excel-utf8-bom.csv", "libreoffice-cp1252-tab.txt",
                            "minimal-virgules.csv", "derniere-ligne.csv"})
        lu += decrire(nom, lireCsv(lireFichier(kFixtures / nom)));
    EXPECT_EQ(lu, lireFichier(kFixtures / "lecture-csv.txt"));
    // One bad byte makes it all Windows-1252; a real U+FFFD stays UTF-8.
    for (const auto& [octets, texte] :
         std::vector<std::pair<std::string, std::string>>{{"\xEF\xBB\xBF\xC3\xA9t\xC3\xA9", "été"},
                                                          {"\xC3\xA9t\xC3\xA9", "été"},
                                                          {"\xE9t\xE9", "été"},
                                                          {"\xC3\xA9t\xE9", "Ã©té"},
                                                          {"\xEF\xBF\xBD", "\xEF\xBF\xBD"}})
        EXPECT_EQ(decoderTexte(octets), texte) << texte;
}

// colonnes.txt: a header row and the columns it names, in any order, case and accents.
TEST(LigneImport, HeadersAreFoundInAnyOrderCaseAndAccents) {
    for (const auto& c : cas("colonnes.txt")) {
        std::string trouve = "✗";
        if (const auto colonnes = trouverColonnes(couper(c[0], ';'))) {
            trouve.clear();
            for (const auto& k : *colonnes)
                trouve += (trouve.empty() ? "" : ",") + (k ? std::to_string(*k) : "-");
        }
        EXPECT_EQ(trouve, c[1]) << c[0];
    }
}

// lignes-import.csv: each line, what the boxes would store, its refusal and its problems.
TEST(LigneImport, FieldsAreStoredAsTheBoxesStoreThem) {
    const std::string registre = lireFichier(kFixtures / "registre.lic");
    const TableauCsv table = lireCsv(lireFichier(kFixtures / "lignes-import.csv"));
    const Colonnes colonnes = *trouverColonnes(table.lignes[0].champs);
    for (const LigneCsv& cas : std::vector(table.lignes.begin() + 1, table.lignes.end())) {
        const auto attendu = [&](std::size_t k) { return cas.champs.at(7 + k); };
        std::vector<Probleme> problemes;
        const auto l = lireLigneImport(cas, colonnes, registre, problemes);
        std::string textes;
        for (const Probleme& p : problemes)
            textes += (textes.empty() ? "" : " | ") + p.texte + (p.ligne == cas.numero ? "" : "?");
        EXPECT_EQ(textes, attendu(6));
        if (attendu(0).empty() && attendu(5).empty()) {
            EXPECT_FALSE(l) << cas.numero;
            continue;
        }
        ASSERT_TRUE(l) << cas.numero;
        EXPECT_EQ(l->NomEquip + "/" + l->Ville + "/" + l->refus, "GYM/01 BOURG/" + attendu(5));
        const LigneGymnaste donne{attendu(0), attendu(1), attendu(2), attendu(3), attendu(4)};
        EXPECT_TRUE(!l->refus.empty() || l->gymnaste == donne) << cas.numero;
    }
    EXPECT_EQ(table.lignes.size(), 12u);
    std::vector<Probleme> problemes; // a line shorter than the header: its fields are empty
    EXPECT_FALSE(lireLigneImport({5, {"gym", "", "Dupont"}}, colonnes, "", problemes));
}

// a-la-main.txt: imported, or typed as new teams then sorted as Terminé does: the same bytes.
TEST_F(Import, WritesTheBytesRegistrationWritesForTheSameTeamsTyped) {
    std::vector<std::vector<std::vector<std::string>>> fichiers;
    for (const auto& c : cas("a-la-main.txt"))
        c[0].starts_with("== ") ? fichiers.push_back({c}) : fichiers.back().push_back(c);
    for (const auto& f : fichiers) {
        DossierTemporaire d, autre;
        Competition importee, aLaMain;
        ouvrirDans(d, importee, lireFichier(kFixtures / f[0][0].substr(3)));
        ouvrirDans(autre, aLaMain, lireFichier(kFixtures / f[0][0].substr(3)));
        std::string lignes = kEntete;
        std::vector<EquipeSaisie> equipes;
        for (std::size_t i = 1; i < f.size(); ++i) {
            lignes += f[i][0] + "\r\n";
            const EquipeSaisie e = equipe(f[i][1], 0);
            if (equipes.empty() || equipes.back().NomEquip != e.NomEquip)
                equipes.push_back({e.NomEquip, e.Ville, {}});
            equipes.back().lignes.push_back(e.lignes[0]);
        }
        const PlanImport plan = preparerImport(importee, bornes, "", lignes);
        ASSERT_EQ(plan.nbAcceptees(), static_cast<int>(equipes.size()));
        EXPECT_TRUE(plan.problemes.empty());
        ASSERT_TRUE(ImporterInscriptions(importee, plan, dialogues));
        for (EquipeSaisie e : equipes) {
            entrerBoite(e, {Boite::Nom, 0});
            ASSERT_EQ(ValiderEquipe(aLaMain, bornes, aLaMain.nbEquipes() + 1, e, dialogues),
                      Sauvegarde::Ecrite);
        }
        TrierFichier(aLaMain, dialogues);
        EXPECT_EQ(lireFichier(d / kNom), lireFichier(autre / kNom));
        EXPECT_EQ(lireFichier(d / kNom).size(), 300 * std::stoul(f[0][1]));
        EXPECT_EQ(importee.nbEquipes(), std::stoi(f[0][2]));
    }
}

// refus.csv: each team refused as registration refuses it; the accepted one goes in.
TEST_F(Import, TeamsAreRefusedAsTheRegistrationWindowRefusesThem) {
    ouvrir(lireFichier(kFixtures / "deja.plm"));
    const std::string csv = lireFichier(kFixtures / "refus.csv");
    const PlanImport plan = preparerImport(etat, bornes, "", csv);
    const TableauCsv table = lireCsv(csv);
    ASSERT_EQ(plan.equipes.size(), 8u);
    for (const EquipeImport& e : plan.equipes)
        EXPECT_EQ(e.refus, table.lignes.at(e.lignes.front() - 1).champs.at(7));
    EXPECT_EQ(libelleEquipe(plan.equipes[3]), "MONTE (01 BOURG) : GRAND Anne 97 O : sera ajoutée");
    EXPECT_EQ(libelleEquipe(plan.equipes[5]),
              "TROP (01 BOURG) : A Anne 95 N, B Anne 95 N, C Anne 95 N, D Anne 95 N, E Anne 95 N "
              ": refusée, 5 gymnastes pour des équipes de 4");
    ASSERT_TRUE(ImporterInscriptions(etat, plan, dialogues));
    EXPECT_EQ(etat.nbEquipes(), 2);
    ASSERT_EQ(journal().size(), 1u);
    EXPECT_TRUE(journal()[0].starts_with(attendus("refus")[0]));
}

// A copy is made before the import's rewrite; a failed rewrite leaves the file as it was.
TEST_F(Import, RefusedHeadersAndAFailedWriteChangeNothing) {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 0}};
    Sauvegardes sauvegardes{horloge};
    etat.installerSauvegardes(sauvegardes);
    ouvrirNouveau();
    const std::string avant = surDisque();
    const PlanImport sansEntete = preparerImport(etat, bornes, "", "Nom;Prenom\r\nDupont;Anne\r\n");
    EXPECT_EQ(sansEntete.erreur, attendus("sans entête")[0]);
    EXPECT_FALSE(ImporterInscriptions(etat, sansEntete, dialogues));
    // The copy's rename goes through; the import's, the second, fails.
    simulerPanne(PanneSimulee{Appel::Renommage, ENOSPC, 2});
    EXPECT_FALSE(ImporterInscriptions(
        etat,
        preparerImport(etat, bornes, "",
                       kEntete + std::string("zeta;01 bourg;Dupont;Anne;96;;\r\n")),
        dialogues));
    simulerPanne(std::nullopt);
    const auto copies = sauvegardes.lister(etat);
    ASSERT_FALSE(copies.empty());
    EXPECT_EQ(lireFichier(copies.front().chemin), avant);
    EXPECT_EQ(surDisque(), avant);
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_NE(dialogues.messages[0].texte.find("ne peut pas être écrit"), std::string::npos);
}

// The model holds the headers only; one already there is replaced only on Yes.
TEST_F(Import, TheModelFileHoldsTheHeadersOnly) {
    const std::string chemin = (dossier / "modele-inscriptions.csv").string();
    EcrireModele(dossier.chemin(), dialogues);
    EXPECT_EQ(lireFichier(chemin), kEntete);
    ecrireFichier(chemin, "x");
    EcrireModele(dossier.chemin(), dialogues); // No by default
    EXPECT_EQ(lireFichier(chemin), "x");
    EXPECT_EQ(journal(), attendus("modèle"));
}
