#include "data/competition.h"
#include "scoring/saisie_notes.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

// Men, teams of 4 with 3 retained, 4 judges at Sol and none elsewhere.
constexpr std::string_view kBloc = "0430000040";

const Agres& agres(char codeAgres, std::string_view libelle) {
    for (const Agres& a : agresDe(codeAgres))
        if (a.libelle == libelle) return a;
    throw std::invalid_argument("agrès");
}

Enregistrement gym(std::string_view equipe, std::string_view nom) {
    return gymnaste(equipe, "01 BOURG", nom, kBloc);
}

// A row as one line: shown, out of competition, names, the six marks, deduction, score.
std::string vue(const LigneSaisie& l) {
    std::string t = std::string(l.visible ? "V" : "-") + (l.horsConcours ? "H " : "  ") + l.Nom +
                    " " + l.Prénom + " |";
    for (const std::string& note : l.textes.notes)
        t += note + "|";
    return t + l.textes.Déd + "|" + l.Défin;
}

// A team's heading as one line: name, total shown and stored, the arrows to the others.
std::string tete(const EquipeNotee& e) {
    return e.Ekip + "|" + (e.totalVisible ? "T " : "- ") + e.Totéq.value_or("?") + "|" +
           (e.Avant ? "<" : "") + (e.Après ? ">" : "");
}

struct Saisie : CompetOuverte {
    Saisie() { nom = "M_1_NS00.PLM"; }
};

// Team ALPHA: a gymnast with marks, one without, one out of competition, an empty place.
struct EquipeAlpha : Saisie {
    Enregistrement durand = gym("ALPHA", "DURAND");
    Enregistrement martin = gym("ALPHA", "MARTIN");
    Enregistrement petit = gym("ALPHA", "PETIT");
    Enregistrement libre = slotLibre("ALPHA", "01 BOURG", kBloc);
    Enregistrement beta = gym("BETA", "ABEL");

    void SetUp() override {
        durand.poser(champs::Notes(6, 1), "950");
        durand.poser(champs::Notes(6, 2), "900");
        // A fifth judge's mark, left from a larger panel: neither shown nor kept.
        durand.poser(champs::Notes(6, 5), "900");
        durand.poser(champs::Deduc(6), " 050");
        durand.poser(champs::NoteAgres(6), "945");
        martin.poser(champs::NoteAgres(6), "999");
        petit.poser(champs::SurCl, "H");
        petit.poser(champs::Notes(6, 1), "875");
        for (Enregistrement* e : {&durand, &martin, &petit, &libre})
            e->poser(champs::NoteEquipe(6), "0705");
        ouvrir(fichier({durand, martin, petit, libre, beta, beta, beta, beta}));
    }
};

} // namespace

TEST_F(EquipeAlpha, ATeamIsShownWithItsMarksScoresAndStoredTotal) {
    SaisieNotes saisie(etat, dialogues, agres('M', "Sol"));
    EXPECT_EQ(std::to_string(saisie.NbJuges()) + saisie.NomAppareil(), "4Notes au sol");
    EXPECT_EQ(saisie.titre(), "Saisie des notes - " + etat.DescriptionCompet());
    EXPECT_EQ(saisie.nbEquipes(), 2);

    const EquipeNotee equipe = saisie.ChargerEquipe(1);
    EXPECT_EQ(tete(equipe), "Equipe : ALPHA (1/2)|T 07,05|>");
    ASSERT_EQ(equipe.lignes.size(), 4U);

    EXPECT_EQ(vue(equipe.lignes[0]), "V  DURAND Anne |9,50|9,00||||| 0,50|9,45");
    EXPECT_EQ(vue(equipe.lignes[1]), "V  MARTIN Anne ||||||||10,00");
    // Out of competition: every judge's mark shows 0,00 whatever is stored.
    EXPECT_EQ(vue(equipe.lignes[2]), "VH PETIT Anne |0,00|0,00|0,00|0,00||||");
    EXPECT_FALSE(equipe.lignes[3].visible);

    // Nothing stored ("?"): the label keeps its text.
    EXPECT_EQ(tete(saisie.ChargerEquipe(2)), "Equipe : BETA (2/2)|T ?|<");
    EXPECT_EQ(saisie.EquipeCourante(), 2);
}

