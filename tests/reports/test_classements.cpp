// The individual and team rankings with their places and ties, and the check that every mark
// is entered before printing.
#include "reports/classement_equipes.h"
#include "reports/classement_indiv.h"
#include "reports/verif_notes.h"

#include "platform/dialogues.h"
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
};

// A team of four on the given team scores (slots 1 to 6), its last slot empty.
std::string equipe(std::string_view nom, std::string_view ville,
                   std::initializer_list<std::string_view> scores) {
    std::string contenu;
    for (std::string_view individu : {"UN", "DEUX", "TROIS"}) {
        G g(nom, ville, individu);
        int s = 1;
        for (std::string_view score : scores)
            g.equipe(s++, score);
        contenu += g.e.octets();
    }
    Enregistrement libre = slotLibre(nom, ville, kSansJuges);
    int s = 1;
    for (std::string_view score : scores)
        libre.poser(champs::NoteEquipe(s++), score);
    return contenu + std::string(libre.octets());
}

} // namespace

TEST_F(Classements, APlaceholderAloneIsRankedEmptyAndMakesNoTeam) {
    ouvrir(fichier({enregistrementProvisoire(kSansJuges)}));
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.NbEnreg, 1);
    EXPECT_EQ(cl.NbGymnastes, 0);
    ASSERT_EQ(cl.TabEnreg.size(), 1U);
    EXPECT_TRUE(gymnasteVide(cl.TabEnreg[0]));
    const ClassementEquipes equipes = ClasserEquipes(etat);
    EXPECT_EQ(equipes.NbEnreg, 1);
    EXPECT_TRUE(equipes.TabEquipes.empty());
    EXPECT_EQ(surDisque().substr(184, 4), "0000");
    EXPECT_EQ(surDisque().substr(274, 5), "00000");
}

TEST_F(Classements, TotalsAreSummedWrittenBackAndRankedHighestFirst) {
    Enregistrement deuxDix =
        G("ALPHA", "01 BOURG", "MARTIN").note(1, "999").note(3, "999").note(5, "850");
    Enregistrement nonNote = G("ALPHA", "01 BOURG", "DURAND").note(5, "950"); // NULs elsewhere
    Enregistrement blancs = G("ALPHA", "01 BOURG", "ZOLA").note(5, "  5").note(6, "   ");
    ouvrir(fichier({nonNote, blancs, deuxDix, slotLibre("ALPHA", "01 BOURG", kSansJuges)}));

    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.NbGymnastes, 3);
    EXPECT_EQ(noms(cl), "MARTIN DURAND ZOLA \xA0 ");
    EXPECT_EQ(cl.TotIndiv, (std::vector<int>{2850, 950, 5, 0}));
    EXPECT_EQ(cl.TabEnreg[0].lire(champs::TotalIndiv), "2850");

    // Only the totals changed on disk.
    deuxDix.poser(champs::TotalIndiv, "2850");
    nonNote.poser(champs::TotalIndiv, "0950");
    blancs.poser(champs::TotalIndiv, "0005");
    Enregistrement libre = slotLibre("ALPHA", "01 BOURG", kSansJuges);
    libre.poser(champs::TotalIndiv, "0000");
    EXPECT_EQ(surDisque(), fichier({nonNote, blancs, deuxDix, libre}));
}

TEST_F(Classements, ScoresAreRecomputedFromTheMarksFirst) {
    // One judge at Saut (slot 5): the score comes from his mark, whatever was stored.
    Enregistrement e = G("ALPHA", "01 BOURG", "MARTIN", "Anne", "0430000100").note(5, "100");
    e.poser(champs::Notes(5, 1), "875");
    ouvrir(fichier({e}));
    EXPECT_EQ(ClasserIndiv(etat).TotIndiv, std::vector<int>{875});
    EXPECT_EQ(surDisque().substr(184, 4), "0875");
}

