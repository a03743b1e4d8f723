// The small formats and tables: the code page and numbers, competition names, records, the
// judge panel, the title file, the age table and the birth-year check.
#include "data/controle_naissances.h"
#include "data/cp1252.h"
#include "data/nom_compet.h"
#include "data/nombres.h"
#include "data/panneau_juges.h"
#include "data/table_ages.h"
#include "data/titre_fichier.h"
#include "data/touches.h"
#include "support/systeme_simule.h"

#include "cas.h"
#include "support/compet_ouverte.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// Women and men differ, so that a bound taken from the wrong sex shows.
constexpr char kTableDistincte[] = "00019899969794959900979895969394";
constexpr char kTable2005[] = "97989596939491929798959693949192";

std::string vu(const Bornes* b) {
    return b ? std::to_string(b->premiere) + " " + std::to_string(b->derniere) : "-";
}

struct Fichiers : CompetOuverte {
    void TearDown() override { simulerPanne(std::nullopt); }
    TitreCompet titre;
    bool titrer(std::string_view ligne1, std::string_view ligne2) {
        return TerminerTitre(dossier.chemin(), ligne1, ligne2, titre, dialogues);
    }
    std::string lu(std::string_view nom) const { return lireFichier(dossier / nom); }
};

} // namespace

// Each row: the kind of case, its input(s), what comes out.
TEST(Formats, TableOfCodePageNumbersKeysYearsBoundsSeasonsNamesAndTitles) {
    const BornesCategories b = deriverBornes(anneesDeTable(kTableDistincte));
    const BornesCategories saison = deriverBornes(anneesDeTable(kTable2005));
    const char* verdicts[] = {"ok", "non saisie", "incompatible"};
    for (const std::string f :
         {"codage.txt", "ages.txt", "noms_compet.txt", "titre.txt", "naissances.txt"})
        for (const Cas& c : lireCas(f)) {
            const std::string& t = c[0];
            const auto titre = lireChampsTitre(c[1]);
            const LibelleTitre l = libelleTitre({c[1], c.size() > 2 ? c[2] : ""});
            const std::string obtenu =
                t == "vers"          ? versCp1252(c[1])
                : t == "depuis"      ? depuisCp1252(c[1])
                : t == "lire"        ? std::to_string(lireNombre(c[1]))
                : t == "chiffres"    ? chiffres(std::stoll(c[1]), std::stoi(c[2]))
                : t == "touche"      ? toucheChiffre(c[1]).value_or("-")
                : t == "annee"       ? std::to_string(elargirAnnee(std::stoll(c[1])))
                : t == "bornes"      ? vu(b.de(c[1][0], c[1][2]))
                : t == "saison"      ? std::string(tableDeSaison(date(c[1])))
                : t == "obligatoire" ? std::to_string(saisieAgesObligatoire(date(c[1])))
                : t == "permise"     ? std::to_string(saisieAgesPermise(date(c[1])))
                : t == "nom"         ? DecrireCompet(c[1])
                : t == "naissance"
                    ? verdicts[int(
                          verifierNaissances(c[1], saison, {{"DURAND", c[2], c[3]}}).erreur)]
                : t == "titre"   ? toucheTitre(c[1]).value_or("-")
                : t == "libelle" ? c[2] + "|" + l.texte + "|" + std::to_string(l.taille)
                : titre          ? titre->ligne1 + "|" + titre->ligne2
                                 : "-";
            std::string attendu = c.back();
            if (t == "libelle" || t == "champs")
                for (std::size_t k = c.size() - 2; k > 1; --k)
                    attendu = c[k] + "|" + attendu;
            EXPECT_EQ(obtenu, attendu) << c.ligne;
        }
    EXPECT_EQ(lireNombre("99999999999999999999999"), lireNombre("999999999999999999999999"));
    std::string tous;
    for (int o = 0; o < 256; ++o)
        tous += static_cast<char>(o);
    EXPECT_EQ(versCp1252(depuisCp1252(tous)), tous) << "every byte survives a round trip";
    EXPECT_EQ(BornesCategories{}.de('M', 'J')->premiere, 0);
    EXPECT_EQ(std::string{caractereNom("f_e_ns00.plm", 1)} + caractereNom("F_E", 5), "F ");
    EXPECT_TRUE(estNomCompetition("F_1_NS00.PLM") && estNomCompetition("essai.Plm"));
    EXPECT_FALSE(estNomCompetition("F_1_NS00.PLM.txt") || estNomCompetition("plm"));
}

