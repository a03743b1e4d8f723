// The data layer: small formats and tables, the competition file and its rewrites failing at
// each step, the backup copies, a new competition, the licence registry and its exchange.
#include "app/reglages_compet.h"
#include "data/cp1252.h"
#include "data/creation.h"
#include "data/echange_licences.h"
#include "data/nom_compet.h"
#include "data/nombres.h"
#include "data/registre_licences.h"
#include "data/sauvegardes.h"
#include "data/titre_fichier.h"
#include "data/touches.h"
#include "platform/lecteur_a.h"
#include "registration/inscription.h"
#include "scoring/modi_juge.h"
#include "scoring/saisie_notes.h"
#include "support/systeme_simule.h"

#include "cas.h"
#include "support/compet_ouverte.h"

#include <cerrno>
#include <deque>
#include <map>

using namespace palmora;
using namespace palmora::test;
using namespace palmora::nouveau;
namespace fs = std::filesystem;

namespace {

// Women and men differ, so that a bound taken from the wrong sex shows.
constexpr char kTableDistincte[] = "00019899969794959900979895969394";
constexpr char kTable2005[] = "97989596939491929798959693949192";

std::string vu(const Bornes* b) {
    return b ? std::to_string(b->premiere) + " " + std::to_string(b->derniere) : "-";
}

std::vector<std::string> noms(const fs::path& d) {
    std::vector<std::string> n;
    for (const auto& f : fs::directory_iterator(d))
        n.push_back(f.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

struct FichierCompet : CompetOuverte {
    DossierTemporaire programme;
    void TearDown() override {
        simulerPanne(std::nullopt);
        ::unsetenv("PALMORA_LECTEUR_A");
    }
    std::string lu(std::string_view f) const { return lireFichier(dossier / f); }
    // Runs a command of cas/compet.txt ("_" a blank in a team or town); its result as a number.
    int executer(const std::string& commande) {
        std::vector<std::string> m = mots(commande);
        m.resize(3);
        std::vector<TextesLigne> lignes(4); // the first judges' marks of every gymnast
        for (TextesLigne& t : lignes)
            t.notes = {m[1], m[2]};
        std::optional<SaisieNotes> saisie;
        EquipeSaisie equipe{
            "BETA", "01 BOURG", {{"UN", "", "", "N", ""}, {"DEUX", "", "", "N", ""}}};
        TitreCompet titre;
        TextesAges ages;
        ages.fill("99");
        LecteurASysteme a;
        dialogues.saisies = {"2"};
        const std::string c = m[0];
        if (c == "tri") TrierFichier(etat, dialogues);
        if (c == "retrait")
            return RetirerEquipe(etat, champsEnreg(m[1])[0], champsEnreg(m[2])[0], dialogues);
        if (c == "protection" || c == "deprotection")
            MarquerProtection(etat, c == "protection" ? kCode160 : kNul, dialogues);
        if (c == "ecrire")
            return int(etat.EcrireEnreg(std::stoi(m[1]), Enregistrement(enregistrements(m[2])),
                                        dialogues));
        if (c == "ouvrir") return etat.Ouvrir(m[1], dialogues);
        if (c == "sauver") return int(SauverEquipe(etat, std::stoi(m[1]), equipe, dialogues));
        if (c == "valider" || c == "enregistrer") {
            saisie.emplace(etat, dialogues, agresDe('F')[0]);
            saisie->ChargerEquipe(1);
        }
        if (c == "valider") saisie->Valider(lignes);
        if (c == "enregistrer") saisie->EnregistrerEquipe(lignes);
        if (c == "juges") return EcrireJuges(etat, NbJuges{0, 0, 0, 2, 3, 2, 1}, dialogues);
        if (c == "retenues") DemanderNotesRetenues(etat, dialogues);
        if (c == "registre") ReconstruireRegistre(etat, programme.chemin(), {nom}, dialogues);
        if (c == "import") ImporterRegistre(etat, programme.chemin(), a, dialogues);
        if (c == "ages") EnregistrerAges(programme.chemin(), ages, dialogues);
        if (c == "titre") TerminerTitre(programme.chemin(), "Gala", "Lyon", titre, dialogues);
        dialogues.reponses = {Reponse::Oui};
        if (c == "effacer") return EffacerEquipe(etat, m[1], champsEnreg(m[2])[0], dialogues);
        return 0;
    }
};

// A fresh working folder and program folder, for each row of a table.
struct Atelier {
    DossierTemporaire travail, programme;
    DialoguesScriptes dialogues;
    Competition etat;
    std::vector<PanneauJuges> panneaux;
    Atelier() { etat.changerDossier(travail.chemin()); }
    ~Atelier() { simulerPanne(std::nullopt); }
    // "O&K" of "Nouveau fichier": the judge panel offered is kept, then left with `touches`
    // pressed on it (Ctrl+F<n>), or cancelled.
    bool creer(ChoixNouveau& choix, const std::string& touches = "", bool annuler = false) {
        const auto juges = [&](const PanneauJuges& panneau) {
            panneaux.push_back(panneau);
            PanneauJuges laisse = panneau;
            for (const std::string& t : mots(touches))
                laisse.appuyer(std::stoi(t), true, false, false);
            laisse.JugesAnnule = annuler;
            return laisse;
        };
        return CreerCompetition(etat, choix, juges, dialogues);
    }
};
struct Creation : ::testing::Test, Atelier {};
using Registre = Creation;

struct PannesReecritures : FichierCompet {
    DossierTemporaire lecteur;
    // Puts back the original files; a stale temporary file of an earlier crash stays.
    void preparer() {
        ecrireFichier(programme / kFichierRegistre, entreeNue("0000000005", "MARTIN"));
        ecrireFichier(programme / "AGE.AGE", "97989596939491929798959693949192");
        fs::remove(programme / "TITRE.1"); // else the title moves to TITRE.000
        ecrireFichier(lecteur / kFichierEchange, entreeNue("0000000001", "ABEL"));
        ::setenv("PALMORA_LECTEUR_A", lecteur.chemin().c_str(), 1);
        ouvrir(fichier({licencie("BETA", "38 VIENNE", "ZOLA", "0000000007"),
                        licencie("ALPHA", "01 BOURG", "DURAND", "0000000003")}));
        dialogues.messages.clear();
    }
    // Runs the rewrite; true when the program ended.
    bool arrete(const std::string& r) try {
        executer(r);
        return false;
    } catch (const ProgrammeArrete&) {
        return true;
    } catch (const MortSimulee&) {
        return false;
    }
};

void choisir(ChoixNouveau& c, const std::string& choix) {
    for (const std::string& m : mots(choix)) {
        const char v = m.back();
        const int sens = v == '+' ? 1 : -1;
        if (m.starts_with("sexe=")) c.choisirSexe(v == 'M' ? Masculins : Feminines);
        if (m.starts_with("niveau=")) c.choisirNiveau(int(std::string_view("12EC3HPSXU").find(v)));
        if (m.starts_with("cat=")) c.choisirCatégorie(int(std::string_view("PBMJTN").find(v)));
        if (m.starts_with("appart=")) c.choisirAppartenance(v == 'D' ? Double : Simple);
        if (m.starts_with("effectif")) c.changerEffectif(sens);
        if (m.starts_with("retenues")) c.changerRetenues(sens);
    }
}

std::string offerts(const auto& visibles, std::string_view codes) {
    std::string t;
    for (std::size_t k = 0; k < visibles.size(); ++k)
        if (visibles[k]) t += codes[k];
    return t;
}

std::string montre(const Cas& cas) {
    ChoixNouveau c;
    choisir(c, cas[1]);
    const std::map<std::string_view, std::string> valeurs = {
        {"niveaux", offerts(c.niveauVisible, "12EC3HPSXU")},
        {"cats", offerts(c.catégorieVisible, "PBMJTN")},
        {"niveau", std::string(1, "12EC3HPSXU"[c.niveau])},
        {"cat", std::string(1, "PBMJTN"[c.catégorie])},
        {"cadre", std::to_string(c.cadreAppartenance())},
        {"equipe", std::to_string(c.effectif) + "/" + std::to_string(c.retenues)},
        {"nom", c.NomNouveau},
        {"etiquette", c.etiquette()},
        {"legende", std::string(c.legendeEffectif())},
        {"sexe", std::string(1, c.CodeSexe)},
        {"appart", std::string(1, c.CodeAppart)}};
    std::string t;
    for (std::size_t k = 2; k < cas.size(); ++k)
        t += (k > 2 ? "|" : "") + cas[k].substr(0, cas[k].find('=') + 1) +
             valeurs.at(cas[k].substr(0, cas[k].find('=')));
    return t;
}

// The registry entries of records "TEAM/TOWN/NAME/LICENCE", written out field by field.
std::string entrees(const std::string& texte) {
    std::string octets;
    for (const std::string& m : mots(texte)) {
        const auto c = champsEnreg(m);
        std::string e = c[3] + c[2];
        e.resize(25, ' ');
        e += "Anne           95" + c[1];
        e.resize(62, ' ');
        octets += e + "N" + std::string(37, ' ');
    }
    return octets;
}

// A drive whose next failures are scripted; without one it behaves as a medium would.
struct LecteurFactice : LecteurA {
    std::optional<std::string> copie;
    mutable std::deque<int> pannes;

    int ecrire(std::string_view nom, std::string_view contenu) override {
        if (int erreur = panne(nom)) return erreur;
        copie = contenu;
        return 0;
    }
    int lire(std::string_view nom, std::string& contenu) const override {
        if (int erreur = panne(nom)) return erreur;
        contenu = copie.value_or("");
        return copie ? 0 : ENOENT;
    }
    int panne(std::string_view nom) const {
        EXPECT_EQ(nom, kFichierEchange);
        const int erreur = pannes.empty() ? 0 : pannes.front();
        if (!pannes.empty()) pannes.pop_front();
        return erreur;
    }
};

// "9:ZED 1:ABC abc": entries of those numbers and surnames, other words as they are.
std::optional<std::string> nues(const std::string& texte) {
    if (texte == "-") return std::nullopt;
    std::string octets;
    for (const std::string& m : mots(texte)) {
        const std::size_t d = m.find(':');
        octets +=
            d == m.npos ? m : entreeNue(std::string(10 - d, '0') + m.substr(0, d), m.substr(d + 1));
    }
    return octets;
}

} // namespace

TEST(Formats, TableOfCodePageNumbersKeysYearsBoundsSeasonsNamesAndTitles) {
    const BornesCategories b = deriverBornes(anneesDeTable(kTableDistincte));
    const BornesCategories saison = deriverBornes(anneesDeTable(kTable2005));
    const char* verdicts[] = {"ok", "non saisie", "incompatible"};
    for (const std::string f : {"codage.txt", "ages.txt", "noms_compet.txt", "titre.txt",
                                "naissances.txt", "choix_nouveau.txt"})
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
                : t == "choix"   ? montre(c)
                : titre          ? titre->ligne1 + "|" + titre->ligne2
                                 : "-";
            std::string attendu = c.back();
            if (t == "libelle" || t == "champs" || t == "choix")
                for (std::size_t k = c.size() - 2; k > 1; --k)
                    attendu = c[k] + "|" + attendu;
            EXPECT_EQ(obtenu, attendu) << c.ligne;
        }
    std::string tous;
    for (int o = 0; o < 256; ++o)
        tous += static_cast<char>(o);
    EXPECT_EQ(versCp1252(depuisCp1252(tous)), tous) << "every byte survives a round trip";
    EXPECT_EQ(std::string{caractereNom("f_e_ns00.plm", 1)} + caractereNom("F_E", 5), "F ");
    EXPECT_TRUE(estNomCompetition("F_1_NS00.PLM") && estNomCompetition("essai.Plm"));
    EXPECT_FALSE(estNomCompetition("F_1_NS00.PLM.txt") || estNomCompetition("plm"));
}

TEST(Formats, RecordFieldsAreCutOrPaddedTheApparatusInTheirOrder) {
    Enregistrement e;
    e.poser(champs::NomEquip, "UNE EQUIPE TROP LONGUE");
    e.poser(champs::Nom, "DUPONT");
    EXPECT_EQ(e.octets().substr(0, 31), std::string_view("UNE EQUIPE TROPDUPONT         \0", 31));
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

TEST(Formats, TableOfNewPanelsAndFunctionKeys) {
    for (const Cas& c : lireCas("juges.txt")) {
        PanneauJuges p = panneauNouveau(c[0][0], c[0][2]);
        std::string obtenu;
        for (const std::string& t : mots(c[1])) {
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

// Each change keeps the former file as the next free copy.
TEST_F(FichierCompet, TheTitleIsWrittenInQuotesWithCrLfInWindows1252AndReadBack) {
    TitreCompet titre;
    const auto titrer = [&](std::string_view ligne1, std::string_view ligne2) {
        return TerminerTitre(dossier.chemin(), ligne1, ligne2, titre, dialogues);
    };
    ASSERT_TRUE(titrer("  Coupe régionale ", " Lyon, 12 mars 2006  "));
    EXPECT_EQ(LireTitre(dossier.chemin()), titre);
    ASSERT_TRUE(titrer("Gala", "")) << "an empty second line is a title";
    EXPECT_EQ(LireTitre(dossier.chemin()), (TitreCompet{"Gala", ""}));
    EXPECT_FALSE(titrer("   ", ""));
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
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(FichierCompet, TheRowOfABirthYearOutOfTheCategoryGetsTheFocusThenTheBeepThenTheMessage) {
    const BornesCategories saison = deriverBornes(anneesDeTable(kTable2005));
    std::string focus;
    const auto controler = [&](std::vector<LigneNaissance> lignes) {
        const ControleNaissances c =
            ControlerNaissances("F_1_PS00.PLM", saison, lignes, dialogues, [&](int ligne) {
                focus += std::to_string(ligne) + std::to_string(dialogues.bips) +
                         std::to_string(dialogues.messages.size()) + " ";
            });
        return std::to_string(c.ligne) + " " + std::to_string(dialogues.bips) + " " +
               vus(dialogues.messages);
    };
    EXPECT_EQ(controler({{"DURAND", "95", "N"}, {"MARTIN", "97", "N"}}),
              "1 1 Erreur [critique] Année de naissance\nincompatible avec\n   la catégorie");
    EXPECT_EQ(focus, "100 ") << "the row takes the focus before the beep and the message";
    dialogues = {};
    EXPECT_EQ(controler({{"DURAND", "95", "N"}, {"MARTIN", "0", "N"}}),
              "1 0 Erreur [critique] Année de naissance\nnon saisie");
    dialogues = {};
    EXPECT_EQ(controler({{"DURAND", "95", "N"}, {"", "", ""}, {"MARTIN", "80", "N"}}) +
                  controler({{"\xC2\xA0", "", ""}, {"MARTIN", "", "N"}}),
              "-1 0 -1 0 ")
        << "an empty row ends the check";
    EXPECT_EQ(focus, "100 ");
}

// Columns of cas/chargement_ages.txt; then "Oui", and "Annuler" with no usable table.
TEST_F(FichierCompet, TheAgeTableLoadedByDayAndAnnulerWithoutATable) {
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
                      "|" + textes[0] + textes[3] + textes[15] + "|" + vus(dialogues.messages),
                  c[4] + "|" + c[5] + "|" + c[6] + "|" +
                      avecDossier(c[7], dossier.chemin().string()));
    }
    EnregistrerAges(dossier.chemin(), {"5"}, dialogues); // "Oui": short boxes padded to 32
    EXPECT_EQ(lu("AGE.AGE"), "5" + std::string(31, ' '));
    ecrireFichier(dossier / "AGE.AGE", "979895969394");
    EXPECT_NO_THROW(AbandonnerAges(dossier.chemin(), dialogues));
    ecrireFichier(dossier / "AGE.AGE", "97989596939");
    EXPECT_THROW(AbandonnerAges(dossier.chemin(), dialogues), ProgrammeArrete);
    EXPECT_EQ(vus(dialogues.messages), "Sortie du programme [critique] Années non saisies");
}

TEST_F(FichierCompet, TableOfCommandsOnTheFileAndTheirFailures) {
    const std::map<std::string, Appel> appelsNommes = {{"EcritureA", Appel::EcritureA},
                                                       {"VidageDonnees", Appel::VidageDonnees},
                                                       {"Suppression", Appel::Suppression}};
    const std::map<std::string, int> erreurs = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EBUSY", EBUSY}};
    for (const Cas& c : lireCas("compet.txt")) {
        SCOPED_TRACE(c.ligne);
        dialogues = {};
        ouvrir(enregistrements(c[0]));
        const std::string avant = surDisque();
        std::istringstream panne(c[2]);
        std::string appel, erreur, suivantes;
        int rang = 1;
        simulerPanne(std::nullopt);
        panne >> appel >> erreur >> rang >> suivantes;
        if (appel != "-")
            simulerPanne(
                PanneSimulee{appelsNommes.at(appel), erreurs.at(erreur), rang, suivantes == "+"});
        const std::map<std::string, std::int64_t> vu = {{"r", executer(c[1])},
                                                        {"n", etat.NbEnreg()},
                                                        {"e", etat.nbEquipes()},
                                                        {"o", etat.ouvert()},
                                                        {"p", etat.Protege()},
                                                        {"v", appels(Appel::VidageDonnees)},
                                                        {"m", std::ssize(dialogues.messages)}};
        simulerPanne(std::nullopt);
        for (const std::string& a : mots(c[4]))
            EXPECT_EQ(a.substr(0, 2) + std::to_string(vu.at(a.substr(0, 1))), a);
        EXPECT_EQ(noms(dossier.chemin()),
                  c[3] == "-" ? std::vector<std::string>{} : std::vector<std::string>{nom})
            << "no temporary file is left";
        if (c[3] != "-" && c[3] != "*") {
            EXPECT_EQ(surDisque(), c[3] == "=" ? avant : enregistrements(c[3]));
        }
        std::string lus; // what the program holds is what the disk holds
        for (std::int64_t k = 1; etat.ouvert() && k <= etat.NbEnreg(); ++k)
            lus += etat.LireEnreg(k).octets();
        Enregistrement apres;
        EXPECT_EQ(lus, etat.ouvert() ? surDisque() : "");
        EXPECT_FALSE(etat.LireEnreg(etat.NbEnreg() + 1, apres));
        EXPECT_EQ(apres, Enregistrement());
        if (c[5] != "*") {
            EXPECT_EQ(dialogues.messages.empty() ? "" : vus({dialogues.messages.back()}),
                      avecDossier(c[5], dossier.chemin().string()));
        }
    }
}

// Men's Mini-enchaînements use the women's apparatus. A stray digit (3) at Anneaux, an
// apparatus the women do not use, is left off their judge panel.
TEST_F(FichierCompet, APlaceholderFileOpensWithItsSettingsAndNoTeam) {
    ouvrir("M_E_NS00.PLM", std::string(enregistrementProvisoire("S644000444").octets()));
    EXPECT_EQ((std::string{etat.CodeSexe(), etat.CodeAgres()}), "FF");
    ouvrir("F_E_NS00.PLM", fichier({enregistrementProvisoire("S653002456")}));
    EXPECT_EQ(jugesDe(etat), (NbJuges{3, 0, 0, 2, 4, 5, 6}));
    EXPECT_EQ(panneauOuvert(etat).comptes(), (NbJuges{0, 0, 0, 2, 4, 5, 6}));
    EXPECT_TRUE(panneauOuvert(etat).femmes());
    ouvrir("F_1_NS00.PLM", std::string(enregistrementProvisoire("S654402340").octets()));
    EXPECT_EQ(etat.BlocConfig() + " " +
                  std::to_string(etat.EffectEquip() * 1000 + etat.CalcEquip() * 100 +
                                 etat.NbEnreg() * 10 + etat.nbEquipes()) +
                  " " + etat.CodeSexe() + etat.CodeAgres() + etat.CodeAppart() + " " +
                  etat.DescriptionCompet(),
              "S654402340 6510 FFS Féminines Niveau 1 . 7-8 ans . Simple appartenance");
}

// Copies on opening, then after a change at most once a minute; thirty kept, listed newest
// first; one before a deletion and one before a restore; a copy that cannot be written is told
// once and the command stands.
TEST_F(FichierCompet, TheCopiesInSauvegardes) {
    HorlogeFixe horloge{{2026, 12, 6, 10, 42, 3}};
    Sauvegardes sauvegardes{horloge};
    etat.installerSauvegardes(sauvegardes);
    const fs::path copies = dossier / "Sauvegardes";
    const std::string deuxEquipes =
        enregistrements("ALPHA/01_BOURG/A1 ALPHA/01_BOURG/A2 ALPHA/01_BOURG/A3 ALPHA/01_BOURG/A4 "
                        "BETA/38_VIENNE/B1 BETA/38_VIENNE/B2 BETA/38_VIENNE/B3 BETA/38_VIENNE/B4");
    ouvrir(deuxEquipes);
    const auto changerPlusTard = [&](int minutes) { // then a change
        horloge.date.minute += minutes;
        horloge.date.heure += horloge.date.minute / 60;
        horloge.date.minute %= 60;
        Enregistrement e = etat.LireEnreg(1);
        e.poser(champs::Notes(5, 1), std::to_string(800 + horloge.date.minute));
        ASSERT_EQ(etat.EcrireEnreg(1, e, dialogues), Ecriture::Reussie);
    };
    EXPECT_EQ(lireFichier(copies / "F_2_PS00 2026-12-06 10h42.PLM"), deuxEquipes);
    EXPECT_EQ(nomSauvegarde("essai.plm", {2026, 1, 2, 9, 5, 0}, 1), "essai 2026-01-02 09h05.PLM");
    horloge.date.minute = 43;
    etat.sauvegarder(false, dialogues); // a minute on but nothing changed: no copy
    changerPlusTard(0);
    changerPlusTard(0); // the same minute: no copy
    EXPECT_EQ(noms(copies).size(), 2u);
    EXPECT_EQ(lireFichier(copies / "F_2_PS00 2026-12-06 10h43.PLM"), surDisque());
    for (int k = 0; k < 31; ++k)
        changerPlusTard(1);
    EXPECT_EQ(noms(copies).front(), "F_2_PS00 2026-12-06 10h45.PLM") << "the oldest three went";
    const std::vector<CopieSauvegarde> liste = sauvegardes.lister(etat);
    ASSERT_EQ(liste.size(), 30u);
    EXPECT_EQ(liste[0].quand + " " + std::to_string(liste[0].equipes) + " " +
                  std::to_string(liste[0].notes) + " " + liste[29].quand,
              "06/12/2026 11:14 2 1 06/12/2026 10:45");

    const std::string avant = surDisque();
    dialogues.reponses = {Reponse::Oui};
    ASSERT_TRUE(EffacerEquipe(etat, "BETA", "38 VIENNE", dialogues));
    EXPECT_EQ(etat.nbEquipes(), 1);
    const fs::path avantEffacement = sauvegardes.lister(etat)[0].chemin;
    EXPECT_EQ(avantEffacement.filename(), "F_2_PS00 2026-12-06 11h14 (2).PLM");
    ASSERT_TRUE(RestaurerSauvegarde(etat, avantEffacement, dialogues));
    EXPECT_EQ(surDisque(), avant);
    EXPECT_EQ(etat.nbEquipes(), 2);
    EXPECT_EQ(sauvegardes.lister(etat)[0].chemin.filename(), "F_2_PS00 2026-12-06 11h14 (3).PLM");
    EXPECT_EQ(dialogues.messages.size(), 1u) << "the question only";

    dialogues = {};
    fs::remove_all(copies);
    ecrireFichier(copies, "un fichier, pas un dossier");
    changerPlusTard(1);
    changerPlusTard(1);
    EXPECT_EQ(vus(dialogues.messages),
              "Sauvegarde [exclamation] Les sauvegardes automatiques ne peuvent pas être "
              "écrites dans le dossier\n" +
                  copies.string() + "\n\nLa compétition elle-même est bien enregistrée.");
    EXPECT_EQ(Enregistrement(surDisque()).lire(champs::Notes(5, 1)), "816");
}

// errno 0 is the program dying at that step: the next run must find the original and rewrite
// it, the temporary file left behind not standing in the way.
TEST_F(PannesReecritures, EachStepThatFailsOrCrashesLeavesTheOriginalWhole) {
    for (const Cas& r : lireCas("reecritures.txt"))
        for (Appel etape : {EtapeRemplacement::Creation, EtapeRemplacement::Ecriture,
                            EtapeRemplacement::Vidage, EtapeRemplacement::Renommage})
            for (int erreur : {ENOSPC, EACCES, 0}) {
                const fs::path cible = r[1] != "-" ? programme / r[1] : dossier / nom;
                SCOPED_TRACE(r.ligne + ", étape " + std::to_string(int(etape)) + ", errno " +
                             std::to_string(erreur));
                preparer();
                const std::string original = lireFichier(cible);
                const auto avant = noms(cible.parent_path());
                simulerPanne(PanneSimulee{etape, erreur});
                const NbJuges juges = jugesDe(etat);
                const bool fin = arrete(r[0]);
                simulerPanne(std::nullopt);
                EXPECT_EQ(lireFichier(cible), original);
                if (erreur == 0) {
                    preparer();
                    EXPECT_FALSE(arrete(r[0]));
                    EXPECT_NE(lireFichier(cible), original);
                    continue;
                }
                EXPECT_EQ(noms(cible.parent_path()), avant) << "a temporary file is left";
                ASSERT_FALSE(dialogues.messages.empty());
                // A competition that refuses writing is a finished one: the program ends.
                const bool interdite = erreur == EACCES && r[1] == "-";
                EXPECT_EQ(fin, interdite);
                if (r[1] == "-") { // the program holds what the disk holds
                    EXPECT_FALSE(etat.Protege());
                    EXPECT_EQ(jugesDe(etat), juges);
                }
                EXPECT_EQ(vus({dialogues.messages.back()}),
                          interdite ? "Compétition terminée [critique] Modification interdite."
                                    : (r[2] != "-" ? r[2] : nom) + " [critique] Le fichier\n" +
                                          cible.string() + "\nne peut pas être écrit.");
                for (const Message& m : dialogues.messages)
                    EXPECT_EQ(m.texte.find("mis à jour"), std::string::npos) << "success told";
            }
}

TEST(CreationTable, ThePlaceholderCarriesMembershipTeamSettingsAndTheJudgesAsLeft) {
    for (const Cas& c : lireCas("creations.txt")) {
        SCOPED_TRACE(c.ligne);
        Atelier t;
        ChoixNouveau choix;
        choisir(choix, c[0]);
        ASSERT_TRUE(t.creer(choix, c[1]));
        ASSERT_EQ(t.panneaux.size(), 1u);
        EXPECT_EQ(t.panneaux[0].femmes(), c[2] == "F");
        EXPECT_EQ(noms(t.travail.chemin()), std::vector<std::string>{c[3]});
        EXPECT_EQ(t.etat.ouvert() ? t.etat.FichierCompet() : "", c[3]);
        const std::string lu = lireFichier(t.travail / c[3]);
        EXPECT_EQ(lu,
                  std::string(48, ' ') + c[4] +
                      (c[4].size() == 10 ? std::string(242, '\0') : lu.substr(48 + c[4].size())));
        EXPECT_TRUE(t.dialogues.messages.empty());
    }
}

// The first free plateau; nothing made when the judges are cancelled, when all plateaus are
// taken or when the disk is full; a folder that refuses writing ends the program.
TEST_F(Creation, TakesTheFirstFreePlateauOrCreatesNothingAndSaysWhy) {
    ecrireFichier(travail / "F_1_N000.PLM", "ancien");
    ecrireFichier(travail / "f_1_n001.plm", "ancien");
    ecrireFichier(travail / "F_1_NS00.PLM", "autre");
    ChoixNouveau choix;
    ASSERT_TRUE(creer(choix));
    EXPECT_EQ(etat.FichierCompet(), "F_1_N002.PLM");
    EXPECT_FALSE(creer(choix, "", true));
    EXPECT_FALSE(etat.ouvert());
    for (int n = 3; n < 100; ++n)
        ecrireFichier(travail / ("F_1_N0" + std::to_string(100 + n).substr(1) + ".PLM"), "");
    EXPECT_FALSE(creer(choix));
    EXPECT_EQ(noms(travail.chemin()).size(), 101u);
    EXPECT_EQ(vus(dialogues.messages),
              "Nouveau fichier [critique] Les numéros de plateau 00 à 99 sont tous "
              "pris pour F_1_N0.\nAucun fichier n'a été créé.");
    choix.choisirNiveau(1);
    for (Appel etape : {EtapeRemplacement::Creation, EtapeRemplacement::Ecriture,
                        EtapeRemplacement::Vidage, EtapeRemplacement::Renommage}) {
        dialogues = {};
        simulerPanne(PanneSimulee{etape, ENOSPC});
        EXPECT_FALSE(creer(choix));
        EXPECT_EQ(noms(travail.chemin()).size(), 101u) << "nothing half made is left";
        EXPECT_FALSE(etat.ouvert());
        EXPECT_EQ(vus(dialogues.messages), "Nouveau fichier [critique] Le fichier\n" +
                                               (travail / "F_2_N000.PLM").string() +
                                               "\nne peut pas être créé.");
    }
    dialogues = {};
    simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
    EXPECT_THROW(creer(choix), ProgrammeArrete);
    EXPECT_EQ(vus(dialogues.messages), "Compétition terminée [critique] Modification interdite.");
}

TEST(RegistreTable, RebuildsFromTheCompetitionFiles) {
    for (const Cas& c : lireCas("registre.txt")) {
        SCOPED_TRACE(c.ligne);
        Atelier t;
        fs::create_directory(t.travail / "DOSSIER.PLM");
        std::istringstream fichiers(c[0]);
        for (std::string f; std::getline(fichiers, f, ';');) {
            std::istringstream lus(f);
            std::string nom, records;
            std::getline(lus >> nom, records);
            ecrireFichier(t.travail / nom.substr(0, nom.size() - 1), enregistrements(records));
        }
        if (!c[2].empty()) ecrireFichier(t.programme / "Orvane.lic", entrees(c[2]));
        const std::vector<std::string> liste = mots(c[1]);
        ASSERT_TRUE(t.etat.Ouvrir(liste.back(), t.dialogues));
        EXPECT_TRUE(ReconstruireRegistre(t.etat, t.programme.chemin(), liste, t.dialogues));
        EXPECT_FALSE(t.etat.ouvert()) << "the rebuild closes the open competition";
        ASSERT_TRUE(fs::exists(t.programme / "Orvane.lic"));
        EXPECT_EQ(lireFichier(t.programme / "Orvane.lic"), entrees(c[3]));
        EXPECT_TRUE(t.dialogues.messages.empty());
    }
}

TEST_F(Registre, LookupFindsTheFirstEntryOfTheNumberReadFromWindows1252) {
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 1));
    EXPECT_EQ(fs::file_size(programme / "Orvane.lic"), 0u) << "a missing registry is created";
    std::string brut = entrees("A/01_BOURG/L\xC9"
                               "A/0000000123 A/01_BOURG/AUTRE/0000000123 "
                               "A/01_BOURG/MARTIN/0000000124");
    brut[64] = 'X'; // bytes past the flag are not read
    ecrireFichier(programme / "Orvane.lic", brut);
    EXPECT_EQ(ChercherLicence(programme.chemin(), 123),
              (EntreeLicence{"0000000123", "LÉA", "Anne", "95", "01 BOURG", "N"}));
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 125));
}

