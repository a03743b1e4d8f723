// Scores: the rules on the logic, then what the acceptance run does not see of the windows
// (labels, beeps, focus moves, refusals, Escape and Annuler, the panel of an open competition).
#include "scoring/ModiJuge.h"
#include "scoring/Saisie.h"
#include "scoring/boites_notes.h"
#include "scoring/calcul_notes.h"
#include "scoring/modi_juge.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"
#include "support/pilote_modal.h"

#include <QLabel>
#include <QLineEdit>

#include <csignal>
#include <sstream>
#include <sys/resource.h>

using namespace palmora;
using namespace palmora::test;

namespace {

// Men, teams of 4 with 3 retained, 4 judges at Sol and none elsewhere.
constexpr std::string_view kBloc = "0430000040";

std::vector<std::vector<std::string>> table(const std::string& nom) {
    auto lignes = lireTable(std::filesystem::path(PALMORA_FIXTURES) / nom);
    EXPECT_GT(lignes.size(), 4U) << nom;
    return lignes;
}

// A gymnast whose judges 1, 2, ... of slot s gave `notes` ("_": never entered, NULs).
Enregistrement gym(std::string_view equipe, std::string_view nom, std::string_view bloc = kBloc,
                   int s = 6, const std::string& notes = "") {
    Enregistrement e = gymnaste(equipe, "01 BOURG", nom, bloc);
    std::istringstream flux(notes);
    int j = 0;
    for (std::string n; flux >> n;)
        e.poser(champs::Notes(s, ++j), n == "_" ? "" : n, '\0');
    return e;
}

// A row, then a team's heading, as one line.
std::string vue(const LigneSaisie& l) {
    if (!l.visible) return "-";
    std::string t = std::string(l.horsConcours ? "H " : "  ") + l.Nom + " " + l.Prénom + " |";
    for (const std::string& note : l.textes.notes)
        t += note + "|";
    return t + l.textes.Déd + "|" + l.Défin;
}

std::string tete(const EquipeNotee& e) {
    return e.Ekip + "|" + (e.totalVisible ? "T " : "- ") + e.Totéq.value_or("?") + "|" +
           (e.Avant ? "<" : "") + (e.Après ? ">" : "");
}

// The child of that object name (and "index" property, the row of the score entry).
template <class W = QWidget> W* enfant(const QWidget& f, const std::string& nom, int rangee = -1) {
    for (W* w : f.findChildren<W*>(QString::fromStdString(nom)))
        if (rangee < 0 || w->property("index").toInt() == rangee) return w;
    ADD_FAILURE() << nom << " " << rangee;
    return nullptr;
}

QString texteDe(const QWidget& f, const std::string& nom, int rangee = -1) {
    return enfant<QLabel>(f, nom, rangee)->text();
}

struct Notes : CompetOuverte {
    std::optional<Saisie> fenetre;

