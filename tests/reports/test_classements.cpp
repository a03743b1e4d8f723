// The individual and team rankings with their places and ties, and the check that every mark
// is entered before printing. Input records: tests/data/sorties/enregistrements.txt.
#include "reports/verif_notes.h"

#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

namespace {

struct Classements : CompetOuverte {
    static std::string noms(const ClassementIndiv& cl) {
        std::string n;
        for (const Enregistrement& e : cl.TabEnreg)
            n += std::string(rogner(e.lire(champs::Nom))) + " ";
        return n;
    }
    static std::string noms(const ClassementEquipes& cl) {
        std::string n;
        for (const EntreeEquipe& e : cl.TabEquipes)
            n += std::string(rogner(e.NomEquip)) + "/" + std::string(rogner(e.Ville)) + " ";
        return n;
    }
    // The places of the ranked teams, "-" for none, "=" after a tied one.
    static std::string places(const ClassementEquipes& cl) {
        PlacesEquipes p;
        std::string vues;
        for (const EntreeEquipe& e : cl.TabEquipes) {
            const auto place = p.suivante(e);
            vues += !place ? "- " : std::to_string(place->numero) + (place->exAequo ? "= " : " ");
        }
        return vues;
    }
};

} // namespace

TEST_F(Classements, APlaceholderAloneIsRankedEmptyAndMakesNoTeam) {
    ouvrir(fichier({enregistrementProvisoire(kSansJuges)}));
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_TRUE(cl.NbEnreg == 1 && cl.NbGymnastes == 0 && cl.TabEnreg.size() == 1 &&
                gymnasteVide(cl.TabEnreg[0]));
    const ClassementEquipes equipes = ClasserEquipes(etat);
    EXPECT_TRUE(equipes.NbEnreg == 1 && equipes.TabEquipes.empty());
    EXPECT_EQ(surDisque().substr(184, 4), "0000");
    EXPECT_EQ(surDisque().substr(274, 5), "00000");
    // Blank names or a lone code 160 make an empty slot, not a first name alone.
    EXPECT_TRUE(gymnasteVide(slotLibre("A", "V")));
    EXPECT_FALSE(gymnasteVide(enreg("A|V|\u00A0|Anne")));
}

TEST_F(Classements, TotalsAreSummedWrittenBackAndRankedHighestFirst) {
    ouvrir(contenu("totaux"));
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.NbGymnastes, 3);
    EXPECT_EQ(noms(cl), "MARTIN DURAND ZOLA \xA0 ");
    EXPECT_EQ(cl.TotIndiv, (std::vector<int>{2850, 950, 5, 0}));
    EXPECT_EQ(cl.TabEnreg[0].lire(champs::TotalIndiv), "2850");
    EXPECT_EQ(surDisque(), contenu("totaux_ecrits")); // only the totals changed on disk

    ouvrir(contenu("recalcul"));
    EXPECT_EQ(ClasserIndiv(etat).TotIndiv, std::vector<int>{875});
    EXPECT_EQ(surDisque().substr(184, 4), "0875");
}

TEST_F(Classements, AProtectedFileGetsItsIndividualTotalsButNotItsTeamTotals) {
    ouvrir(contenu("protege_indiv"));
    ASSERT_TRUE(etat.Protege());
    ClasserIndiv(etat);
    EXPECT_EQ(surDisque().substr(184, 4), "0900");

    ouvrir(contenu("protege_equipes"));
    ASSERT_TRUE(etat.Protege());
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(surDisque(), contenu("protege_equipes"));
    EXPECT_EQ(noms(cl), "ALPHA/V BETA/V ");
    EXPECT_EQ(cl.TabEquipes[0].TotalEquipe, 2000);
}

TEST_F(Classements, EqualTotalsGoByTheRecordFromTheSurnameInByteOrder) {
    ouvrir(contenu("egalites"));
    // The padding space sorts before a letter, upper case before lower, É (201) last.
    EXPECT_EQ(noms(ClasserIndiv(etat)), "ZZ DUPONT DUPONT DUPONTEL dupont \xC9ric ");
    EXPECT_EQ(rogner(ClasserIndiv(etat).TabEnreg[1].lire(champs::Prénom)), "Alice");
    ouvrir(contenu("ordre_du_fichier")); // equal from the surname on: the file's order
    EXPECT_EQ(ClasserIndiv(etat).TabEnreg[0].lire(champs::NomEquip).substr(0, 1), "B");
}