TEST_F(Classements, AProtectedFileGetsItsIndividualTotalsButNotItsTeamTotals) {
    Enregistrement e = G("ALPHA", "01 BOURG", "MARTIN").note(6, "900");
    e[kTailleEnreg] = kCode160;
    ouvrir(fichier({e}));
    ASSERT_TRUE(etat.Protege());
    ClasserIndiv(etat);
    EXPECT_EQ(surDisque().substr(184, 4), "0900");

    std::string contenu = equipe("BETA", "V", {"", "", "1000", "", "", ""}) +
                          equipe("ALPHA", "V", {"", "", "2000", "", "", ""});
    contenu[299] = kCode160;
    ouvrir(contenu);
    ASSERT_TRUE(etat.Protege());
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(surDisque(), contenu);
    EXPECT_EQ(noms(cl), "ALPHA/V BETA/V ");
    EXPECT_EQ(cl.TabEquipes[0].TotalEquipe, 2000);
}

TEST_F(Classements, EqualTotalsGoByTheRecordFromTheSurnameInByteOrder) {
    ouvrir(fichier(
        {G("B", "V", "DUPONTEL").note(6, "900"), G("A", "V", "DUPONT", "Zoé").note(6, "900"),
         G("A", "V", "DUPONT", "Alice").note(6, "900"), G("A", "V", "Éric").note(6, "900"),
         G("A", "V", "dupont").note(6, "900"), G("C", "V", "ZZ").note(6, "950")}));
    // The padding space sorts before a letter, upper case before lower, É (201) last.
    EXPECT_EQ(noms(ClasserIndiv(etat)), "ZZ DUPONT DUPONT DUPONTEL dupont \xC9ric ");
    EXPECT_EQ(rogner(ClasserIndiv(etat).TabEnreg[1].lire(champs::Prénom)), "Alice");
    // Records equal from the surname on keep the order of the file.
    ouvrir(fichier({G("B", "V", "X").note(6, "900"), G("A", "V", "X").note(6, "900")}));
    EXPECT_EQ(ClasserIndiv(etat).TabEnreg[0].lire(champs::NomEquip).substr(0, 1), "B");
}

TEST(PlacesIndividuelles, TiesShowNoPlaceAndAHorsConcoursGymnastUsesUpANumber) {
    PlacesIndiv places;
    std::string vues;
    for (int total : {3850, 3700, 3700, 3600}) {
        const PlacesIndiv::Place p = places.suivante(G("A", "V", "X"), total);
        vues += p.exAequo ? "_ " : std::to_string(p.numero) + " ";
    }
    EXPECT_EQ(vues, "1 2 _ 4 ");

    PlacesIndiv hc;
    EXPECT_FALSE(hc.suivante(G("A", "V", "X"), 3850).horsConcours);
    EXPECT_TRUE(hc.suivante(G("A", "V", "HC").horsConcours(), 3700).horsConcours);
    const PlacesIndiv::Place troisieme = hc.suivante(G("A", "V", "Y"), 3600);
    EXPECT_EQ(troisieme.numero, 3);
    EXPECT_FALSE(troisieme.exAequo || troisieme.horsConcours);
    // Tied with the hors-concours gymnast just before.
    EXPECT_TRUE(hc.suivante(G("A", "V", "Z"), 3600).exAequo);
}

TEST(GymnasteVide, BlankNamesOrALoneCode160MakeAnEmptySlot) {
    EXPECT_TRUE(gymnasteVide(enregistrementProvisoire(kSansJuges)));
    EXPECT_TRUE(gymnasteVide(slotLibre("A", "V")));
    EXPECT_FALSE(gymnasteVide(G("A", "V", "X")));
    Enregistrement prenomSeul = slotLibre("A", "V");
    prenomSeul.poser(champs::Prénom, "Anne");
    EXPECT_FALSE(gymnasteVide(prenomSeul));
}