    QLineEdit* boite(const char* nom, int rangee) const {
        return enfant<QLineEdit>(*fenetre, nom, rangee);
    }
    QString texte(const char* nom, int rangee = -1) const { return texteDe(*fenetre, nom, rangee); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void touche(Qt::Key k) { QTest::keyClick(focus(), k); }
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

TEST_F(Notes, EachRowOfMarksGivesItsScore) {
    for (const auto& l : table("notes_juges.txt")) {
        const int s = std::stoi(l[1]);
        Enregistrement e = gym("ALPHA", "DURAND", l[0], s, l[2]);
        if (!l[3].empty()) e.poser(champs::Deduc(s), l[3]);
        e.poser(champs::NoteAgres(s), "abc");
        ouvrir(fichier({gym("ALPHA", "AVANT", l[0]), e})); // second, after one without marks
        CalculNotes(etat);
        EXPECT_EQ(Enregistrement(surDisque().substr(kTailleEnreg)).lire(champs::NoteAgres(s)),
                  l[4] == "NUL" ? std::string(3, '\0') : l[4])
            << l[0] << " " << l[2] << " [" << l[3] << "]";
    }
}

TEST_F(Notes, ARecordThatCannotBeWrittenKeepsItsWholeContentAndTheNextAreLeft) {
    const std::string b = "0110000010"; // teams of 1, one judge at Sol
    const Enregistrement a = gym("ALPHA", "ABEL", b, 6, "900"),
                         m = gym("ALPHA", "MARTIN", b, 6, "850");
    ouvrir(fichier({a, m, m}));
    // Writing stops (EFBIG) in the middle of the second record's Sol score.
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
    EXPECT_EQ(surDisque(), fichier({attendu, m, m}));
}

TEST_F(Notes, TeamTotalsAddTheBestRetainedScoresAndAreStoredInEveryRecordOfTheTeam) {
    for (const auto& l : table("totaux.txt")) {
        const int s = std::stoi(l[3]);
        std::istringstream flux(l[2]);
        std::string contenu, attendu, autres;
        for (std::string note; flux >> note;) {
            Enregistrement e = gym(l[0], "A", l[1]);
            e.poser(champs::NoteAgres(s), note == "_" ? std::string(3, '\0') : note);
            if (!l[4].empty() && contenu.empty()) e[champs::CalcEquip.position] = l[4][0];
            contenu += e.octets();
            if (!l[6].empty()) e.poser(champs::NoteEquipe(s), l[6]);
            attendu += e.octets();
            autres += gymnaste("BETA", "38 VIENNE", "E", l[1]).octets();
        }
        ouvrir(contenu + autres);
        EXPECT_EQ(TotalEquipeAgres(etat, 1, s).value_or("-"), l[5]) << l[0] << " " << l[2];
        EXPECT_EQ(surDisque(), attendu + autres) << l[0] << " " << l[2] << " " << l[4];
    }
}

TEST_F(Notes, ATeamIsShownWithItsMarksAndScoresThenValiderStoresTheBoxesAndTheTeamTotal) {
    // Team ALPHA at Sol: a gymnast with marks (and a fifth judge's, left from a larger panel:
    // neither shown nor kept), one without, one out of competition, an empty place; then BETA.
    Enregistrement durand = gym("ALPHA", "DURAND", kBloc, 6, "950 900 _ _ 900"),
                   martin = gym("ALPHA", "MARTIN"), petit = gym("ALPHA", "PETIT", kBloc, 6, "875"),
                   libre = slotLibre("ALPHA", "01 BOURG", kBloc), beta = gym("BETA", "ABEL");
    durand.poser(champs::Deduc(6), " 050");
    durand.poser(champs::NoteAgres(6), "945");
    martin.poser(champs::NoteAgres(6), "999");
    petit.poser(champs::SurCl, "H");
    for (Enregistrement* e : {&durand, &martin, &petit, &libre})
        e->poser(champs::NoteEquipe(6), "0705");
    ouvrir(fichier({durand, martin, petit, libre, beta, beta, beta, beta}));
    SaisieNotes saisie(etat, dialogues, *agresSaisissable(etat, "Sol"));
    const EquipeNotee alpha = saisie.ChargerEquipe(1);
    std::string vu = saisie.NomAppareil() + "\n" + tete(alpha) + "\n";
    for (const LigneSaisie& l : alpha.lignes)
        vu += vue(l) + "\n";
    // Out of competition, every judge's mark shows 0,00 whatever is stored; nothing stored
    // ("?"): the label keeps its text.
    EXPECT_EQ(vu + tete(saisie.ChargerEquipe(2)), "Notes au sol\n"
                                                  "Equipe : ALPHA (1/2)|T 07,05|>\n"
                                                  "  DURAND Anne |9,50|9,00||||| 0,50|9,45\n"
                                                  "  MARTIN Anne ||||||||10,00\n"
                                                  "H PETIT Anne |0,00|0,00|0,00|0,00||||\n"
                                                  "-\n"
                                                  "Equipe : BETA (2/2)|T ?|<");

    saisie.ChargerEquipe(1);
    // Whatever an empty place's row still holds, its record keeps no mark.
    const EquipeRafraichie rafraichie =
        saisie.Valider({{{"9,50", "9,00", "8,50", "9,20"}, " 0,50"},
                        {{"9,00", "9,00", "9,00", "9,00"}, "-0,50"},
                        {{"0,00", "0,00", "0,00", "0,00"}, ""},
                        {{"5,00", "5,00", "5,00", "5,00"}, " 1,00"}});
    // DURAND: 9,50 and 8,50 dropped, 9,10 less 0,50. MARTIN: 9,00 and a bonus of 0,50. The team:
    // 9,50 + 8,60 + 0,00.
    EXPECT_EQ(surDisque(), lireFichier(PALMORA_FIXTURES "/valider-alpha.PLM"));
    EXPECT_EQ(rafraichie.Défin, (std::vector<std::string>{"8,60", "9,50", "0,00", ""}));
    EXPECT_EQ(rafraichie.Déd, (std::vector<std::string>{" 0,50", "-0,50", " 0,00", " 0,00"}));
    EXPECT_EQ(rafraichie.Totéq, "18,10");
}

TEST_F(Notes, MarksAndJudgesGoOnlyToAnOpenUnprotectedCompetitionWithTeams) {
    EXPECT_EQ(agresSaisissable(etat, "Sol"), nullptr);
    EXPECT_FALSE(ModiJugePermis(etat, dialogues));
    const std::string provisoire = fichier({enregistrementProvisoire(kBloc)});
    ouvrir(provisoire);
    SaisieNotes saisie(etat, dialogues, *agresSaisissable(etat, "Sol"));
    EXPECT_EQ(saisie.nbEquipes(), 0);
    saisie.ChargerEquipe(1);
    saisie.Valider(std::vector<TextesLigne>(4));
    EXPECT_EQ(surDisque(), provisoire);

    Enregistrement protege = gym("ALPHA", "DURAND");
    protege[champs::MarqueProtection.position] = kCode160;
    ouvrir(fichier({protege}));
    dialogues.messages.clear();
    EXPECT_EQ(agresSaisissable(etat, "Sol"), nullptr);
    EXPECT_FALSE(ModiJugePermis(etat, dialogues));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
              "Modification interdite|Fichier protégé");
    EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    // The beam has its own judges (position 58), not those of the bar on the same slot.
    ouvrir("F_1_NS00.PLM", fichier({gym("ALPHA", "DURAND", "0430014402")}));
    EXPECT_EQ(SaisieNotes(etat, dialogues, *agresSaisissable(etat, "Poutre")).NbJuges(), 2);
}

TEST_F(Notes, RemovingAJudgeWhoGaveAMarkIsRefusedNamingTheFirstOne) {
    // ALPHA has 4 judges on each women's apparatus; 0,00 is no mark.
    const auto noté = [](int s, const std::string& notes) {
        return gym("ALPHA", "ABEL", kBlocFeminin, s, notes);
    };
    Enregistrement poutre = noté(3, "900 900 900 900");
    poutre.poser(champs::Notes(4, 4), "000");
    const std::tuple<NbJuges, std::string, const char*> cas[] = {
        {{0, 0, 0, 4, 4, 2, 4}, fichier({noté(6, "950 900"), noté(6, "_ _ 875 830")}), "3 au sol"},
        {{0, 0, 0, 4, 4, 2, 4}, fichier({noté(6, "950 900 _ 075")}), "4 au sol"},
        // The beam is checked on slot 3, after the other lines.
        {{0, 0, 0, 3, 4, 4, 2}, fichier({poutre}), "3 à la poutre "},
    };
    for (const auto& [apres, contenu, juge] : cas) {
        ouvrir(contenu);
        dialogues.messages.clear();
        EXPECT_FALSE(ControlerRetraitJuges(etat, {0, 0, 0, 4, 4, 4, 4}, apres, dialogues));
        ASSERT_EQ(dialogues.messages.size(), 1u);
        EXPECT_EQ(dialogues.messages[0].titre + "|" + dialogues.messages[0].texte,
                  "Modification impossible|Le juge n° " + std::string(juge) +
                      "\na déjà mis des notes");
        EXPECT_EQ(dialogues.messages[0].icone, Icone::Critique);
    }
}

TEST_F(Notes, JudgesWhoGaveOnlyZeroOrNothingMayGoAndEveryRecordGetsTheNewDigits) {
    // A hors-concours gymnast's marks are stored as 0,00.
    const auto fichierAlpha = [](std::string_view bloc) {
        return fichier({gym("ALPHA", "ABEL", bloc, 6, "950 900 000 000"),
                        gym("ALPHA", "BRUN", bloc, 6, "900 880"),
                        slotLibre("ALPHA", "01 BOURG", bloc)});
    };
    ouvrir(fichierAlpha(kBlocFeminin));
    const NbJuges apres{0, 0, 0, 2, 3, 2, 4};
    ASSERT_TRUE(ControlerRetraitJuges(etat, {0, 0, 0, 4, 4, 4, 4}, apres, dialogues) &&
                EcrireJuges(etat, apres, dialogues));
    EXPECT_EQ(surDisque(), fichierAlpha("0430002324"));
    EXPECT_EQ(etat.juges(champs::JugesSlot(6)), 2);
}

// The Sol entry (4 judges, 3 retained) of ALPHA, BETA, GAMMA, each A1 to A4, then the
// individuals LIBRES*: the second out of competition, the fourth place empty.
TEST_F(Notes, ScoreEntryShowsTheTeamMovesTheFocusBeepsOnWrongKeysAndAnnulerLosesTheTeam) {
    std::string contenu;
    for (const char* equipe : {"ALPHA", "BETA", "GAMMA"})
        for (const char* g : {"A1", "A2", "A3", "A4"})
            contenu += gym(equipe, g).octets();
    Enregistrement hc = gym("LIBRES*", "HORS");
    hc.poser(champs::SurCl, "H");
    ouvrir(contenu + fichier({gym("LIBRES*", "A"), hc, gym("LIBRES*", "C"),
                              slotLibre("LIBRES*", "01 BOURG", kBloc)}));
    fenetre.emplace(etat, dialogues, *agresSaisissable(etat, "Sol"));
    fenetre->show();
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*fenetre));
    // Shown (v) or hidden (c): the fourth judge, the fifth, a fifth row, the arrows.
    const char* noms[] = {"J4", "N_J4", "J5", "N_J5", "N_J1", "Avant", "Après"};
    const int rangees[] = {-1, 0, -1, 0, 4, -1, -1};
    std::string vus;
    for (int k = 0; k < 7; ++k)
        vus += enfant(*fenetre, noms[k], rangees[k])->isHidden() ? 'c' : 'v';
    EXPECT_EQ(texte("Nom_d_Appareil") + "|" + texte("Ekip") + "|" + texte("J1") + "|" +
                  texte("Nom", 1) + "|" + QString::fromStdString(vus),
              "Notes au sol|Equipe : ALPHA (1/4)|Juge  1|A2|vvccccv");

