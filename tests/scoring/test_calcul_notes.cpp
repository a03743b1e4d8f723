#include "data/competition.h"
#include "scoring/calcul_notes.h"

#include "support/compet_ouverte.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <csignal>
#include <initializer_list>
#include <sys/resource.h>

using namespace palmora;
using namespace palmora::test;

namespace {

const std::string kNul3(3, '\0');

// Settings block of a men's competition: no membership, teams of `effectif`, `retenues`
// scores retained, then the judges of Anneaux, Arçons, Fixe, Barres, Saut, Sol and Poutre.
std::string bloc(int effectif, int retenues, std::initializer_list<int> juges) {
    std::string b = "0" + std::to_string(effectif) + std::to_string(retenues);
    for (int n : juges)
        b += std::to_string(n);
    return b;
}

// Sets judge 1, 2, … of slot s; "" leaves a mark as never entered (NULs).
void noter(Enregistrement& e, int s, std::initializer_list<std::string_view> notes,
           std::string_view deduc = "") {
    int j = 1;
    for (std::string_view note : notes)
        e.poser(champs::Notes(s, j++), note, '\0');
    if (!deduc.empty()) e.poser(champs::Deduc(s), deduc);
}

struct Calcul : CompetOuverte {
    Calcul() { nom = "M_1_NS00.PLM"; }
    // The one-gymnast file `e`, run through the calculation: its score on slot s.
    std::string noteDe(const Enregistrement& e, int s) {
        ouvrir(fichier({e}));
        CalculNotes(etat);
        return std::string(Enregistrement(surDisque()).lire(champs::NoteAgres(s)));
    }
};

Enregistrement gym(std::string_view nom, const std::string& b) {
    return gymnaste("ALPHA", "01 BOURG", nom, b);
}

} // namespace

TEST(ArrondiNote, EveryRowOfTheRoundingTableHolds) {
    const struct {
        float note;
        const char* attendu;
    } table[] = {{35, "035"},     {36, "040"},      {37, "040"},     {39, "040"},
                 {39.5F, "040"},  {39.25F, "040"},  {39.75F, "045"}, {119.0F / 3, "045"},
                 {944.5F, "945"}, {944.75F, "950"}, {4.75F, "010"},  {994, "995"},
                 {995, "995"},    {995.5F, "999"},  {996, "999"},    {1030, "999"}};
    for (const auto& ligne : table)
        EXPECT_EQ(ArrondiNote(ligne.note), ligne.attendu) << ligne.note;
}

TEST(ArrondiNote, SmallScoresKeepThreeDigitsAndAScoreRaisedTwiceStaysTen) {
    EXPECT_EQ(ArrondiNote(0), "000");
    EXPECT_EQ(ArrondiNote(1), "005");
    EXPECT_EQ(ArrondiNote(5), "005");
    EXPECT_EQ(ArrondiNote(10), "010");
    EXPECT_EQ(ArrondiNote(100), "100");
    // Middle marks 9,95, 9,95 and 9,94 give 994.67, raised to 1000: stored as 10,00, not "100".
    EXPECT_EQ(ArrondiNote(2984.0F / 3), "999");
}

TEST_F(Calcul, TrimmedMeanFromOneToSixJudges) {
    const struct {
        int juges;
        std::initializer_list<std::string_view> notes;
        const char* attendu;
    } cas[] = {
        {1, {"950"}, "950"},
        {2, {"900", "850"}, "875"},
        {3, {"900", "850", "880"}, "880"},        // the middle mark
        {4, {"900", "900", "800", "850"}, "875"}, // one 9,00 and the 8,00 dropped
        {5, {"999", "995", "900", "995", "994"}, "999"},
        {6, {"900", "800", "850", "870", "880", "990"}, "875"},
    };
    for (const auto& c : cas) {
        Enregistrement e = gym("DURAND", bloc(4, 3, {0, 0, 0, 0, 0, c.juges, 0}));
        noter(e, 6, c.notes);
        EXPECT_EQ(noteDe(e, 6), c.attendu) << c.juges << " juges";
    }
}

TEST_F(Calcul, AMissingFirstMarkGivesNoScoreFromTwoJudgesOnAndAnyOtherCountsZero) {
    for (int juges = 2; juges <= 6; ++juges) {
        Enregistrement e = gym("DURAND", bloc(4, 3, {0, 0, 0, 0, 0, juges, 0}));
        noter(e, 6, {"", "900", "900", "900", "900", "900"});
        e.poser(champs::NoteAgres(6), "850");
        EXPECT_EQ(noteDe(e, 6), kNul3) << juges << " juges";
    }
    Enregistrement deux = gym("DURAND", bloc(4, 3, {0, 0, 0, 0, 0, 2, 0}));
    noter(deux, 6, {"900", ""});
    EXPECT_EQ(noteDe(deux, 6), "450");
}

TEST_F(Calcul, ASingleJudgeWithoutMarkGivesZeroOrTheBonus) {
    Enregistrement e = gym("DURAND", bloc(4, 3, {0, 0, 0, 0, 0, 1, 0}));
    noter(e, 6, {""});
    EXPECT_EQ(noteDe(e, 6), "000");
    noter(e, 6, {""}, "-050");
    EXPECT_EQ(noteDe(e, 6), "050");
}

TEST_F(Calcul, DeductionsAndBonusesAroundTheLimits) {
    Enregistrement e = gym("DURAND", bloc(4, 3, {0, 0, 0, 0, 0, 2, 0}));
    noter(e, 6, {"990", "999"});
    EXPECT_EQ(noteDe(e, 6), "995"); // 994.5
    noter(e, 6, {"990", "999"}, "    ");
    EXPECT_EQ(noteDe(e, 6), "995");
    noter(e, 6, {"990", "999"}, "-050");
    EXPECT_EQ(noteDe(e, 6), "999");
    noter(e, 6, {"100", "100"}, " 150");
    EXPECT_EQ(noteDe(e, 6), "000");
    noter(e, 6, {"950", "950"}, " 050");
    EXPECT_EQ(noteDe(e, 6), "900");
}

