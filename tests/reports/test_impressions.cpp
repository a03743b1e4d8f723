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
// index `egal` (from 1), whose score equals the previous one.
ClassementIndiv gymnastes(int n, int egal = 0) {
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
    cl.NbEnreg = n;
    return cl;
}

EntreeEquipe equipe(std::string nom, std::string ville, long total,
                    std::array<std::string, 6> notes = {"0000", "0000", "0000", "0000", "0000",
                                                        "0000"}) {
    return {std::move(nom), std::move(ville), total, std::move(notes)};
}

// A printout and the fixture holding its drawing list.
struct Cas {
    const char* fixture;
    void (*imprimer)(SurfaceEnregistree&);
};
std::string nomDuCas(const ::testing::TestParamInfo<Cas>& i) {
    return std::string(i.param.fixture).substr(0, std::string(i.param.fixture).find('.'));
}

struct Classements : ::testing::TestWithParam<Cas> {};

} // namespace

TEST_P(Classements, PrintAsTheirDrawingList) {
    SurfaceEnregistree s;
    GetParam().imprimer(s);
    EXPECT_EQ(dessins(s), fixture(GetParam().fixture));
}

INSTANTIATE_TEST_SUITE_P(
    Impression, Classements,
    ::testing::Values(
        // The head, the women's labels, one row.
        Cas{"imprim_indiv_tete.txt",
            [](SurfaceEnregistree& s) { imprimerClIndiv(gymnastes(1), false, textesDeTest(), s); }},
        // 61 gymnasts: two numbered pages; 60 and empty slots: one page without number.
        Cas{"imprim_indiv_61.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(gymnastes(61), false, textesDeTest(), s);
            }},
        Cas{"imprim_indiv_60_libres.txt",
            [](SurfaceEnregistree& s) {
                ClassementIndiv cl = gymnastes(60);
                for (int k = 0; k < 3; ++k) {
                    cl.TabEnreg.push_back(slotLibre("ALPHA", "01 BOURG", kSansJuges));
                    cl.TotIndiv.push_back(0);
                }
                cl.NbEnreg = 63;
                imprimerClIndiv(cl, false, textesDeTest(), s);
            }},
        // A tie shows no place, except on the first row of a page.
        Cas{"imprim_indiv_61_egal.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(gymnastes(61, 61), false, textesDeTest(), s);
            }},
        Cas{"imprim_indiv_3_egal.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(gymnastes(3, 3), false, textesDeTest(), s);
            }},
        // Scores on their commas (10,00, a missing one, "  1"), the total bold with its mark.
        Cas{"imprim_indiv_virgules.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(classement({G("INDIV *", "01 BOURG", "MARTIN")
                                                .note(5, "999")
                                                .note(4, "950")
                                                .note(6, "  1")}),
                                false, textesDeTest(), s);
            }},
        // Names, town and the dash leader without a vault score.
        Cas{"imprim_indiv_colonnes.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(
                    classement({G("ALPHA", "01 BOURG", "MARTIN", "Élodie").note(6, "950")}), false,
                    textesDeTest(), s);
            }},
        // The dash leader stops a space before a vault score of 10,00 or 9,50.
        Cas{"imprim_indiv_tirets.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(classement({G("ALPHA", "01 BOURG", "DURAND").note(5, "999"),
                                            G("ALPHA", "01 BOURG", "MARTIN").note(5, "950")}),
                                false, textesDeTest(), s);
            }},
        Cas{"imprim_indiv_hors_concours.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(
                    classement({G("ALPHA", "01 BOURG", "MARTIN").note(5, "950"),
                                G("ALPHA", "01 BOURG", "DURAND").note(5, "900").horsConcours()}),
                    false, textesDeTest(), s);
            }},
        // The men's columns, mark and hors-concours text.
        Cas{"imprim_indiv_hommes.txt",
            [](SurfaceEnregistree& s) {
                imprimerClIndiv(
                    classement({G("SOLO*", "01 BOURG", "MARTIN").note(6, "950").note(3, "800"),
                                G("ALPHA", "01 BOURG", "DURAND").horsConcours()}),
                    true, textesDeTest(), s);
            }},
        // A team's row: place, name, town, leaders, scores and the total in bold.
        Cas{"imprim_equipes_rangee.txt",
            [](SurfaceEnregistree& s) {
                ClassementEquipes cl;
                cl.TabEquipes = {equipe("ALPHA          ", "01 BOURG            ", 12345,
                                        {"0000", "0000", "1234", "2950", "3100", "3001"})};
                imprimerClEquip(cl, false, textesDeTest(), s);
            }},
        // Ties and individual entrants show no place.
        Cas{"imprim_equipes_places.txt",
            [](SurfaceEnregistree& s) {
                ClassementEquipes cl;
                cl.TabEquipes = {equipe("ALPHA", "A", 12000), equipe("BETA", "B", 12000),
                                 equipe("SOLO*", "C", 11000), equipe("GAMMA", "D", 50)};
                imprimerClEquip(cl, false, textesDeTest(), s);
            }},
        // 70 men's teams: the head printed once.
        Cas{"imprim_equipes_hommes.txt",
            [](SurfaceEnregistree& s) {
                ClassementEquipes cl;
                for (int i = 0; i < 70; ++i)
                    cl.TabEquipes.push_back(equipe("E" + std::to_string(i), "V", 1000 - i));
                imprimerClEquip(cl, true, textesDeTest(), s);
            }}),
    nomDuCas);

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

