#include "data/controle_naissances.h"
#include "data/table_ages.h"
#include "data/touches.h"
#include "support/dossier_temporaire.h"
#include "support/systeme_simule.h"

#include "cas.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

constexpr DateHeure kOctobre2005{2005, 10, 14};
constexpr char kTable2005[] = "97989596939491929798959693949192";
// Women and men differ, so that a bound taken from the wrong sex shows.
constexpr char kTableDistincte[] = "00019899969794959900979895969394";

std::string vu(const Bornes* b) {
    return b ? std::to_string(b->premiere) + " " + std::to_string(b->derniere) : "-";
}

} // namespace

TEST(Ages, TableOfKeysYearsBoundsAndSeasons) {
    const BornesCategories b = deriverBornes(anneesDeTable(kTableDistincte));
    for (const Cas& c : lireCas("ages.txt")) {
        const std::string& t = c[0];
        const std::string obtenu = t == "touche"   ? toucheChiffre(c[1]).value_or("-")
                                   : t == "annee"  ? std::to_string(elargirAnnee(std::stoll(c[1])))
                                   : t == "bornes" ? vu(b.de(c[1][0], c[1][2]))
                                   : t == "saison" ? std::string(tableDeSaison(date(c[1])))
                                   : t == "obligatoire"
                                       ? std::to_string(saisieAgesObligatoire(date(c[1])))
                                       : std::to_string(saisieAgesPermise(date(c[1])));
        EXPECT_EQ(obtenu, c.back()) << c.ligne;
    }
    EXPECT_EQ(BornesCategories{}.de('M', 'J')->premiere, 0);
}

TEST(Naissances, TableOfBirthYearsAgainstTheCategoryOfTheFileName) {
    const BornesCategories saison = deriverBornes(anneesDeTable(kTable2005));
    const char* verdicts[] = {"ok", "non saisie", "incompatible"};
    for (const Cas& c : lireCas("naissances.txt"))
        EXPECT_EQ(verdicts[int(verifierNaissances(c[0], saison, {{"DURAND", c[1], c[2]}}).erreur)],
                  c[3])
            << c.ligne;
}

TEST(Naissances, TheFailingRowGetsTheFocusThenTheBeepThenTheMessageAndEmptyRowsEndTheCheck) {
    const BornesCategories saison = deriverBornes(anneesDeTable(kTable2005));
    DialoguesScriptes dialogues;
    std::vector<int> focus;
    const auto controler = [&](std::vector<LigneNaissance> lignes) {
        return ControlerNaissances("F_1_PS00.PLM", saison, lignes, dialogues, [&](int ligne) {
            EXPECT_EQ(dialogues.bips, 0) << "the row takes the focus first";
            EXPECT_TRUE(dialogues.messages.empty());
            focus.push_back(ligne);
        });
    };
    ControleNaissances c = controler({{"DURAND", "95", "N"}, {"MARTIN", "97", "N"}});
    EXPECT_EQ(c.ligne, 1);
    EXPECT_EQ(focus, std::vector<int>{1});
    EXPECT_EQ(dialogues.bips, 1);
    EXPECT_EQ(vus(dialogues),
              "Erreur [critique] Année de naissance\nincompatible avec\n   la catégorie");

    focus.clear();
    dialogues = {};
    c = controler({{"DURAND", "95", "N"}, {"MARTIN", "0", "N"}});
    EXPECT_EQ(c.erreur, ErreurNaissance::NonSaisie);
    EXPECT_EQ(c.ligne, 1);
    EXPECT_EQ(vus(dialogues), "Erreur [critique] Année de naissance\nnon saisie");
    EXPECT_TRUE(focus.empty());
    EXPECT_EQ(dialogues.bips, 0);

    dialogues = {};
    EXPECT_TRUE(controler({{"DURAND", "95", "N"}, {"", "", ""}, {"MARTIN", "80", "N"}}).ok());
    EXPECT_TRUE(controler({{"\xC2\xA0", "", ""}, {"MARTIN", "", "N"}}).ok());
    EXPECT_TRUE(dialogues.messages.empty());
}

namespace {
struct TableAges : ::testing::Test {
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    BornesCategories bornes;
    std::string age() const { return lireFichier(programme / "AGE.AGE"); }
    bool charger(const DateHeure& d) {
        return ChargerAges(programme.chemin(), d, bornes, dialogues);
    }
    void TearDown() override { simulerPanne(std::nullopt); }
};
} // namespace

TEST_F(TableAges, TableOfLoadingsByDayAndStoredTable) {
    for (const Cas& c : lireCas("chargement_ages.txt")) {
        SCOPED_TRACE(c.ligne);
        bornes = {};
        dialogues = {};
        if (c[0] == "-")
            fs::remove(programme / "AGE.AGE");
        else
            ecrireFichier(programme / "AGE.AGE", c[0]);
        if (c[2] != "-") simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
        EXPECT_EQ(charger(date(c[1])), c[3] == "1");
        simulerPanne(std::nullopt);
        EXPECT_EQ(age(), c[4]);
        EXPECT_EQ(vu(bornes.de('F', 'B')) + " " + vu(bornes.de('M', 'J')), c[5]);
        const TextesAges textes = lireTextesAges(programme.chemin());
        EXPECT_EQ(textes[0] + textes[3] + textes[15], c[6]);
        EXPECT_EQ(vus(dialogues), avecDossier(c[7], programme.chemin().string()));
    }
}

TEST_F(TableAges, OuiStoresTheBoxesPaddedTo32AndDerivesTheBounds) {
    const TextesAges textes = {"97", "98", "95", "96", "93", "94", "91", "92",
                               "97", "98", "95", "96", "93", "94", "5",  ""};
    const BornesCategories b = EnregistrerAges(programme.chemin(), textes, dialogues);
    EXPECT_EQ(age(), "97989596939491929798959693945   ");
    EXPECT_EQ(vu(b.de('M', 'M')), "2005 1996");
    EXPECT_EQ(vu(b.de('M', 'J')), "2005 1994");
    EXPECT_EQ(vu(b.de('F', 'J')), "1991 1994");
}

TEST_F(TableAges, AnnulerEndsTheProgramOnlyWithoutAUsableTable) {
    EXPECT_THROW(AbandonnerAges(programme.chemin(), dialogues), ProgrammeArrete);
    EXPECT_EQ(vus(dialogues), "Sortie du programme [critique] Années non saisies");
    ecrireFichier(programme / "AGE.AGE", "97989596939");
    EXPECT_THROW(AbandonnerAges(programme.chemin(), dialogues), ProgrammeArrete);
    ecrireFichier(programme / "AGE.AGE", "979895969394");
    EXPECT_NO_THROW(AbandonnerAges(programme.chemin(), dialogues));
    EXPECT_EQ(dialogues.messages.size(), 2u);
    EXPECT_EQ(age(), "979895969394") << "nothing written";
}
