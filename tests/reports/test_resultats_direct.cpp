#include "reports/direct_outils.h"

#include "data/copie_compet.h"
#include "reports/pages_direct.h"
#include "reports/resultats_direct.h"
#include "reports/site_direct.h"
#include "support/dossier_temporaire.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace palmora::test {

namespace {

struct ResultatsEnDirect : ::testing::Test {
    DossierTemporaire dossier;
    const std::string nom = "F_2_PS00.PLM";
    SourceDirect source{dossier.chemin(), {"Coupe <d'hiver>", "Gymnase & salle"}, {nom}};
    void SetUp() override { ecrireFichier(dossier / nom, competitionDirect()); }
    ResultatsDirect resultats() const {
        return resultatsDirect(*LireCopie(dossier.chemin(), nom), source.titre);
    }
};

} // namespace

TEST_F(ResultatsEnDirect, RankFromTheMarksInMemoryAndLeaveTheFileAsItWas) {
    const std::string avant = lireFichier(dossier / nom);
    const nlohmann::json j = nlohmann::json::parse(jsonDirect(resultats()));
    EXPECT_EQ(lireFichier(dossier / nom), avant);

    EXPECT_EQ(j["agres"], nlohmann::json({"Saut", "Barres", "Poutre", "Sol"}));
    const auto& indiv = j["individuel"];
    ASSERT_EQ(indiv.size(), 6U);
    // Scores computed from the marks; equal totals share a place shown once.
    const nlohmann::json attendus = nlohmann::json::parse(R"([
        {"nom": "HORS", "place": "", "hors_concours": true, "total": null, "notes": []},
        {"place": "2", "notes": ["9,50", "-----", "-----", "-----"], "total": "9,50"},
        {"place": "", "total": "9,50"}, {}, {}, {"nom": "SOLO", "individuel": true}])");
    for (std::size_t rang = 0; rang < 6; ++rang)
        for (const auto& [cle, valeur] : attendus[rang].items())
            EXPECT_EQ(indiv[rang][cle], valeur) << rang << " " << cle;
    // Individual entrants make no team.
    ASSERT_EQ(j["equipes"].size(), 2U);
    EXPECT_EQ(j["titre"][0], "Coupe <d'hiver>");
    EXPECT_EQ(jsonDirect(resultats()).find("9876543210"), std::string::npos);
}

TEST_F(ResultatsEnDirect, PagesEscapeTheDataAndShowNoLicence) {
    const std::string page = pageIndivDirect(resultats());
    EXPECT_NE(page.find("Coupe &lt;d&#39;hiver&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<d'hiver>"), std::string::npos);
    EXPECT_EQ(page.find("9876543210"), std::string::npos);
    EXPECT_LT(page.find("MARTIN"), page.find("ARNAUD"));
    const std::string notes = pageNotesDirect(resultats());
    EXPECT_EQ(notes.find("HORS"), std::string::npos); // the listing leaves them out
    EXPECT_NE(notes.find("ALPHA de AUBE : "), std::string::npos);
}

TEST_F(ResultatsEnDirect, OnlyListedCompetitionsAndKnownPathsAreServed) {
    EXPECT_EQ(routeDirect("/F_2_PS00/individuel", source.competitions)->fichier, nom);
    EXPECT_EQ(routeDirect("/F_2_PS00/classement.json", source.competitions)->ressource,
              Ressource::Json);
    for (const char* refuse : {"/F_9_PS00/individuel", "/../F_2_PS00.PLM", "/F_2_PS00/",
                               "/F_2_PS00.PLM", "/F_2_PS00/../individuel", "/etc/passwd", ""})
        EXPECT_FALSE(routeDirect(refuse, source.competitions)) << refuse;
}

TEST_F(ResultatsEnDirect, TheTagChangesWithTheFileAndTheTitleOnly) {
    const RouteDirect route = *routeDirect("/F_2_PS00/equipes", source.competitions);
    const std::string etiquette = etiquetteDirect(route, source);
    EXPECT_EQ(etiquetteDirect(route, source), etiquette);
    ecrireFichier(dossier / nom, competitionDirect() + competitionDirect());
    EXPECT_NE(etiquetteDirect(route, source), etiquette);
    const std::string apres = etiquetteDirect(route, source);
    source.titre.ligne2 = "Autre salle";
    EXPECT_NE(etiquetteDirect(route, source), apres);
}

} // namespace palmora::test
