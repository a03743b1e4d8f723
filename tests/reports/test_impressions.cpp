// The printed rankings and match sheets, each checked against its drawing list in
// tests/data/sorties (the drawings and absences each case must show); the records printed are
// in enregistrements.txt under the names of the cases.
#include "reports/feuilles_match.h"
#include "reports/impression_outils.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"
#include "reports/voir_pages.h"

using namespace palmora;
using namespace palmora::test;

namespace {

// n gymnasts ranked by a Saut score going down by one hundredth each, but for the one of
// index `egal` (from 1), whose score equals the previous one; then `libres` empty slots.
ClassementIndiv gymnastes(int n, int egal = 0, int libres = 0) {
    ClassementIndiv cl;
    for (int i = 1, note = 900; i <= n + libres; ++i) {
        note -= i != egal ? 1 : 0;
        const std::string nom = "N" + chiffres(i, 3);
        cl.TabEnreg.push_back(enreg(
            i > n ? "ALPHA|01 BOURG|" : "ALPHA|01 BOURG|" + nom + "||5=" + std::to_string(note)));
        cl.TotIndiv.push_back(totalIndiv(cl.TabEnreg.back()));
    }
    cl.NbGymnastes = n;
    cl.NbEnreg = n + libres;
    return cl;
}

void indiv(const ClassementIndiv& cl, const std::string& cas, bool hommes = false) {
    SurfaceEnregistree s;
    imprimerClIndiv(cl, hommes, textesDeTest(), s);
    verifierDessins(s, "imprim_indiv.txt", cas);
}

void equipes(std::vector<EntreeEquipe> tab, const std::string& cas, bool hommes = false) {
    ClassementEquipes cl;
    cl.TabEquipes = std::move(tab);
    SurfaceEnregistree s;
    imprimerClEquip(cl, hommes, textesDeTest(), s);
    verifierDessins(s, "imprim_equipes.txt", cas);
}

} // namespace

TEST(Impression, RankingsPrintAsTheirDrawingLists) {
    indiv(gymnastes(1), "tete");
    // 61 gymnasts: two numbered pages; 60 and empty slots: one page without number.
    indiv(gymnastes(61), "61");
    indiv(gymnastes(60, 0, 3), "60_libres");
    // A tie shows no place, except on the first row of a page.
    indiv(gymnastes(61, 61), "61_egal");
    indiv(gymnastes(3, 3), "3_egal");
    for (const char* cas : {"virgules", "colonnes", "tirets", "hors_concours"})
        indiv(classement(cas), cas);
    indiv(classement("hommes"), "hommes", true);

    equipes(entrees("rangee"), "rangee");
    equipes(entrees("places"), "places");
    std::vector<EntreeEquipe> soixanteDix; // men: the head printed once
    for (int i = 0; i < 70; ++i)
        soixanteDix.push_back({"E" + std::to_string(i), "V", 1000 - i, {"0000"}});
    std::ranges::for_each(soixanteDix, [](EntreeEquipe& e) { e.notes.fill("0000"); });
    equipes(soixanteDix, "hommes", true);
}

TEST_F(AppliOuverte, NoPrintsNothingYesWritesThePageThenPrintsOneDocument) {
    ouvrir("F_2_PS00.PLM", contenu("commande"));
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, surface);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    const Message m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "Imprimer le classement individuel");
    EXPECT_EQ(m.titre, "Impression");
    EXPECT_EQ(m.boutons, Boutons::OuiNon);
    EXPECT_EQ(m.defaut, Reponse::Non);
    EXPECT_TRUE(surface.documents.empty());
    const std::filesystem::path page = cheminClIndiv(appli.compet, ".htm");
    EXPECT_FALSE(std::filesystem::exists(page));

    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, surface);
    EXPECT_TRUE(std::filesystem::exists(page));
    EXPECT_EQ(surface.documents,
              std::vector{dossier / (appli.compet.DescriptionCompet() + " (indiv).pdf")});
    EXPECT_EQ(surface.documentsTermines, 1);
    const std::vector<Trace> textes = surface.textes(0);
    EXPECT_NE(std::ranges::find(textes, "MARTIN         ", &Trace::texte), textes.end());

    ouvrir("F_2_PS00.PLM", contenu("commande_sans_note")); // stops before the question
    dialogues.messages.clear();
    ImprimClEquip(appli.compet, textesPage(appli), dialogues, surface);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    EXPECT_EQ(dialogues.messages[0].titre, "Impression impossible");
    EXPECT_EQ(surface.documents.size(), 1U);
}

namespace {

struct FeuillesMatch : CompetOuverte {
    SurfaceEnregistree s;
    void feuilles(const ChoixFeuilles& choix, const std::string& cas,
                  const TitreCompet& titre = {"Coupe d'hiver", "Vienne, 6 décembre 2026"}) {
        s = {};
        ImprimerFeuilles(etat, titre, choix, s);
        verifierDessins(s, "feuilles.txt", cas);
    }
};

} // namespace

TEST_F(FeuillesMatch, PrintAsTheirDrawingLists) {
    // Every sheet of every team in the women's apparatus order; one team, one apparatus: a
    // half-empty page; the grid only; no grid.
    ouvrir(equipesDeQuatre(3));
    feuilles({}, "trois_equipes");
    EXPECT_EQ(s.documents, std::vector{dossier / "Feuilles de match.pdf"});
    feuilles({2, 5}, "une_feuille");
    feuilles({2, -1, true, true}, "grille_seule");
    ouvrir(equipesDeQuatre(1));
    feuilles({-1, 6}, "grille");
    feuilles({-1, 6}, "titre_long", {std::string(60, 'T'), std::string(20, 'L')});
    feuilles({-1, 4, false}, "sans_grille");
    // An empty slot, a nameless record, a licence number without first name.
    ouvrir(fichier({gymnaste("ALPHA", "01 BOURG", "MARTIN"),
                    enreg("ALPHA|01 BOURG|DURAND||bloc=0430004444 lic=0001234567"),
                    slotLibre("ALPHA", "01 BOURG"), gymnaste("ALPHA", "", "")}));
    feuilles({-1, 7}, "gymnastes");
    // A placeholder alone makes no team, unless teams hold one gymnast.
    ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)}));
    EXPECT_EQ(equipesFeuilles(etat), 0);
    feuilles({}, "provisoire");
    ouvrir(fichier({enregistrementProvisoire("0130004444")}));
    feuilles({}, "equipes_d_une");
    EXPECT_FALSE(s.traces(0, Trace::Genre::Ligne).empty());
    nom = "M_2_PS00.PLM";
    ouvrir(equipesDeQuatre(1));
    feuilles({}, "hommes");
    // A half team goes to the even neighbour.
    for (auto [enreg, equipes] : {std::pair{1, 0}, {3, 2}, {5, 2}, {7, 4}, {4, 2}}) {
        std::string contenu;
        for (int k = 0; k < enreg; ++k)
            contenu += gymnaste("A", "01 BOURG", "X", "0220004444").octets();
        ouvrir(contenu);
        EXPECT_EQ(equipesFeuilles(etat), equipes) << enreg;
    }
}