TEST_F(Classements, TeamsAreRankedByTotalThenByNameWithTheirPlaces) {
    ouvrir(equipe("GAMMA", "V", {"0000", "0000", "2000", "2100", "2200", "2300"}) +
           equipe("BETA", "V", {"", "", "3000", "3000", "3000", "3000"}) +
           equipe("ALPHA", "V", {"", "", "3000", "3000", "3000", "3000"}));
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.NbEquipes, 3);
    EXPECT_EQ(noms(cl), "ALPHA/V BETA/V GAMMA/V ");
    EXPECT_EQ(cl.TabEquipes[0].TotalEquipe, 12000);
    EXPECT_EQ(cl.TabEquipes[2].TotalEquipe, 8600);
    EXPECT_EQ(cl.TabEquipes[2].Ville, "V" + std::string(19, ' '));

    PlacesEquipes places;
    EXPECT_EQ(places.suivante(cl.TabEquipes[0])->numero, 1);
    EXPECT_TRUE(places.suivante(cl.TabEquipes[1])->exAequo);
    const auto troisieme = places.suivante(cl.TabEquipes[2]);
    EXPECT_EQ(troisieme->numero, 3);
    EXPECT_FALSE(troisieme->exAequo);
}

TEST_F(Classements, EveryRecordGetsItsTeamTotalOnFiveDigits) {
    ouvrir(equipe("ALPHA", "V", {"", "", "0950", "", "", ""}) + equipe("BETA", "V", {}));
    const ClassementEquipes cl = ClasserEquipes(etat);
    const std::string disque = surDisque();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(disque.substr(k * 300 + 274, 5), k < 4 ? "00950" : "00000") << k;
    // A score never entered (NULs or blanks) shows as four zeros.
    EXPECT_EQ(cl.TabEquipes[1].Poutre(), "0000");
    EXPECT_EQ(cl.TabEquipes[0].Poutre(), "0950");
    EXPECT_EQ(cl.TabEquipes[0].note(6), "0000");
}

TEST_F(Classements, WithoutSortTheTableKeepsTheOrderOfTheFile) {
    ouvrir(equipe("BETA", "V", {"1000"}) + equipe("ALPHA", "W", {"2000"}) +
           equipe("ALPHA", "V", {"2000"}));
    EXPECT_EQ(noms(ClasserEquipes(etat, true)), "BETA/V ALPHA/W ALPHA/V ");
    // Sorted, teams of the same name and total keep it too.
    EXPECT_EQ(noms(ClasserEquipes(etat)), "ALPHA/W ALPHA/V BETA/V ");
}

TEST_F(Classements, AGroupOfIndividualEntrantsIsRankedButNotListed) {
    ouvrir(equipe("BETA", "V", {"1000"}) + equipe("INDIV*", "V", {"6000"}) +
           equipe("ALPHA", "V", {"5000"}));
    ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(noms(cl), "INDIV*/V ALPHA/V BETA/V ");
    PlacesEquipes places;
    EXPECT_FALSE(places.suivante(cl.TabEquipes[0]));
    EXPECT_EQ(places.suivante(cl.TabEquipes[1])->numero, 1);
    EXPECT_EQ(places.suivante(cl.TabEquipes[2])->numero, 2);

    // A tie with an unlisted group shows no place.
    ouvrir(equipe("BETA", "V", {"5000"}) + equipe("AAA*", "V", {"5000"}));
    cl = ClasserEquipes(etat);
    PlacesEquipes apres;
    EXPECT_FALSE(apres.suivante(cl.TabEquipes[0]));
    const auto beta = apres.suivante(cl.TabEquipes[1]);
    EXPECT_EQ(beta->numero, 1);
    EXPECT_TRUE(beta->exAequo);
}