struct FeuillesMatch;
struct CasFeuilles {
    const char* fixture;
    void (*preparer)(FeuillesMatch&);
};

struct FeuillesMatch : CompetOuverte, ::testing::WithParamInterface<CasFeuilles> {
    SurfaceEnregistree s;
    ChoixFeuilles choix;
    TitreCompet titre{"Coupe d'hiver", "Vienne, 6 décembre 2026"};

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
};

std::string nomDesFeuilles(const ::testing::TestParamInfo<CasFeuilles>& i) {
    return std::string(i.param.fixture).substr(0, std::string(i.param.fixture).find('.'));
}

} // namespace

TEST_P(FeuillesMatch, PrintAsTheirDrawingList) {
    GetParam().preparer(*this);
    ImprimerFeuilles(etat, titre, choix, s);
    EXPECT_EQ(dessins(s, dossier.chemin().string()), fixture(GetParam().fixture));
}

INSTANTIATE_TEST_SUITE_P(
    Feuilles, FeuillesMatch,
    ::testing::Values(
        // Every sheet of every team, in the apparatus order of each set.
        CasFeuilles{"feuilles_trois_equipes.txt", [](FeuillesMatch& f) { f.equipes(3); }},
        CasFeuilles{"feuilles_hommes.txt",
                    [](FeuillesMatch& f) {
                        f.nom = "M_2_PS00.PLM";
                        f.equipes(1);
                    }},
        // One team, one apparatus: a half-empty page.
        CasFeuilles{"feuilles_une_feuille.txt",
                    [](FeuillesMatch& f) {
                        f.equipes(3);
                        f.choix.EquipeChoisie = 2;
                        f.choix.EpreuveChoisie = 5;
                    }},
        // The grid of a team of four and its total box.
        CasFeuilles{"feuilles_grille.txt",
                    [](FeuillesMatch& f) {
                        f.equipes(1);
                        f.choix.EpreuveChoisie = 6;
                    }},
        // Title, description, team and gymnasts: an empty slot, a nameless record, a licence
        // number without first name.
        CasFeuilles{"feuilles_gymnastes.txt",
                    [](FeuillesMatch& f) {
                        std::string contenu =
                            fichier({gymnaste("ALPHA", "01 BOURG", "MARTIN"),
                                     gymnaste("ALPHA", "01 BOURG", "DURAND"),
                                     slotLibre("ALPHA", "01 BOURG"), gymnaste("ALPHA", "", "")});
                        Enregistrement licencie = gymnaste("ALPHA", "01 BOURG", "DURAND");
                        licencie.poser(champs::Prénom, "");
                        licencie.poser(champs::NoLic, "0001234567");
                        contenu.replace(300, 300, licencie.octets());
                        f.ouvrir(contenu);
                        f.choix.EpreuveChoisie = 7;
                    }},
        // 83 characters of title: 14 pt is too wide, 11 pt fits.
        CasFeuilles{"feuilles_titre_long.txt",
                    [](FeuillesMatch& f) {
                        f.equipes(1);
                        f.titre = {std::string(60, 'T'), std::string(20, 'L')};
                        f.choix.EpreuveChoisie = 6;
                    }},
        CasFeuilles{"feuilles_grille_seule.txt",
                    [](FeuillesMatch& f) {
                        f.equipes(3);
                        f.choix.AvecGrille = true;
                        f.choix.GrilleSeule = true;
                        f.choix.EquipeChoisie = 2;
                    }},
        CasFeuilles{"feuilles_sans_grille.txt",
                    [](FeuillesMatch& f) {
                        f.equipes(1);
                        f.choix.AvecGrille = false;
                        f.choix.EpreuveChoisie = 4;
                    }},
        // A placeholder alone makes no team, unless teams hold one gymnast.
        CasFeuilles{"feuilles_provisoire.txt",
                    [](FeuillesMatch& f) {
                        f.ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)}));
                        EXPECT_EQ(equipesFeuilles(f.etat), 0);
                    }},
        CasFeuilles{
            "feuilles_equipes_d_une.txt",
            [](FeuillesMatch& f) { f.ouvrir(fichier({enregistrementProvisoire("0130004444")})); }}),
    nomDesFeuilles);

struct DemiEquipe : CompetOuverte {};

TEST_F(DemiEquipe, AHalfTeamGoesToTheEvenNeighbour) {
    for (auto [enreg, equipes] : {std::pair{1, 0}, {3, 2}, {5, 2}, {7, 4}, {4, 2}}) {
        std::string contenu;
        for (int k = 0; k < enreg; ++k)
            contenu += gymnaste("A", "01 BOURG", "X", "0220004444").octets();
        ouvrir(contenu);
        EXPECT_EQ(equipesFeuilles(etat), equipes) << enreg;
    }
}
