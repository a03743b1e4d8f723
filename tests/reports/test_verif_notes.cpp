#include "reports/verif_notes.h"

#include "platform/dialogues.h"
#include "reports/outils.h"

using namespace palmora;
using namespace palmora::test;

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
    EXPECT_TRUE(dialogues.messages.empty());

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
}

TEST_F(VerificationDesNotes, TheProtectCommandGetsTheFlagWithoutAMessage) {
    Enregistrement manque = marque("ALPHA", "DURAND", "Paul");
    manque.poser(champs::Notes(1, 2), std::string(3, '\0'));
    ouvrir(fichier({manque}));
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
