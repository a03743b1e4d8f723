// The small formats: the code page and numbers, the gap sort, the competition names and
// records, the judge panel and the title file.
#include "data/cp1252.h"
#include "data/enregistrement.h"
#include "data/nom_compet.h"
#include "data/nombres.h"
#include "data/panneau_juges.h"
#include "data/titre_fichier.h"
#include "data/tri_intervalles.h"

#include "cas.h"
#include "support/compet_ouverte.h"
#include "support/dossier_temporaire.h"

#include <algorithm>
#include <random>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

TEST(Codage, TableOfCodePageAndNumberCases) {
    for (const Cas& c : lireCas("codage.txt")) {
        const std::string obtenu = c[0] == "vers"     ? versCp1252(c[1])
                                   : c[0] == "depuis" ? depuisCp1252(c[1])
                                   : c[0] == "lire"   ? std::to_string(lireNombre(c[1]))
                                                      : chiffres(std::stoll(c[1]), std::stoi(c[2]));
        EXPECT_EQ(obtenu, c.back()) << c.ligne;
    }
    EXPECT_EQ(lireNombre("99999999999999999999999"), lireNombre("999999999999999999999999"));
    std::string tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    EXPECT_EQ(versCp1252(depuisCp1252(tous)), tous) << "every byte survives a round trip";
}

namespace {
template <class F> std::vector<std::string> trier(std::vector<std::string> v, F enOrdre) {
    trierParIntervalles(
        std::ssize(v), [&](std::ptrdiff_t a, std::ptrdiff_t b) { return enOrdre(v[a], v[b]); },
        [&](std::ptrdiff_t a, std::ptrdiff_t b) { std::swap(v[a], v[b]); });
    return v;
}
// On the first character only, so that equal keys show where the walk leaves them.
const auto strict = [](const std::string& a, const std::string& b) { return a[0] < b[0]; };
const auto large = [](const std::string& a, const std::string& b) { return a[0] <= b[0]; };
} // namespace

TEST(TriParIntervalles, SortsAnyInputAndLeavesEqualKeysWhereTheGapWalkPutsThem) {
    std::mt19937 alea(7);
    for (int n : {0, 1, 2, 3, 7, 8, 9, 100, 1000}) {
        std::vector<std::string> v;
        for (int k = 0; k < n; ++k)
            v.push_back(std::to_string(alea() % 50));
        v = trier(v, std::less<>());
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end())) << n;
    }
    // Three entries: gap 1 only. The walk stops on an order only: equal keys are swapped when
    // it is strict, kept when it is not.
    EXPECT_EQ(trier({"1a", "1b", "0"}, strict), (std::vector<std::string>{"0", "1b", "1a"}));
    EXPECT_EQ(trier({"1a", "1b", "0"}, large), (std::vector<std::string>{"0", "1a", "1b"}));
    // Four entries: gaps 3 then 1 (8 is the first power of two above 4).
    EXPECT_EQ(trier({"1a", "0a", "1b", "0b"}, strict),
              (std::vector<std::string>{"0a", "0b", "1a", "1b"}));
}

TEST(NomCompet, DescriptionTableCharactersInUpperCaseExtensionInAnyCase) {
    for (const Cas& c : lireCas("noms_compet.txt"))
        EXPECT_EQ(DecrireCompet(c[0]), c[1]) << c.ligne;
    EXPECT_EQ(caractereNom("f_e_ns00.plm", 1), 'F');
    EXPECT_EQ(caractereNom("F_E", 5), ' ');
    EXPECT_TRUE(estNomCompetition("F_1_NS00.PLM"));
    EXPECT_TRUE(estNomCompetition("essai.Plm"));
    EXPECT_FALSE(estNomCompetition("F_1_NS00.PLM.txt"));
    EXPECT_FALSE(estNomCompetition("plm"));
}