    // Page Up: from a mark box the focus goes back to the top, a deduction box keeps it.
    boite("Déd", 1)->setFocus();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(focus(), boite("Déd", 1));
    boite("N_J4", 2)->setFocus();
    touche(Qt::Key_PageUp);
    EXPECT_EQ(focus(), boite("N_J1", 0));

    // Enter in the last deduction validates: 9,00 each, 0,50 off the fourth.
    for (int g = 0; g < 4; ++g)
        for (const char* juge : {"N_J1", "N_J2", "N_J3", "N_J4"})
            boite(juge, g)->setText("9,00");
    boite("Déd", 3)->setText("05");
    boite("Déd", 3)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 0));
    EXPECT_EQ(texte("Totéq") + "|" + texte("Défin", 3) + "|" + boite("Déd", 3)->text(),
              "27,00|8,50| 0,50");

    // Page Down stops on the last team: individuals, no total, the empty place hidden, the row
    // out of competition greyed and passed over by Enter.
    for (int fois = 0; fois < 4; ++fois)
        touche(Qt::Key_PageDown);
    EXPECT_EQ(texte("Ekip"), "Equipe : LIBRES* (4/4)");
    EXPECT_TRUE(enfant(*fenetre, "Totéq")->isHidden() && enfant(*fenetre, "Et_Tot")->isHidden() &&
                boite("N_J1", 3)->isHidden() && enfant(*fenetre, "Nom", 3)->isHidden());
    EXPECT_FALSE(boite("N_J1", 1)->isEnabled() || boite("Déd", 1)->isEnabled());
    boite("Déd", 0)->setFocus();
    touche(Qt::Key_Return);
    EXPECT_EQ(focus(), boite("N_J1", 2));

    const std::string avant = surDisque();
    // A mark box: the top row gives its digit, other keys beep; left, the box is completed.
    QLineEdit* n = boite("N_J2", 0);
    n->setFocus();
    QTest::keyClicks(n, "'a+");
    EXPECT_EQ(dialogues.bips, 2);
    touche(Qt::Key_Tab);
    EXPECT_EQ(n->text(), "4,00");

    QLineEdit* d = boite("Déd", 2);
    d->setFocus();
    QTest::keyClicks(d, "3,50");
    touche(Qt::Key_Tab);
    EXPECT_EQ(dialogues.bips, 3);
    QTest::qWait(0);
    EXPECT_EQ(focus(), d) << "the focus comes back";
    cliquer(*fenetre, "Valider");
    EXPECT_EQ(dialogues.bips, 4);
    EXPECT_EQ(surDisque(), avant);

    d->clear();
    cliquer(*fenetre, "Annuler");
    EXPECT_EQ(fenetre->result(), QDialog::Rejected);
    EXPECT_EQ(surDisque(), avant);
}