TEST(Formats, RecordFieldsAreCutOrPaddedTheApparatusInTheirOrder) {
    Enregistrement e;
    e.poser(champs::NomEquip, "UNE EQUIPE TROP LONGUE");
    e.poser(champs::Nom, "DUPONT");
    EXPECT_EQ(e.octets().substr(0, 31), std::string_view("UNE EQUIPE TROPDUPONT         \0", 31));
    EXPECT_EQ(Enregistrement(std::string_view("ABC")).octets().substr(0, 4),
              std::string_view("ABC\0", 4));
    const Enregistrement p = enregistrementProvisoire("S654402340");
    EXPECT_EQ(p.octets(), std::string(48, ' ') + "S654402340" + std::string(242, '\0'));
    EXPECT_FALSE(slotVide(p));
    std::string ordre;
    for (char sexe : {'M', 'F'})
        for (const Agres& a : agresDe(sexe))
            ordre += std::string(a.libelle) + std::to_string(a.slot) +
                     std::to_string(a.juges.position) + " ";
    EXPECT_EQ(ordre, "Sol657 Arçons253 Anneaux152 Saut556 Parallèles455 Fixe354 "
                     "Saut556 Barres455 Poutre358 Sol657 ");
}

TEST_F(Fichiers, TableOfNewPanelsAndFunctionKeysThenThePanelOfAnOpenCompetition) {
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
    // A stray digit (3) at Anneaux, an apparatus the women do not use.
    ouvrir("F_E_NS00.PLM", fichier({enregistrementProvisoire("S653002456")}));
    EXPECT_EQ(jugesDe(etat), (NbJuges{3, 0, 0, 2, 4, 5, 6}));
    EXPECT_EQ(panneauOuvert(etat).comptes(), (NbJuges{0, 0, 0, 2, 4, 5, 6}));
    EXPECT_TRUE(panneauOuvert(etat).femmes());
}

// Each change keeps the former file as the next free copy, while one of the thousand is free.
TEST_F(Fichiers, TheTitleIsWrittenInQuotesWithCrLfInWindows1252AndReadBack) {
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt);
    ASSERT_TRUE(titrer("  Coupe régionale ", " Lyon, 12 mars 2006  "));
    EXPECT_EQ(titre, (TitreCompet{"Coupe régionale", "Lyon, 12 mars 2006"}));
    EXPECT_EQ(LireTitre(dossier.chemin()), titre);
    ASSERT_TRUE(titrer("Gala", "")) << "an empty second line is a title";
    EXPECT_EQ(LireTitre(dossier.chemin()), (TitreCompet{"Gala", ""}));
    EXPECT_FALSE(titrer("   ", ""));
    EXPECT_TRUE(titre.vide());
    // The state, not the file, decides: the program now ends on "A&nnuler".
    EXPECT_THROW(AnnulerTitre(titre, dialogues), ProgrammeArrete);
    EXPECT_NO_THROW(AnnulerTitre({"", "Lyon"}, dialogues));
    ASSERT_TRUE(titrer("Titre 3", "Lieu"));
    ASSERT_TRUE(titrer("Titre 4", "Lieu"));
    fs::remove(dossier / "TITRE.001");
    ASSERT_TRUE(titrer("Titre 5", "Lieu"));
    EXPECT_EQ(lu("TITRE.000") + lu("TITRE.001") + lu("TITRE.002") + lu("TITRE.1"),
              "\"Coupe r\xE9gionale\",\"Lyon, 12 mars 2006\"\r\n\"Titre 4\",\"Lieu\"\r\n"
              "\"Titre 3\",\"Lieu\"\r\n\"Titre 5\",\"Lieu\"\r\n");
    EXPECT_FALSE(fs::exists(dossier / "TITRE.003"));
    for (int n = 1000; n <= 1999; ++n)
        ecrireFichier(dossier / ("TITRE." + std::to_string(n).substr(1)), "copie");
    ASSERT_TRUE(titrer("Nouveau", ""));
    EXPECT_EQ(lu("TITRE.1") + lu("TITRE.000") + lu("TITRE.999"), "\"Nouveau\",\"\"\r\ncopiecopie");
    EXPECT_TRUE(dialogues.messages.empty());
    fs::remove(dossier / "TITRE.1");
    fs::create_directory(dossier / "TITRE.1");
    EXPECT_EQ(LireTitre(dossier.chemin()), std::nullopt) << "unreadable";
}

