// The printed rankings and match sheets, each compared whole with its drawing list in
// tests/data/sorties (one drawing a line: position in millimetres, size, weight, colour).
#include "app/etat_appli.h"
#include "data/titre_fichier.h"
#include "reports/classement_equipes.h"
#include "reports/feuilles_match.h"
#include "reports/impression_outils.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"
#include "reports/voir_pages.h"

#include <cstdio>

using namespace palmora;
using namespace palmora::test;

namespace {

// n gymnasts ranked by a Saut score going down by one hundredth each, but for the one of
// index `egal` (from 1), whose score equals the previous one; then `libres` empty slots.
ClassementIndiv gymnastes(int n, int egal = 0, int libres = 0) {
    ClassementIndiv cl;
    for (int i = 1, note = 900; i <= n; ++i) {
        if (i != egal) --note;
        char nom[8];
        std::snprintf(nom, sizeof nom, "N%03d", i);
        Enregistrement e = G("ALPHA", "01 BOURG", nom).note(5, std::to_string(note));
        cl.TabEnreg.push_back(e);
        cl.TotIndiv.push_back(totalIndiv(e));
        ++cl.NbGymnastes;
    }
    for (int k = 0; k < libres; ++k) {
        cl.TabEnreg.push_back(slotLibre("ALPHA", "01 BOURG", kSansJuges));
        cl.TotIndiv.push_back(0);
    }
    cl.NbEnreg = n + libres;
    return cl;
}

std::string indiv(const ClassementIndiv& cl, bool hommes = false) {
    SurfaceEnregistree s;
    imprimerClIndiv(cl, hommes, textesDeTest(), s);
    return dessins(s);
}

EntreeEquipe equipe(std::string nom, std::string ville, long total,
                    std::array<std::string, 6> notes = {"0000", "0000", "0000", "0000", "0000",
                                                        "0000"}) {
    return {std::move(nom), std::move(ville), total, std::move(notes)};
}

std::string equipes(std::vector<EntreeEquipe> tab, bool hommes = false) {
    ClassementEquipes cl;
    cl.TabEquipes = std::move(tab);
    SurfaceEnregistree s;
    imprimerClEquip(cl, hommes, textesDeTest(), s);
    return dessins(s);
}

} // namespace

TEST(ImpressionIndiv, PrintsAsItsDrawingLists) {
    // The head, the women's labels, one row.
    EXPECT_EQ(indiv(gymnastes(1)), fixture("imprim_indiv_tete.txt"));
    // 61 gymnasts: two numbered pages; 60 and empty slots: one page without number.
    EXPECT_EQ(indiv(gymnastes(61)), fixture("imprim_indiv_61.txt"));
    EXPECT_EQ(indiv(gymnastes(60, 0, 3)), fixture("imprim_indiv_60_libres.txt"));
    // A tie shows no place, except on the first row of a page.
    EXPECT_EQ(indiv(gymnastes(61, 61)), fixture("imprim_indiv_61_egal.txt"));
    EXPECT_EQ(indiv(gymnastes(3, 3)), fixture("imprim_indiv_3_egal.txt"));
    // Scores on their commas (10,00, a missing one, "  1"), the total bold with its mark.
    EXPECT_EQ(
        indiv(classement(
            {G("INDIV *", "01 BOURG", "MARTIN").note(5, "999").note(4, "950").note(6, "  1")})),
        fixture("imprim_indiv_virgules.txt"));
    // Names, town and the dash leader without a vault score.
    EXPECT_EQ(indiv(classement({G("ALPHA", "01 BOURG", "MARTIN", "Élodie").note(6, "950")})),
              fixture("imprim_indiv_colonnes.txt"));
    // The dash leader stops a space before a vault score of 10,00 or 9,50.
    EXPECT_EQ(indiv(classement({G("ALPHA", "01 BOURG", "DURAND").note(5, "999"),
                                G("ALPHA", "01 BOURG", "MARTIN").note(5, "950")})),
              fixture("imprim_indiv_tirets.txt"));
    EXPECT_EQ(indiv(classement({G("ALPHA", "01 BOURG", "MARTIN").note(5, "950"),
                                G("ALPHA", "01 BOURG", "DURAND").note(5, "900").horsConcours()})),
              fixture("imprim_indiv_hors_concours.txt"));
    // The men's columns, mark and hors-concours text.
    EXPECT_EQ(indiv(classement({G("SOLO*", "01 BOURG", "MARTIN").note(6, "950").note(3, "800"),
                                G("ALPHA", "01 BOURG", "DURAND").horsConcours()}),
                    true),
              fixture("imprim_indiv_hommes.txt"));
}

TEST(ImpressionEquipes, PrintsAsItsDrawingLists) {
    // A row: place, name, town, leaders, scores and the total in bold.
    EXPECT_EQ(equipes({equipe("ALPHA          ", "01 BOURG            ", 12345,
                              {"0000", "0000", "1234", "2950", "3100", "3001"})}),
              fixture("imprim_equipes_rangee.txt"));
    // Ties and individual entrants show no place.
    EXPECT_EQ(equipes({equipe("ALPHA", "A", 12000), equipe("BETA", "B", 12000),
                       equipe("SOLO*", "C", 11000), equipe("GAMMA", "D", 50)}),
              fixture("imprim_equipes_places.txt"));
    // 70 men's teams: the head printed once.
    std::vector<EntreeEquipe> soixanteDix;
    for (int i = 0; i < 70; ++i)
        soixanteDix.push_back(equipe("E" + std::to_string(i), "V", 1000 - i));
    EXPECT_EQ(equipes(soixanteDix, true), fixture("imprim_equipes_hommes.txt"));
}