TEST(Enregistrement, FieldsLandAtTheirPositionsCutOrPadded) {
    // Field, text, where it must land (0-based) and how long it is there.
    const struct {
        Champ champ;
        const char* texte;
        std::size_t debut, longueur;
    } kChamps[] = {{champs::NomEquip, "ALPHA", 0, 15},
                   {champs::Nom, "DUPONT", 15, 15},
                   {champs::Prénom, "Jean-Pierre", 30, 15},
                   {champs::Naissance, "95", 45, 2},
                   {champs::SurCl, "N", 47, 1},
                   {champs::BlocConfig, "S654402340", 48, 10},
                   {champs::Notes(1, 1), "950", 58, 3},
                   {champs::Notes(6, 6), "123", 163, 3},
                   {champs::NoteAgres(6), "999", 181, 3},
                   {champs::TotalIndiv, "2850", 184, 4},
                   {champs::NoLic, "0000000123", 188, 10},
                   {champs::Deduc(1), " 050", 200, 4},
                   {champs::Deduc(6), "-100", 225, 4},
                   {champs::Ville, "75 PARIS", 230, 20},
                   {champs::NoteEquipe(6), "2815", 270, 4},
                   {champs::TotalEquipe, "02815", 274, 5}};
    Enregistrement e;
    for (const auto& c : kChamps)
        e.poser(c.champ, c.texte);
    e[300] = kCode160;
    for (const auto& c : kChamps) {
        std::string attendu = c.texte;
        attendu.resize(c.longueur, ' ');
        EXPECT_EQ(e.octets().substr(c.debut, c.longueur), attendu) << c.texte;
        EXPECT_EQ(e.lire(c.champ), attendu);
    }
    EXPECT_EQ(e.octets()[299], kCode160);
    EXPECT_EQ(e.octets()[198], kNul);
    EXPECT_EQ(e.octets()[204], kNul); // fifth character of a deduction group
    EXPECT_EQ(e.nombre(champs::Deduc(1)), 50);
    EXPECT_EQ(e.nombre(champs::Deduc(6)), -100);
    EXPECT_EQ(e.nombre(champs::Notes(2, 1)), 0); // NULs read as 0
    EXPECT_EQ(e.nombre(champs::JugesSlot(1)), 4);
    EXPECT_EQ(e.nombre(champs::JugesSlot(4)), 2);
    EXPECT_EQ(e.nombre(champs::JugesPoutre), 0);

    e.poser(champs::NomEquip, "UNE EQUIPE TROP LONGUE");
    EXPECT_EQ(e.lire(champs::NomEquip), "UNE EQUIPE TROP");
    EXPECT_EQ(e[16], 'D');
    e.poser(champs::Notes(1, 1), "", kNul);
    EXPECT_EQ(e.lire(champs::Notes(1, 1)), std::string(3, '\0'));
    EXPECT_EQ(Enregistrement(std::string_view("ABC")).octets().substr(0, 4),
              std::string_view("ABC\0", 4));
}

TEST(Enregistrement, PlaceholderHoldsBlanksTheSettingsAndNuls) {
    const Enregistrement e = enregistrementProvisoire("S654402340");
    EXPECT_EQ(e.octets(), std::string(48, ' ') + "S654402340" + std::string(242, '\0'));
    EXPECT_FALSE(slotVide(e));
}

TEST(Agres, MenOffersSixApparatusAndWomenFourInTheirOrder) {
    std::string ordre;
    for (char sexe : {'M', 'F'})
        for (const Agres& a : agresDe(sexe))
            ordre += std::string(a.libelle) + std::to_string(a.slot) +
                     std::to_string(a.juges.position) + " ";
    EXPECT_EQ(ordre, "Sol657 Arçons253 Anneaux152 Saut556 Parallèles455 Fixe354 "
                     "Saut556 Barres455 Poutre358 Sol657 ");
}

TEST(PanneauJuges, TableOfNewPanelsAndFunctionKeys) {
    for (const Cas& c : lireCas("juges.txt")) {
        PanneauJuges p = panneauNouveau(c[0][0], c[0][2]);
        std::istringstream touches(c[1]);
        std::string obtenu;
        for (std::string t; touches >> t;) {
            const std::size_t n = t.find_first_of("0123456789");
            const bool change =
                p.appuyer(std::stoi(t.substr(n)), t[0] == 'C',
                          t.substr(0, n).find('A') != std::string::npos, t.substr(0, n) == "CX");
            obtenu += t.substr(0, t.size() - 1) + (change ? "+ " : "= ");
        }
        for (int compte : p.comptes())
            obtenu += std::to_string(compte) + " ";
        EXPECT_EQ(obtenu, c[1] + (c[1].empty() ? "" : " ") + c[2] + " ") << c.ligne;
    }
}

using PanneauOuvert = CompetOuverte;

TEST_F(PanneauOuvert, TheOpenCompetitionShowsItsCountsAndZeroOnUnusedLines) {
    // A stray digit (3) at Anneaux, an apparatus the women do not use.
    ouvrir("F_E_NS00.PLM", fichier({enregistrementProvisoire("S653002456")}));
    EXPECT_EQ(jugesDe(etat), (NbJuges{3, 0, 0, 2, 4, 5, 6}));
    EXPECT_EQ(panneauOuvert(etat).comptes(), (NbJuges{0, 0, 0, 2, 4, 5, 6}));
    EXPECT_TRUE(panneauOuvert(etat).femmes());
}