TEST(Echange, TableOfExportsAndImportsWithTheDrivesFailures) {
    const std::map<std::string, int> erreurs = {{"ENOMEDIUM", ENOMEDIUM},
                                                {"EROFS", EROFS},
                                                {"ENOSPC", ENOSPC},
                                                {"EACCES", EACCES},
                                                {"EIO", EIO}};
    for (const Cas& c : lireCas("echanges.txt")) {
        SCOPED_TRACE(c.ligne);
        Atelier t;
        LecteurFactice lecteur;
        ecrireFichier(t.travail / "F.PLM", std::string(300, ' '));
        ASSERT_TRUE(t.etat.Ouvrir("F.PLM", t.dialogues));
        if (auto r = nues(c[1])) ecrireFichier(t.programme / "Orvane.lic", *r);
        lecteur.copie = nues(c[2]);
        for (const std::string& p : mots(c[3]))
            lecteur.pannes.push_back(erreurs.at(p));
        for (const std::string& r : mots(c[4]))
            t.dialogues.reponses.push_back(r == "R" ? Reponse::Reessayer : Reponse::Annuler);
        if (c[0] == "export")
            ExporterRegistre(t.etat, t.programme.chemin(), lecteur, t.dialogues);
        else
            ImporterRegistre(t.etat, t.programme.chemin(), lecteur, t.dialogues);
        EXPECT_FALSE(t.etat.ouvert()) << "the exchange closes the open competition";
        EXPECT_EQ(vus(t.dialogues.messages), c[5]);
        EXPECT_EQ(fs::exists(t.programme / "Orvane.lic")
                      ? std::optional(lireFichier(t.programme / "Orvane.lic"))
                      : std::nullopt,
                  nues(c[6]));
        EXPECT_EQ(lecteur.copie, nues(c[7]));
    }
    // The real drive: the folder PALMORA_LECTEUR_A names, written in place; a missing folder
    // is a drive without medium.
    DossierTemporaire support;
    ::setenv("PALMORA_LECTEUR_A", support.chemin().c_str(), 1);
    LecteurASysteme a;
    std::string lu;
    EXPECT_EQ(a.ecrire("Orvane.cop", "ancienne copie plus longue"), 0);
    EXPECT_EQ(a.ecrire("Orvane.cop", "copie"), 0);
    EXPECT_EQ(a.lire("Orvane.cop", lu), 0);
    EXPECT_EQ(lu, "copie");
    ::setenv("PALMORA_LECTEUR_A", (support / "retiré").c_str(), 1);
    EXPECT_EQ(a.ecrire("Orvane.cop", "copie"), ENOMEDIUM);
    ::unsetenv("PALMORA_LECTEUR_A");
}
