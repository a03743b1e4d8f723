// The printed rankings and match sheets, each checked against its drawing list in
// tests/data/sorties (the drawings and absences each case must show).
#include "app/etat_appli.h"
#include "data/titre_fichier.h"
#include "reports/classement_equipes.h"
#include "reports/feuilles_match.h"
#include "reports/impression_outils.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"
#include "reports/voir_pages.h"

#include <algorithm>
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

void indiv(const ClassementIndiv& cl, const std::string& cas, bool hommes = false) {
    SurfaceEnregistree s;
    imprimerClIndiv(cl, hommes, textesDeTest(), s);
    verifierDessins(s, "imprim_indiv.txt", cas);
}

EntreeEquipe equipe(std::string nom, std::string ville, long total,
                    std::array<std::string, 6> notes = {"0000", "0000", "0000", "0000", "0000",
                                                        "0000"}) {
    return {std::move(nom), std::move(ville), total, std::move(notes)};
}

void equipes(std::vector<EntreeEquipe> tab, const std::string& cas, bool hommes = false) {
    ClassementEquipes cl;
    cl.TabEquipes = std::move(tab);
    SurfaceEnregistree s;
    imprimerClEquip(cl, hommes, textesDeTest(), s);
    verifierDessins(s, "imprim_equipes.txt", cas);
}

} // namespace

TEST(ImpressionIndiv, PrintsAsItsDrawingLists) {
    // The head, the women's labels, one row.
    indiv(gymnastes(1), "tete");
    // 61 gymnasts: two numbered pages; 60 and empty slots: one page without number.
    indiv(gymnastes(61), "61");
    indiv(gymnastes(60, 0, 3), "60_libres");
    // A tie shows no place, except on the first row of a page.
    indiv(gymnastes(61, 61), "61_egal");
    indiv(gymnastes(3, 3), "3_egal");
    // Scores on their commas (10,00, a missing one, "  1"), the total bold with its mark.
    indiv(classement(
              {G("INDIV *", "01 BOURG", "MARTIN").note(5, "999").note(4, "950").note(6, "  1")}),
          "virgules");
    // Names, town and the dash leader without a vault score.
    indiv(classement({G("ALPHA", "01 BOURG", "MARTIN", "Élodie").note(6, "950")}), "colonnes");
    // The dash leader stops a space before a vault score of 10,00 or 9,50.
    indiv(classement({G("ALPHA", "01 BOURG", "DURAND").note(5, "999"),
                      G("ALPHA", "01 BOURG", "MARTIN").note(5, "950")}),
          "tirets");
    indiv(classement({G("ALPHA", "01 BOURG", "MARTIN").note(5, "950"),
                      G("ALPHA", "01 BOURG", "DURAND").note(5, "900").horsConcours()}),
          "hors_concours");
    // The men's columns, mark and hors-concours text.
    indiv(classement({G("SOLO*", "01 BOURG", "MARTIN").note(6, "950").note(3, "800"),
                      G("ALPHA", "01 BOURG", "DURAND").horsConcours()}),
          "hommes", true);
}