TEST(Titre, TableOfTitleTextsKeysAndLabels) {
    for (const Cas& c : lireCas("titre.txt")) {
        const auto t = lireChampsTitre(c[1]);
        const LibelleTitre l = libelleTitre({c[1], c[2]});
        std::string obtenu = c[0] == "touche" ? toucheTitre(c[1]).value_or("-")
                             : c[0] == "libelle"
                                 ? c[2] + "|" + l.texte + "|" + std::to_string(l.taille)
                             : t ? t->ligne1 + "|" + t->ligne2
                                 : "-";
        std::string attendu;
        for (std::size_t k = 2; k < c.size(); ++k)
            attendu += (k > 2 ? "|" : "") + c[k];
        EXPECT_EQ(obtenu, attendu) << c.ligne;
    }
}

namespace {
struct TitreFichier : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    TitreCompet titre;

    bool terminer(std::string_view ligne1, std::string_view ligne2) {
        return TerminerTitre(dossier.chemin(), ligne1, ligne2, titre, dialogues);
    }
    std::string fichier(std::string_view nom) const { return lireFichier(dossier / nom); }
};
} // namespace

TEST_F(TitreFichier, WrittenInQuotesWithCrLfInWindows1252AndReadBack) {
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt);
    ASSERT_TRUE(terminer("  Coupe régionale ", " Lyon, 12 mars 2006  "));
    EXPECT_EQ(titre, (TitreCompet{"Coupe régionale", "Lyon, 12 mars 2006"}));
    EXPECT_EQ(fichier("TITRE.1"), "\"Coupe r\xE9gionale\",\"Lyon, 12 mars 2006\"\r\n");
    EXPECT_EQ(LireTitre(dossier.chemin()), titre);
    ASSERT_TRUE(terminer("Gala", "")) << "an empty second line is a title";
    EXPECT_EQ(fichier("TITRE.1"), "\"Gala\",\"\"\r\n");
    EXPECT_EQ(LireTitre(dossier.chemin()), (TitreCompet{"Gala", ""}));
    EXPECT_TRUE(dialogues.messages.empty());
    fs::remove(dossier / "TITRE.1");
    fs::create_directory(dossier / "TITRE.1");
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt) << "unreadable";
}

TEST_F(TitreFichier, BlankBoxesWriteNothingAndLeaveTheStateEmpty) {
    ecrireFichier(dossier / "TITRE.1", "\"Ancien\",\"Titre\"\r\n");
    titre = {"Ancien", "Titre"};
    EXPECT_FALSE(terminer("   ", ""));
    EXPECT_TRUE(titre.vide());
    EXPECT_EQ(fichier("TITRE.1"), "\"Ancien\",\"Titre\"\r\n");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.000"));
    // The state, not the file, decides: the program now ends on "A&nnuler".
    EXPECT_THROW(AnnulerTitre(titre, dialogues), ProgrammeArrete);
    EXPECT_NO_THROW(AnnulerTitre({"", "Lyon"}, dialogues));
}

TEST_F(TitreFichier, EveryChangeKeepsTheFormerFileAsTheNextFreeCopy) {
    for (const char* t : {"Titre 1", "Titre 2", "Titre 3", "Titre 4"}) {
        ASSERT_TRUE(terminer(t, "Lieu"));
        EXPECT_EQ(fs::exists(dossier / "TITRE.000"), t[6] != '1') << "no former title to keep";
    }
    EXPECT_EQ(fichier("TITRE.000") + fichier("TITRE.001") + fichier("TITRE.002") +
                  fichier("TITRE.1"),
              "\"Titre 1\",\"Lieu\"\r\n\"Titre 2\",\"Lieu\"\r\n\"Titre 3\",\"Lieu\"\r\n\"Titre "
              "4\",\"Lieu\"\r\n");
    fs::remove(dossier / "TITRE.001");
    ASSERT_TRUE(terminer("Titre 5", "Lieu"));
    EXPECT_EQ(fichier("TITRE.001"), "\"Titre 4\",\"Lieu\"\r\n");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.003"));
}

TEST_F(TitreFichier, WithAllThousandCopiesTakenTheTitleIsStillWritten) {
    for (int n = 1000; n <= 1999; ++n)
        ecrireFichier(dossier / ("TITRE." + std::to_string(n).substr(1)), "copie");
    ecrireFichier(dossier / "TITRE.1", "\"Ancien\",\"\"\r\n");
    ASSERT_TRUE(terminer("Nouveau", ""));
    EXPECT_EQ(fichier("TITRE.1") + fichier("TITRE.000") + fichier("TITRE.999"),
              "\"Nouveau\",\"\"\r\ncopiecopie");
}