namespace {

struct CommandeImpression : CompetOuverte {
    EtatAppli appli;
    SurfaceEnregistree s;

    void preparer(std::string_view bloc) {
        ecrireFichier(dossier / nom,
                      fichier({G("ALPHA", "01 BOURG", "MARTIN", "Anne", bloc).note(5, "950")}));
        appli.compet.changerDossier(dossier.chemin());
        ASSERT_TRUE(appli.compet.Ouvrir(nom, dialogues));
        appli.titre = {"Coupe", "Vienne"};
    }
    std::filesystem::path page() const { return cheminClIndiv(appli.compet, ".htm"); }
};

} // namespace

TEST_F(CommandeImpression, NoPrintsNothingAndWritesNoPage) {
    preparer(kSansJuges);
    dialogues.reponses = {Reponse::Non};
    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, s);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "Imprimer le classement individuel");
    EXPECT_EQ(m.titre, "Impression");
    EXPECT_EQ(m.boutons, Boutons::OuiNon);
    EXPECT_EQ(m.defaut, Reponse::Non);
    EXPECT_TRUE(s.documents.empty());
    EXPECT_FALSE(std::filesystem::exists(page()));
}

TEST_F(CommandeImpression, YesWritesThePageThenPrintsOneDocument) {
    preparer(kSansJuges);
    dialogues.reponses = {Reponse::Oui};
    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, s);
    EXPECT_TRUE(std::filesystem::exists(page()));
    EXPECT_EQ(dessins(s, dossier.chemin().string()), fixture("imprim_indiv_commande.txt"));
}

TEST_F(CommandeImpression, AMissingMarkStopsBeforeTheQuestion) {
    preparer(kBlocFeminin);
    ImprimClEquip(appli.compet, textesPage(appli), dialogues, s);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    EXPECT_EQ(dialogues.messages[0].titre, "Impression impossible");
    EXPECT_TRUE(s.documents.empty());
}

namespace {

struct FeuillesMatch : CompetOuverte {
    // Teams of 4 gymnasts named after their team: "A1" … "A4", "B1" …
    void equipes(int nombre) {
        std::string contenu;
        for (int t = 0; t < nombre; ++t) {
            const std::string lettre(1, static_cast<char>('A' + t));
            for (int k = 1; k <= 4; ++k)
                contenu +=
                    gymnaste("EQUIPE " + lettre, "01 BOURG", lettre + std::to_string(k)).octets();
        }
        ouvrir(contenu);
    }
    std::string feuilles(const ChoixFeuilles& choix,
                         const TitreCompet& titre = {"Coupe d'hiver", "Vienne, 6 décembre 2026"}) {
        SurfaceEnregistree s;
        ImprimerFeuilles(etat, titre, choix, s);
        return dessins(s, dossier.chemin().string());
    }
};

} // namespace

TEST_F(FeuillesMatch, PrintAsTheirDrawingLists) {
    // Every sheet of every team in the women's apparatus order; one team, one apparatus: a
    // half-empty page; the grid only; no grid.
    equipes(3);
    EXPECT_EQ(feuilles({}), fixture("feuilles_trois_equipes.txt"));
    EXPECT_EQ(feuilles({2, 5}), fixture("feuilles_une_feuille.txt"));
    EXPECT_EQ(feuilles({2, -1, true, true}), fixture("feuilles_grille_seule.txt"));
    // The grid of a team of four and its total box; 83 characters of title: 14 pt is too wide,
    // 11 pt fits.
    equipes(1);
    EXPECT_EQ(feuilles({-1, 6}), fixture("feuilles_grille.txt"));
    EXPECT_EQ(feuilles({-1, 6}, {std::string(60, 'T'), std::string(20, 'L')}),
              fixture("feuilles_titre_long.txt"));
    EXPECT_EQ(feuilles({-1, 4, false}), fixture("feuilles_sans_grille.txt"));
    // Title, description, team and gymnasts: an empty slot, a nameless record, a licence
    // number without first name.
    std::string contenu =
        fichier({gymnaste("ALPHA", "01 BOURG", "MARTIN"), gymnaste("ALPHA", "01 BOURG", "DURAND"),
                 slotLibre("ALPHA", "01 BOURG"), gymnaste("ALPHA", "", "")});
    Enregistrement licencie = gymnaste("ALPHA", "01 BOURG", "DURAND");
    licencie.poser(champs::Prénom, "");
    licencie.poser(champs::NoLic, "0001234567");
    contenu.replace(300, 300, licencie.octets());
    ouvrir(contenu);
    EXPECT_EQ(feuilles({-1, 7}), fixture("feuilles_gymnastes.txt"));
    // A placeholder alone makes no team, unless teams hold one gymnast.
    ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)}));
    EXPECT_EQ(equipesFeuilles(etat), 0);
    EXPECT_EQ(feuilles({}), fixture("feuilles_provisoire.txt"));
    ouvrir(fichier({enregistrementProvisoire("0130004444")}));
    EXPECT_EQ(feuilles({}), fixture("feuilles_equipes_d_une.txt"));
    // The men's set.
    nom = "M_2_PS00.PLM";
    equipes(1);
    EXPECT_EQ(feuilles({}), fixture("feuilles_hommes.txt"));
}

TEST_F(FeuillesMatch, AHalfTeamGoesToTheEvenNeighbour) {
    for (auto [enreg, equipes] : {std::pair{1, 0}, {3, 2}, {5, 2}, {7, 4}, {4, 2}}) {
        std::string contenu;
        for (int k = 0; k < enreg; ++k)
            contenu += gymnaste("A", "01 BOURG", "X", "0220004444").octets();
        ouvrir(contenu);
        EXPECT_EQ(equipesFeuilles(etat), equipes) << enreg;
    }
}
