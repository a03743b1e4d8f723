#include "data/competition.h"
#include "data/echange_licences.h"
#include "data/registre_licences.h"
#include "platform/lecteur_a.h"

#include "cas.h"
#include "support/dossier_temporaire.h"

#include <cerrno>
#include <cstdlib>
#include <deque>
#include <map>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// Each word of the text made into bytes.
std::string mots(const std::string& texte, const auto& faire) {
    std::istringstream flux(texte);
    std::string octets;
    for (std::string m; flux >> m;)
        octets += faire(m);
    return octets;
}

// The registry entries of records "TEAM/TOWN/NAME/LICENCE", written out field by field.
std::string entrees(const std::string& texte) {
    return mots(texte, [](const std::string& m) {
        const auto c = champsEnreg(m);
        std::string e = c[3] + c[2];
        e.resize(25, ' ');
        e += "Anne           95" + c[1];
        e.resize(62, ' ');
        e += "N";
        e.resize(100, ' ');
        return e;
    });
}

struct Atelier {
    DossierTemporaire travail, programme;
    Competition etat;
    DialoguesScriptes dialogues;
    Atelier() { etat.changerDossier(travail.chemin()); }
};
struct Registre : ::testing::Test, Atelier {};

} // namespace

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
        std::vector<std::string> liste;
        std::istringstream noms(c[1]);
        for (std::string n; noms >> n;)
            liste.push_back(n);
        ASSERT_TRUE(t.etat.Ouvrir(liste.back(), t.dialogues));
        EXPECT_TRUE(ReconstruireRegistre(t.etat, t.programme.chemin(), liste, t.dialogues));
        EXPECT_FALSE(t.etat.ouvert()) << "the rebuild closes the open competition";
        ASSERT_TRUE(fs::exists(t.programme / "Orvane.lic"));
        EXPECT_EQ(lireFichier(t.programme / "Orvane.lic"), entrees(c[3]));
        EXPECT_FALSE(fs::exists(t.programme / "Orvane01.prv"));
        EXPECT_TRUE(t.dialogues.messages.empty());
    }
}

TEST_F(Registre, LookupFindsTheFirstEntryOfTheNumberReadFromWindows1252) {
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 1));
    EXPECT_EQ(fs::file_size(programme / "Orvane.lic"), 0u) << "a missing registry is created";
    std::string brut = entrees("A/01_BOURG/DUPONT/0000000123 A/01_BOURG/AUTRE/0000000123 "
                               "A/01_BOURG/MARTIN/0000000124");
    brut[64] = 'X'; // bytes past the flag are not read
    ecrireFichier(programme / "Orvane.lic", brut);
    EXPECT_EQ(ChercherLicence(programme.chemin(), 123),
              (EntreeLicence{"0000000123", "DUPONT", "Anne", "95", "01 BOURG", "N"}));
    EXPECT_FALSE(ChercherLicence(programme.chemin(), 125));

    Enregistrement e(enregistrements("ALPHA/01_BOURG/LÉA/0000000003"));
    e.poser(champs::Prénom, "H\xE9l\xE8ne"); // Hélène
    ecrireFichier(travail / "F_1_NS00.PLM", e.octets());
    ReconstruireRegistre(etat, programme.chemin(), {"F_1_NS00.PLM"}, dialogues);
    const auto trouvee = ChercherLicence(programme.chemin(), 3);
    ASSERT_TRUE(trouvee);
    EXPECT_EQ(trouvee->Nom + " " + trouvee->Prénom, "LÉA Hélène");
}

namespace {

// A drive whose next failures are scripted; without one it behaves as a medium would.
struct LecteurFactice : LecteurA {
    std::map<std::string, std::string, std::less<>> fichiers;
    mutable std::deque<int> pannes;

    int ecrire(std::string_view nom, std::string_view contenu) override {
        if (int erreur = panne()) return erreur;
        fichiers[std::string(nom)] = contenu;
        return 0;
    }
    int lire(std::string_view nom, std::string& contenu) const override {
        if (int erreur = panne()) return erreur;
        const auto it = fichiers.find(nom);
        if (it == fichiers.end()) return ENOENT;
        contenu = it->second;
        return 0;
    }
    int panne() const {
        const int erreur = pannes.empty() ? 0 : pannes.front();
        if (!pannes.empty()) pannes.pop_front();
        return erreur;
    }
};

// "9:ZED 1:ABC abc": entries of those numbers and surnames, other words as they are.
std::optional<std::string> nues(const std::string& texte) {
    if (texte == "-") return std::nullopt;
    return mots(texte, [](const std::string& m) {
        const std::size_t deux = m.find(':');
        return deux == std::string::npos
                   ? m
                   : entreeNue(std::string(10 - deux, '0') + m.substr(0, deux), m.substr(deux + 1));
    });
}

} // namespace

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
        if (auto r = nues(c[2])) lecteur.fichiers["Orvane.cop"] = *r;
        std::istringstream pannes(c[3]), reponses(c[4]);
        for (std::string p; pannes >> p;)
            lecteur.pannes.push_back(erreurs.at(p));
        for (std::string r; reponses >> r;)
            t.dialogues.reponses.push_back(r == "R" ? Reponse::Reessayer : Reponse::Annuler);
        if (c[0] == "export")
            ExporterRegistre(t.etat, t.programme.chemin(), lecteur, t.dialogues);
        else
            ImporterRegistre(t.etat, t.programme.chemin(), lecteur, t.dialogues);
        EXPECT_FALSE(t.etat.ouvert()) << "the exchange closes the open competition";
        EXPECT_EQ(vus(t.dialogues), c[5]);
        EXPECT_EQ(fs::exists(t.programme / "Orvane.lic")
                      ? std::optional(lireFichier(t.programme / "Orvane.lic"))
                      : std::nullopt,
                  nues(c[6]));
        const auto copie = lecteur.fichiers.find("Orvane.cop");
        EXPECT_EQ(copie == lecteur.fichiers.end() ? std::nullopt : std::optional(copie->second),
                  nues(c[7]));
        EXPECT_FALSE(fs::exists(t.programme / "Orvane.cop") ||
                     fs::exists(t.programme / "Orvane01.prv"));
    }
}

// The real drive is a folder named by PALMORA_LECTEUR_A; a missing folder is a drive without
// medium.
TEST(LecteurSysteme, WritesReplacesAndReadsBackOnTheNamedFolder) {
    DossierTemporaire support;
    ::setenv("PALMORA_LECTEUR_A", support.chemin().c_str(), 1);
    LecteurASysteme lecteur;
    EXPECT_EQ(dossierLecteurA(), support.chemin());
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "ancienne copie plus longue"), 0);
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "copie"), 0);
    std::string lu;
    EXPECT_EQ(lecteur.lire("Orvane.cop", lu) + lecteur.lire("Absent.cop", lu), ENOENT);
    EXPECT_EQ(lu, "copie");
    ::setenv("PALMORA_LECTEUR_A", (support / "retiré").c_str(), 1);
    EXPECT_FALSE(dossierLecteurA());
    EXPECT_EQ(lecteur.ecrire("Orvane.cop", "copie"), ENOMEDIUM);
    EXPECT_EQ(lecteur.lire("Orvane.cop", lu), ENOMEDIUM);
    ::unsetenv("PALMORA_LECTEUR_A");
}
