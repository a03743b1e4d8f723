#include "data/competition.h"
#include "scoring/boites_notes.h"
#include "scoring/calcul_notes.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <csignal>
#include <iterator>
#include <sstream>
#include <sys/resource.h>

using namespace palmora;
using namespace palmora::test;

namespace {

// A table of tests/data/notes.
std::vector<std::vector<std::string>> table(const std::string& nom) {
    auto lignes = lireTable(std::filesystem::path(PALMORA_FIXTURES) / nom);
    EXPECT_GT(lignes.size(), 4U) << nom;
    return lignes;
}

Enregistrement gym(std::string_view nom, std::string_view bloc, std::string_view note = {}) {
    Enregistrement e = gymnaste("ALPHA", "01 BOURG", nom, bloc);
    if (!note.empty()) e.poser(champs::Notes(6, 1), note);
    return e;
}

// Sets judge 1, 2, ... of slot s; "_" leaves a mark as never entered (NULs).
void noter(Enregistrement& e, int s, const std::vector<std::string>& notes) {
    for (std::size_t j = 0; j < notes.size(); ++j)
        e.poser(champs::Notes(s, static_cast<int>(j) + 1), notes[j] == "_" ? "" : notes[j], '\0');
}

struct Calcul : CompetOuverte {
    Calcul() { nom = "M_1_NS00.PLM"; }
};

} // namespace

TEST(ArrondiNote, EveryRowOfTheRoundingTableHolds) {
    for (const auto& l : table("arrondis.txt")) {
        const auto barre = l[0].find('/');
        const float note = barre == std::string::npos ? std::stof(l[0])
                                                      : std::stof(l[0].substr(0, barre)) /
                                                            std::stof(l[0].substr(barre + 1));
        EXPECT_EQ(ArrondiNote(note), l[1]) << l[0];
    }
}

TEST(BoitesNotes, EveryKeyAndEveryBoxLeftAsTheTableSays) {
    for (const auto& l : table("boites.txt")) {
        const std::optional<std::string> vu = l[0] == "touche"       ? toucheNote(l[1])
                                              : l[0] == "touche-déd" ? toucheDeduction(l[1])
                                              : l[0] == "note"       ? normaliserNote(l[1])
                                                                     : normaliserDeduction(l[1]);
        EXPECT_EQ(vu.value_or("refus"), l[2]) << l[0] << " [" << l[1] << "]";
    }
}

TEST_F(Calcul, EachRowOfMarksGivesItsScore) {
    for (const auto& l : table("notes_juges.txt")) {
        const int s = std::stoi(l[1]);
        Enregistrement e = gym("DURAND", l[0]);
        std::istringstream flux(l[2]);
        noter(e, s, {std::istream_iterator<std::string>(flux), {}});
        if (!l[3].empty()) e.poser(champs::Deduc(s), l[3]);
        e.poser(champs::NoteAgres(s), "abc");
        ouvrir(fichier({e}));
        CalculNotes(etat);
        EXPECT_EQ(Enregistrement(surDisque()).lire(champs::NoteAgres(s)),
                  l[4] == "NUL" ? std::string(3, '\0') : l[4])
            << l[0] << " " << l[2] << " [" << l[3] << "]";
    }
}

TEST_F(Calcul, OnlyTheScoresOfApparatusWithJudgesChangeAndASecondRunChangesNothing) {
    // Teams of 2, 1 retained; Anneaux 4 judges, Sol 3, every other apparatus none.
    const std::string b = "0214000030";
    Enregistrement a = gym("DURAND", b);
    noter(a, 1, {"900", "900", "800", "850"});
    noter(a, 6, {"900", "850", "880"});
    noter(a, 2, {"900"});
    a.poser(champs::NoteAgres(2), "abc"); // an apparatus without judges keeps whatever it has
    Enregistrement libre = slotLibre("ALPHA", "01 BOURG", b);
    ouvrir(fichier({a, libre}));

    Enregistrement attendu = a;
    attendu.poser(champs::NoteAgres(1), "875");
    attendu.poser(champs::NoteAgres(6), "880");
    for (int fois = 0; fois < 2; ++fois) {
        CalculNotes(etat);
        EXPECT_EQ(surDisque(), fichier({attendu, libre}));
    }
}

TEST_F(Calcul, ARecordThatCannotBeWrittenKeepsItsWholeContentAndNothingIsReported) {
    const std::string b = "0110000010"; // teams of 1, one judge at Sol
    const Enregistrement a = gym("ABEL", b, "900"), m = gym("MARTIN", b, "850"),
                         z = gym("ZOLA", b, "800");
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

TEST_F(Calcul, TeamTotalsAddTheBestRetainedScoresAndAreStoredInEveryRecordOfTheTeam) {
    for (const auto& l : table("totaux.txt")) {
        const int s = std::stoi(l[2]);
        std::istringstream flux(l[1]);
        std::string contenu, attendu, autres;
        for (std::string note; flux >> note;) {
            Enregistrement e = gym("A", l[0]);
            e.poser(champs::NoteAgres(s), note == "_" ? std::string(3, '\0') : note);
            if (!l[3].empty() && contenu.empty()) e[champs::CalcEquip.position] = l[3][0];
            contenu += e.octets();
            e.poser(champs::NoteEquipe(s), l[5]);
            attendu += e.octets();
            autres += gymnaste("BETA", "38 VIENNE", "E", l[0]).octets();
        }
        ouvrir(contenu + autres);
        EXPECT_EQ(TotalEquipeAgres(etat, 1, s), l[4]) << l[1] << " " << l[3];
        EXPECT_EQ(surDisque(), attendu + autres) << l[1] << " " << l[3];
    }
}