TEST_F(Fichiers, TheRowOfABirthYearOutOfTheCategoryGetsTheFocusThenTheBeepThenTheMessage) {
    const BornesCategories saison = deriverBornes(anneesDeTable(kTable2005));
    std::string focus;
    const auto controler = [&](std::vector<LigneNaissance> lignes) {
        const ControleNaissances c =
            ControlerNaissances("F_1_PS00.PLM", saison, lignes, dialogues, [&](int ligne) {
                focus += std::to_string(ligne) + std::to_string(dialogues.bips) +
                         std::to_string(dialogues.messages.size()) + " ";
            });
        return std::to_string(c.ligne) + " " + std::to_string(dialogues.bips) + " " +
               vus(dialogues);
    };
    EXPECT_EQ(controler({{"DURAND", "95", "N"}, {"MARTIN", "97", "N"}}),
              "1 1 Erreur [critique] Année de naissance\nincompatible avec\n   la catégorie");
    EXPECT_EQ(focus, "100 ") << "the row takes the focus before the beep and the message";
    dialogues = {};
    EXPECT_EQ(controler({{"DURAND", "95", "N"}, {"MARTIN", "0", "N"}}),
              "1 0 Erreur [critique] Année de naissance\nnon saisie");
    dialogues = {};
    EXPECT_TRUE(verifierNaissances("F_1_PS00.PLM", saison,
                                   {{"DURAND", "95", "N"}, {"", "", ""}, {"MARTIN", "80", "N"}})
                    .ok());
    EXPECT_EQ(controler({{"\xC2\xA0", "", ""}, {"MARTIN", "", "N"}}), "-1 0 ");
    EXPECT_EQ(focus, "100 ");
}

// Columns of cas/chargement_ages.txt, then the boxes stored by "Oui" and "Annuler".
TEST_F(Fichiers, TheAgeTableLoadedByDayStoredFromTheBoxesAndAnnulerWithoutATable) {
    for (const Cas& c : lireCas("chargement_ages.txt")) {
        SCOPED_TRACE(c.ligne);
        BornesCategories bornes;
        dialogues = {};
        if (c[0] == "-")
            fs::remove(dossier / "AGE.AGE");
        else
            ecrireFichier(dossier / "AGE.AGE", c[0]);
        if (c[2] != "-") simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
        EXPECT_EQ(ChargerAges(dossier.chemin(), date(c[1]), bornes, dialogues), c[3] == "1");
        simulerPanne(std::nullopt);
        const TextesAges textes = lireTextesAges(dossier.chemin());
        EXPECT_EQ(lu("AGE.AGE") + "|" + vu(bornes.de('F', 'B')) + " " + vu(bornes.de('M', 'J')) +
                      "|" + textes[0] + textes[3] + textes[15] + "|" + vus(dialogues),
                  c[4] + "|" + c[5] + "|" + c[6] + "|" +
                      avecDossier(c[7], dossier.chemin().string()));
    }
    dialogues = {};
    const BornesCategories b = EnregistrerAges(dossier.chemin(),
                                               {"97", "98", "95", "96", "93", "94", "91", "92",
                                                "97", "98", "95", "96", "93", "94", "5", ""},
                                               dialogues);
    EXPECT_EQ(lu("AGE.AGE"), "97989596939491929798959693945   ");
    EXPECT_EQ(vu(b.de('M', 'M')) + " " + vu(b.de('M', 'J')) + " " + vu(b.de('F', 'J')),
              "2005 1996 2005 1994 1991 1994");
    ecrireFichier(dossier / "AGE.AGE", "979895969394");
    EXPECT_NO_THROW(AbandonnerAges(dossier.chemin(), dialogues));
    EXPECT_EQ(lu("AGE.AGE"), "979895969394") << "nothing written";
    ecrireFichier(dossier / "AGE.AGE", "97989596939");
    EXPECT_THROW(AbandonnerAges(dossier.chemin(), dialogues), ProgrammeArrete);
    EXPECT_EQ(vus(dialogues), "Sortie du programme [critique] Années non saisies");
}