// A women's team, 4 judges everywhere, whose third judge at Sol gave a mark: two judges fewer
// at Sol are refused; one fewer there and one more at Barres and at Poutre are written.
TEST_F(Notes, TheJudgePanelGreysTheMensLinesCancelsRefusesToRemoveAJudgeWithMarksOrWrites) {
    const std::string original =
        fichier({gym("ALPHA", "ABEL", kBlocFeminin, 6, "_ _ 925"), slotLibre("ALPHA", "01 BOURG")});
    ouvrir(original);
    piloterModal<Juges>([](Juges& d) {
        // Each line: label and count enabled, key hint shown, count.
        QString vu = texteDe(d, "E1") + "|" + texteDe(d, "Et6") + "|";
        for (int ligne = 0; ligne < kLignesJuges; ++ligne) {
            const std::string i = std::to_string(ligne);
            vu += QString(enfant(d, "E" + i)->isEnabled() ? "E" : "-") +
                  (enfant(d, "J" + i)->isEnabled() ? "J" : "-") +
                  (enfant(d, "Et" + i)->isHidden() ? "-" : "t") + texteDe(d, "J" + i) + " ";
        }
        EXPECT_EQ(vu, "Arçons ......|(F8)|---0 ---0 ---0 EJt4 EJt4 EJt4 EJt4 ");
        cliquer(d, "Annuler");
        EXPECT_TRUE(d.panneau().JugesAnnule);
    });
    EXPECT_FALSE(lancerModiJuge(etat, dialogues, nullptr));
    piloterModal<Juges>([](Juges& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.panneau().JugesAnnule && !d.isVisible());
    });
    EXPECT_FALSE(lancerModiJuge(etat, dialogues, nullptr));

    piloterModal<Juges>([](Juges& d) {
        QTest::keyClick(&d, Qt::Key_F7, Qt::AltModifier);
        QTest::keyClick(&d, Qt::Key_F7, Qt::AltModifier);
        cliquer(d, "Oui");
    });
    EXPECT_FALSE(lancerModiJuge(etat, dialogues, nullptr));
    EXPECT_EQ(surDisque(), original);

    piloterModal<Juges>([](Juges& d) {
        QTest::keyClick(&d, Qt::Key_F7, Qt::AltModifier);
        QTest::keyClick(&d, Qt::Key_F4, Qt::ControlModifier);
        QTest::keyClick(&d, Qt::Key_F8, Qt::ControlModifier);
        cliquer(d, "Oui");
    });
    EXPECT_TRUE(lancerModiJuge(etat, dialogues, nullptr));
    EXPECT_EQ(surDisque().substr(351, 7), "0005435");
}