TEST_F(EquipeAlpha, ValiderStoresTheBoxesRecomputesAndStoresTheTeamTotal) {
    SaisieNotes saisie(etat, dialogues, agres('M', "Sol"));
    saisie.ChargerEquipe(1);
    // Whatever an empty place's row still holds, its record keeps no mark.
    const std::vector<TextesLigne> lignes = {{{"9,50", "9,00", "8,50", "9,20"}, " 0,50"},
                                             {{"9,00", "9,00", "9,00", "9,00"}, "-0,50"},
                                             {{"0,00", "0,00", "0,00", "0,00"}, ""},
                                             {{"5,00", "5,00", "5,00", "5,00"}, " 1,00"}};

    const EquipeRafraichie vu = saisie.Valider(lignes);

    // DURAND: 9,50 and 8,50 dropped, 9,10 less 0,50. MARTIN: 9,00 and a bonus of 0,50. The team:
    // 9,50 + 8,60 + 0,00.
    EXPECT_EQ(surDisque(), lireFichier(PALMORA_FIXTURES "/valider-alpha.PLM"));
    EXPECT_EQ(vu.Défin, (std::vector<std::string>{"8,60", "9,50", "0,00", ""}));
    EXPECT_EQ(vu.Déd, (std::vector<std::string>{" 0,50", "-0,50", " 0,00", " 0,00"}));
    EXPECT_EQ(vu.Totéq, "18,10");
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(Saisie, AGroupOfIndividualsGetsNoTeamTotal) {
    Enregistrement e = gym("LIBRES*", "DURAND");
    e.poser(champs::Notes(6, 1), "900");
    ouvrir(fichier({e, e, e, e}));
    SaisieNotes saisie(etat, dialogues, agres('M', "Sol"));
    EXPECT_EQ(tete(saisie.ChargerEquipe(1)), "Equipe : LIBRES* (1/1)|- ?|");
    std::vector<TextesLigne> lignes(4, TextesLigne{{"9,00"}, ""});
    EXPECT_EQ(saisie.Valider(lignes).Totéq, std::nullopt);
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::NoteEquipe(6)), std::string(4, '\0'));
}

TEST_F(Saisie, WithoutTeamsNothingIsWritten) {
    const std::string provisoire = fichier({enregistrementProvisoire(kBloc)});
    ouvrir(provisoire);
    SaisieNotes saisie(etat, dialogues, agres('M', "Sol"));
    EXPECT_EQ(saisie.nbEquipes(), 0);
    saisie.ChargerEquipe(1);
    saisie.Valider(std::vector<TextesLigne>(4));
    EXPECT_EQ(surDisque(), provisoire);
}

TEST_F(Saisie, TheBeamAndTheBarShareSlotThreeWithTheirOwnJudges) {
    // Women: the beam's judges (position 58); men: the horizontal bar's (position 54).
    ouvrir("F_1_NS00.PLM", fichier({gymnaste("A", "01 B", "C", "0430004402")}));
    EXPECT_EQ(SaisieNotes(etat, dialogues, agres('F', "Poutre")).NbJuges(), 2);
    ouvrir("M_1_NS00.PLM", fichier({gymnaste("A", "01 B", "C", "0430030405")}));
    EXPECT_EQ(SaisieNotes(etat, dialogues, agres('M', "Fixe")).NbJuges(), 3);
    // Mini-enchaînements are marked on the women's apparatus whatever the sex.
    ouvrir("M_E_NS00.PLM", fichier({gymnaste("A", "01 B", "C", "0430014402")}));
    EXPECT_EQ(SaisieNotes(etat, dialogues, agres('F', "Poutre")).NbJuges(), 2);
}

TEST_F(Saisie, MarksMayBeEnteredOnlyOnTheOpenUnprotectedCompetitionsApparatus) {
    EXPECT_EQ(agresSaisissable(etat, "Sol"), nullptr);
    ouvrir(fichier({gym("ALPHA", "DURAND")}));
    ASSERT_NE(agresSaisissable(etat, "Sol"), nullptr);
    EXPECT_EQ(agresSaisissable(etat, "Sol")->slot, 6);
    EXPECT_EQ(agresSaisissable(etat, "Poutre"), nullptr);
    Enregistrement protege = gym("ALPHA", "DURAND");
    protege[champs::MarqueProtection.position] = kCode160;
    ouvrir(fichier({protege}));
    EXPECT_EQ(agresSaisissable(etat, "Sol"), nullptr);
}