TEST_F(Classements, OnlyWholeTeamsAreRanked) {
    ouvrir(equipe("ALPHA", "V", {"2000"}) + equipe("BETA", "V", {"3000"}).substr(0, 900));
    const ClassementEquipes cl = ClasserEquipes(etat);
    EXPECT_EQ(cl.TabEnreg.size(), 7U);
    EXPECT_EQ(noms(cl), "ALPHA/V ");
}

namespace {

// Men, teams of 3: 2 judges at Anneaux, 3 at Saut, none at Sol.
constexpr std::string_view kBlocHommes = "0332000300";

Enregistrement marque(std::string_view equipe, std::string_view nom, std::string_view prenom) {
    Enregistrement e = G(equipe, "01 BOURG", nom, prenom, kBlocHommes);
    for (int j = 1; j <= 2; ++j)
        e.poser(champs::Notes(1, j), "900");
    for (int j = 1; j <= 3; ++j)
        e.poser(champs::Notes(5, j), "850");
    return e;
}

struct VerificationDesNotes : CompetOuverte {
    VerificationDesNotes() { nom = "M_2_PS00.PLM"; }
};

} // namespace

TEST_F(VerificationDesNotes, AllMarksEnteredShowsNothing) {
    Enregistrement blanc = marque("ALPHA", "PETIT", "Luc");
    blanc.poser(champs::Notes(5, 3), "   ");                            // typed as blanks: entered
    Enregistrement libre = slotLibre("ALPHA", "01 BOURG", kBlocHommes); // marks never entered
    ouvrir(fichier({marque("ALPHA", "DURAND", "Paul"), blanc, libre}));
    EXPECT_FALSE(VerifNotes(etat, dialogues));
    // The placeholder of a competition without teams names nobody.
    ouvrir(fichier({enregistrementProvisoire(kBlocHommes)}));
    EXPECT_FALSE(VerifNotes(etat, dialogues));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(VerificationDesNotes, TheFirstMissingMarkIsNamedAndTheCheckStops) {
    Enregistrement troisieme = marque("ALPHA", "MARTIN", "Jean-Luc");
    troisieme.poser(champs::Notes(5, 2), std::string(3, '\0'));
    Enregistrement plusLoin = marque("BETA", "ZOLA", "Émile");
    plusLoin.poser(champs::Notes(1, 1), std::string(3, '\0'));
    ouvrir(fichier(
        {marque("ALPHA", "DURAND", "Paul"), marque("ALPHA", "PETIT", "Luc"), troisieme, plusLoin}));

    EXPECT_TRUE(VerifNotes(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1U);
    const Message& m = dialogues.messages[0];
    EXPECT_EQ(m.texte, "MARTIN Jean-Luc\nde l'équipe : ALPHA\n\nManque la note du juge n° 2\n"
                       "à l'épreuve : Saut");
    EXPECT_EQ(m.titre, "Impression impossible");
    EXPECT_EQ(m.icone, Icone::Critique);
    EXPECT_EQ(m.boutons, Boutons::Ok);

    // The protect command gets the flag without a message.
    dialogues.messages.clear();
    EXPECT_TRUE(VerifNotes(etat, dialogues, "prot"));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(VerificationDesNotes, WomenAreCheckedOnTheirApparatusOnly) {
    nom = "F_2_PS00.PLM";
    // Two judges at Barres, none elsewhere: the men's marks left empty never matter.
    Enregistrement e = G("ALPHA", "01 BOURG", "DURAND", "Léa", "0430002000");
    e.poser(champs::Notes(4, 1), "900");
    ouvrir(fichier({e}));
    EXPECT_TRUE(VerifNotes(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1U);
    EXPECT_EQ(dialogues.messages[0].texte, "DURAND Léa\nde l'équipe : ALPHA\n\nManque la note du "
                                           "juge n° 2\nà l'épreuve : Asymétriques");
    e.poser(champs::Notes(4, 2), "900");
    ouvrir(fichier({e}));
    EXPECT_FALSE(VerifNotes(etat, dialogues));
}