TEST(ImpressionEquipes, PrintsAsItsDrawingLists) {
    // A row: place, name, town, leaders, scores and the total in bold.
    equipes({equipe("ALPHA          ", "01 BOURG            ", 12345,
                    {"0000", "0000", "1234", "2950", "3100", "3001"})},
            "rangee");
    // Ties and individual entrants show no place.
    equipes({equipe("ALPHA", "A", 12000), equipe("BETA", "B", 12000), equipe("SOLO*", "C", 11000),
             equipe("GAMMA", "D", 50)},
            "places");
    // 70 men's teams: the head printed once.
    std::vector<EntreeEquipe> soixanteDix;
    for (int i = 0; i < 70; ++i)
        soixanteDix.push_back(equipe("E" + std::to_string(i), "V", 1000 - i));
    equipes(soixanteDix, "hommes", true);
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

TEST_F(CommandeImpression, NoPrintsNothingYesWritesThePageThenPrintsOneDocument) {
    preparer(kSansJuges);
    dialogues.reponses = {Reponse::Non, Reponse::Oui};
    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, s);
    ASSERT_EQ(dialogues.messages.size(), 1U);
    const Message m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "Imprimer le classement individuel");
    EXPECT_EQ(m.titre, "Impression");
    EXPECT_EQ(m.boutons, Boutons::OuiNon);
    EXPECT_EQ(m.defaut, Reponse::Non);
    EXPECT_TRUE(s.documents.empty());
    EXPECT_FALSE(std::filesystem::exists(page()));

    ImprimClIndivF(appli.compet, textesPage(appli), dialogues, s);
    EXPECT_TRUE(std::filesystem::exists(page()));
    EXPECT_EQ(s.documents,
              std::vector{dossier / (appli.compet.DescriptionCompet() + " (indiv).pdf")});
    EXPECT_EQ(s.documentsTermines, 1);
    const std::vector<Trace> textes = s.textes(0);
    EXPECT_NE(std::ranges::find(textes, "MARTIN         ", &Trace::texte), textes.end());
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
    SurfaceEnregistree s;
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
    void feuilles(const ChoixFeuilles& choix, const std::string& cas,
                  const TitreCompet& titre = {"Coupe d'hiver", "Vienne, 6 décembre 2026"}) {
        s = {};
        ImprimerFeuilles(etat, titre, choix, s);
        verifierDessins(s, "feuilles.txt", cas, dossier.chemin().string());
    }
};

} // namespace

TEST_F(FeuillesMatch, PrintAsTheirDrawingLists) {
    // Every sheet of every team in the women's apparatus order; one team, one apparatus: a
    // half-empty page; the grid only; no grid.
    equipes(3);
    feuilles({}, "trois_equipes");
    feuilles({2, 5}, "une_feuille");
    feuilles({2, -1, true, true}, "grille_seule");
    equipes(1);
    feuilles({-1, 6}, "grille");
    // The grid of a team of four: rows from 48 to 88 mm, the columns down to them.
    std::vector<double> horizontales;
    for (const Trace& l : s.traces(0, Trace::Genre::Ligne)) {
        if (l.y == l.y2 && l.x == 6) {
            EXPECT_EQ(l.x2, 196);
            horizontales.push_back(l.y);
        } else if (l.x == l.x2) {
            EXPECT_EQ(l.y2, 88) << l.x;
            EXPECT_EQ(l.y, l.x < 80 ? 48 : 34) << l.x;
        }
    }
    EXPECT_EQ(horizontales, (std::vector<double>{48, 58, 68, 78, 88}));
    feuilles({-1, 6}, "titre_long", {std::string(60, 'T'), std::string(20, 'L')});
    feuilles({-1, 4, false}, "sans_grille");
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
    feuilles({-1, 7}, "gymnastes");
    const std::string description = etat.DescriptionCompet();
    const double w = static_cast<double>(SurfaceEnregistree::caracteres(description)) * 12 * 0.2;
    const std::vector<Trace> textes = s.textes(0);
    const auto d = std::ranges::find(textes, description, &Trace::texte);
    ASSERT_NE(d, textes.end());
    EXPECT_TRUE(std::abs(d->x - (105 - w / 2)) < 1e-6 && d->y == 18 && d->taille == 12 &&
                d->couleur == kBleu);
    const Trace cadre = s.traces(0, Trace::Genre::Rectangle).back();
    EXPECT_EQ(std::tie(cadre.x, cadre.y, cadre.x2, cadre.y2),
              std::make_tuple(103 - w / 2, 17.0, 106 + w / 2, 24.5));
    EXPECT_EQ(cadre.couleur, kNoir);
    EXPECT_EQ(s.textes(0).back().couleur, kNoir);
    // A placeholder alone makes no team, unless teams hold one gymnast.
    ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)}));
    EXPECT_EQ(equipesFeuilles(etat), 0);
    feuilles({}, "provisoire");
    ouvrir(fichier({enregistrementProvisoire("0130004444")}));
    feuilles({}, "equipes_d_une");
    EXPECT_FALSE(s.traces(0, Trace::Genre::Ligne).empty());
    // The men's set.
    nom = "M_2_PS00.PLM";
    equipes(1);
    feuilles({}, "hommes");
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