TEST_F(Calcul, OnlyTheScoresOfApparatusWithJudgesChangeAndASecondRunChangesNothing) {
    // Anneaux 4 judges, Sol 3, every other apparatus none.
    const std::string b = bloc(2, 1, {4, 0, 0, 0, 0, 3, 0});
    Enregistrement a = gym("DURAND", b);
    noter(a, 1, {"900", "900", "800", "850"});
    noter(a, 6, {"900", "850", "880"});
    noter(a, 2, {"900"});
    a.poser(champs::NoteAgres(2), "abc"); // an apparatus without judges keeps whatever it has
    Enregistrement libre = slotLibre("ALPHA", "01 BOURG", b);
    ouvrir(fichier({a, libre}));

    CalculNotes(etat);
    Enregistrement attendu = a;
    attendu.poser(champs::NoteAgres(1), "875");
    attendu.poser(champs::NoteAgres(6), "880");
    // The empty slot has no first mark: NULs, as before.
    EXPECT_EQ(surDisque(), fichier({attendu, libre}));
    CalculNotes(etat);
    EXPECT_EQ(surDisque(), fichier({attendu, libre}));
}

TEST_F(Calcul, WhenFixeAndPoutreBothHaveJudgesPoutreComesLast) {
    Enregistrement e = gym("DURAND", bloc(4, 3, {0, 0, 1, 0, 0, 0, 3}));
    noter(e, 3, {"900", "800", "700"});
    EXPECT_EQ(noteDe(e, 3), "800"); // Fixe alone would give 9,00
}

TEST_F(Calcul, ARecordThatCannotBeWrittenKeepsItsWholeContentAndNothingIsReported) {
    const std::string b = bloc(1, 1, {0, 0, 0, 0, 0, 1, 0});
    Enregistrement a = gym("ABEL", b);
    Enregistrement m = gym("MARTIN", b);
    Enregistrement z = gym("ZOLA", b);
    noter(a, 6, {"900"});
    noter(m, 6, {"850"});
    noter(z, 6, {"800"});
    ouvrir(fichier({a, m, z}));
    // The file may not be written past the middle of the second record's Sol score (EFBIG
    // there): the write of the three records stops inside that score.
    rlimit avant{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = avant;
    limite.rlim_cur = kTailleEnreg + champs::NoteAgres(6).position;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    CalculNotes(etat);
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal);

    Enregistrement attendu = a;
    attendu.poser(champs::NoteAgres(6), "900");
    EXPECT_EQ(surDisque(), fichier({attendu, m, z}));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Calcul, TeamTotalAddsTheBestRetainedScoresAndIsStoredInEveryRecord) {
    // 9,45, 10,00, none and 8,70, three retained: 28,15.
    const std::string b = bloc(4, 3, {0, 0, 0, 0, 0, 1, 0});
    Enregistrement equipe[4] = {gym("A", b), gym("B", b), gym("C", b), gym("D", b)};
    const char* notes[4] = {"945", "999", "\0\0\0", "870"};
    for (int k = 0; k < 4; ++k)
        equipe[k].poser(champs::NoteAgres(6), std::string_view(notes[k], 3));
    const Enregistrement autre = gymnaste("BETA", "38 VIENNE", "E", b);
    ouvrir(fichier({equipe[0], equipe[1], equipe[2], equipe[3], autre, autre, autre, autre}));

    EXPECT_EQ(TotalEquipeAgres(etat, 1, 6), "28,15");
    Enregistrement attendu[4] = {equipe[0], equipe[1], equipe[2], equipe[3]};
    for (Enregistrement& e : attendu)
        e.poser(champs::NoteEquipe(6), "2815");
    EXPECT_EQ(surDisque(), fichier({attendu[0], attendu[1], attendu[2], attendu[3], autre, autre,
                                    autre, autre}));

    // The retained count is the first record's.
    const auto retenues = [this](char compte) {
        std::string contenu = surDisque();
        contenu[champs::CalcEquip.position - 1] = compte;
        ouvrir(contenu);
    };
    retenues('1');
    EXPECT_EQ(TotalEquipeAgres(etat, 1, 6), "10,00");
    retenues('4');
    EXPECT_EQ(TotalEquipeAgres(etat, 1, 6), "28,15");
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::NoteEquipe(6)), "2815");
}

TEST_F(Calcul, TeamTotalTextsAndGroupsOfIndividuals) {
    const std::string b = bloc(2, 2, {0, 0, 0, 0, 0, 1, 0});
    Enregistrement a = gym("A", b);
    Enregistrement c = gym("C", b);
    a.poser(champs::NoteAgres(5), "400");
    c.poser(champs::NoteAgres(5), "305");
    Enregistrement individuels = gymnaste("LIBRES*", "38 VIENNE", "E", b);
    individuels.poser(champs::NoteAgres(5), "900");
    ouvrir(fichier({a, c, individuels, individuels}));

    EXPECT_EQ(TotalEquipeAgres(etat, 1, 5), "7,05");
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::NoteEquipe(5)), "0705");
    EXPECT_EQ(TotalEquipeAgres(etat, 1, 4), "0,00");
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::NoteEquipe(4)), "0000");

    const std::string avant = surDisque();
    EXPECT_EQ(TotalEquipeAgres(etat, 2, 5), std::nullopt);
    EXPECT_EQ(surDisque(), avant);
}
