#include "data/competition.h"
#include "scoring/modi_juge.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;
using namespace std::literals;

namespace {

constexpr int kPoutre = 3, kBarres = 4, kSol = 6;

// A gymnast of team ALPHA (4 judges on each women's apparatus) with marks on one slot.
Enregistrement noté(std::string_view nom, int slot, std::initializer_list<std::string_view> notes,
                    std::string_view bloc = kBlocFeminin) {
    Enregistrement e = gymnaste("ALPHA", "01 BOURG", nom, bloc);
    int juge = 1;
    for (std::string_view note : notes)
        e.poser(champs::Notes(slot, juge++), note);
    return e;
}

struct ModiJuge : CompetOuverte {
    // What "&Oui" does: the check, then the rewrite.
    bool valider(const NbJuges& avant, const NbJuges& apres) {
        return ControlerRetraitJuges(etat, avant, apres, dialogues) &&
               EcrireJuges(etat, apres, dialogues);
    }
};

const NbJuges kQuatre = {0, 0, 0, 4, 4, 4, 4};

} // namespace

TEST_F(ModiJuge, RemovingAJudgeWhoGaveAMarkNamesTheFirstOneAndChangesNothing) {
    Enregistrement poutre = noté("ABEL", kPoutre, {"900", "900", "900", "900"});
    poutre.poser(champs::Notes(kBarres, 4), "000"); // 0,00 is no mark
    const struct {
        std::string fichier;
        NbJuges apres;
        const char* texte;
    } cas[] = {
        {fichier({noté("ABEL", kSol, {"950", "900", "000"}), noté("BRUN", kSol, {"", "", "875"}),
                  noté("CARO", kSol, {"800", "810", "820", "830"})}),
         {0, 0, 0, 4, 4, 2, 4},
         "Le juge n° 3 au sol\na déjà mis des notes"},
        {fichier({noté("ABEL", kSol, {"950", "900", "\0\0\0"sv, "075"})}),
         {0, 0, 0, 4, 4, 2, 4},
         "Le juge n° 4 au sol\na déjà mis des notes"},
        // The beam is checked on slot 3, after the other lines.
        {fichier({poutre}),
         {0, 0, 0, 3, 4, 4, 2},
         "Le juge n° 3 à la poutre \na déjà mis des notes"},
    };
    for (const auto& c : cas) {
        ouvrir(c.fichier);
        dialogues.messages.clear();
        EXPECT_FALSE(valider(kQuatre, c.apres));
        ASSERT_EQ(dialogues.messages.size(), 1u);
        EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
                  std::string("Modification impossible|") + c.texte);
        EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
        EXPECT_EQ(surDisque(), c.fichier);
        EXPECT_TRUE(etat.ouvert() && etat.BlocConfig() == kBlocFeminin);
    }
}

TEST_F(ModiJuge, JudgesWhoGaveOnlyZeroOrNothingMayGoAndEveryRecordGetsTheNewDigits) {
    // A hors-concours gymnast's marks are stored as 0,00.
    ouvrir(fichier({noté("ABEL", kSol, {"950", "900", "000", "000"}),
                    noté("BRUN", kSol, {"900", "880"}), slotLibre("ALPHA", "01 BOURG")}));
    ASSERT_TRUE(valider(kQuatre, {0, 0, 0, 2, 3, 2, 4}));
    constexpr std::string_view kNouveauBloc = "0430002324";
    EXPECT_EQ(surDisque(), fichier({noté("ABEL", kSol, {"950", "900", "000", "000"}, kNouveauBloc),
                                    noté("BRUN", kSol, {"900", "880"}, kNouveauBloc),
                                    slotLibre("ALPHA", "01 BOURG", kNouveauBloc)}));
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(etat.juges(champs::JugesSlot(6)), 2);
    EXPECT_TRUE(etat.BlocConfig() == kNouveauBloc && etat.NbEnreg() == 3);
    EXPECT_FALSE(std::filesystem::exists(dossier / "TEMPO"));

    // Raising needs no check, and the placeholder record is rewritten too.
    ouvrir(std::string(48, ' ') + "S650001111" + std::string(242, '\0'));
    ASSERT_TRUE(valider({0, 0, 0, 1, 1, 1, 1}, {0, 0, 0, 6, 1, 3, 2}));
    EXPECT_EQ(surDisque(), std::string(48, ' ') + "S650006132" + std::string(242, '\0'));
    EXPECT_EQ(etat.juges(champs::JugesPoutre), 2);
}

TEST_F(ModiJuge, AProtectedCompetitionRefusesThePanel) {
    EXPECT_FALSE(ModiJugePermis(etat, dialogues)) << "no competition open";
    EXPECT_TRUE(dialogues.messages.empty());

    Enregistrement e = noté("ABEL", kSol, {});
    e.poser(champs::MarqueProtection, std::string(1, kCode160));
    ouvrir(fichier({e}));
    dialogues.messages.clear();
    EXPECT_FALSE(ModiJugePermis(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
              "Modification interdite|Fichier protégé");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);

    MarquerProtection(etat, kNul, dialogues);
    EXPECT_TRUE(ModiJugePermis(etat, dialogues));
}