// "_" a tie with the entry before, hors concours or not; "H" a hors-concours gymnast.
TEST(PlacesIndividuelles, TiesShowNoPlaceAndAHorsConcoursGymnastUsesUpANumber) {
    PlacesIndiv places;
    std::string vues;
    const char* noms[] = {"X", "Y", "Z", "HC||H", "W", "V"};
    const int totaux[] = {3850, 3700, 3700, 3600, 3600, 3500};
    for (int i = 0; i < 6; ++i) {
        const PlacesIndiv::Place p =
            places.suivante(enreg(std::string("A|V|") + noms[i]), totaux[i]);
        vues += (p.exAequo ? "_" : std::to_string(p.numero)) + (p.horsConcours ? "H " : " ");
    }
    EXPECT_EQ(vues, "1 2 _ 4H _ 6 ");
}

TEST_F(Classements, TeamsAreRankedByTotalThenByNameWithTheirPlaces) {
    ouvrir(contenu("equipes_classees"));
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.NbEquipes, 3);
    EXPECT_EQ(noms(cl), "ALPHA/V BETA/V GAMMA/V ");
    EXPECT_EQ(cl.TabEquipes[0].TotalEquipe, 12000);
    EXPECT_EQ(cl.TabEquipes[2].TotalEquipe, 8600);
    EXPECT_EQ(cl.TabEquipes[2].Ville, "V" + std::string(19, ' '));
    // The counter goes up by one for each team listed; BETA, equal to ALPHA before it, shows
    // no place ("=").
    EXPECT_EQ(places(cl), "1 2= 3 ");
}

TEST_F(Classements, EveryRecordGetsItsTeamTotalOnFiveDigits) {
    ouvrir(contenu("cinq_chiffres"));
    const ClassementEquipes cl = ClasserEquipes(etat);
    const std::string disque = surDisque();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(disque.substr(k * 300 + 274, 5), k < 4 ? "00950" : "00000") << k;
    // A score never entered (NULs or blanks) shows as four zeros.
    EXPECT_EQ(cl.TabEquipes[1].Poutre(), "0000");
    EXPECT_EQ(cl.TabEquipes[0].Poutre(), "0950");
    EXPECT_EQ(cl.TabEquipes[0].note(6), "0000");
}

TEST_F(Classements, TeamOrderPlacesAndGroupsOfIndividualEntrants) {
    ouvrir(contenu("sans_tri"));
    EXPECT_EQ(noms(ClasserEquipes(etat, true)), "BETA/V ALPHA/W ALPHA/V ");
    // Sorted, teams of the same name and total keep the file's order too.
    EXPECT_EQ(noms(ClasserEquipes(etat)), "ALPHA/W ALPHA/V BETA/V ");
    // A group of individual entrants is ranked but gets no place; a tie with it shows none.
    ouvrir(contenu("groupe"));
    ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(noms(cl), "INDIV*/V ALPHA/V BETA/V ");
    EXPECT_EQ(places(cl), "- 1 2 ");
    ouvrir(contenu("groupe_egal"));
    EXPECT_EQ(places(ClasserEquipes(etat)), "- 1= ");
    // Only whole teams are ranked.
    ouvrir(contenu("equipe_entamee"));
    cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.TabEnreg.size(), 7U);
    EXPECT_EQ(noms(cl), "ALPHA/V ");
}

TEST_F(Classements, TheFirstMissingMarkIsNamedAndTheCheckStops) {
    ouvrir("M_2_PS00.PLM", contenu("notes_completes"));
    EXPECT_FALSE(VerifNotes(etat, dialogues));
    ouvrir(fichier({enregistrementProvisoire("0332000300")})); // no teams: nobody named
    EXPECT_FALSE(VerifNotes(etat, dialogues));
    EXPECT_TRUE(dialogues.messages.empty());

    ouvrir(contenu("note_manquante"));
    EXPECT_TRUE(VerifNotes(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1U);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte + "|" + m.titre, "MARTIN Jean-Luc\nde l'équipe : ALPHA\n\nManque la note du "
                                       "juge n° 2\nà l'épreuve : Saut|Impression impossible");
    EXPECT_TRUE(m.icone == Icone::Critique && m.boutons == Boutons::Ok);
    // The protect command gets the flag without a message.
    dialogues.messages.clear();
    EXPECT_TRUE(VerifNotes(etat, dialogues, "prot"));
    EXPECT_TRUE(dialogues.messages.empty());

    // Women are checked on their apparatus only.
    ouvrir("F_2_PS00.PLM", contenu("barres_un_juge"));
    EXPECT_TRUE(VerifNotes(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1U);
    EXPECT_EQ(dialogues.messages[0].texte, "DURAND Léa\nde l'équipe : ALPHA\n\nManque la note du "
                                           "juge n° 2\nà l'épreuve : Asymétriques");
    ouvrir(contenu("barres_deux_juges"));
    EXPECT_FALSE(VerifNotes(etat, dialogues));
}
