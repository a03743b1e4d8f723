#include "data/competition.h"
#include "data/creation.h"
#include "support/systeme_simule.h"

#include "cas.h"
#include "support/dossier_temporaire.h"

#include <cerrno>

using namespace palmora;
using namespace palmora::test;
using namespace palmora::nouveau;

namespace {

void choisir(ChoixNouveau& c, const std::string& choix) {
    std::istringstream mots(choix);
    for (std::string m; mots >> m;) {
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

std::string etat(const ChoixNouveau& c, std::string_view cle) {
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
    return valeurs.at(cle);
}

std::vector<std::string> fichiers(const DossierTemporaire& dossier) {
    std::vector<std::string> noms;
    for (const auto& entree : std::filesystem::directory_iterator(dossier.chemin()))
        noms.push_back(entree.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

} // namespace

TEST(ChoixNouveau, EachChoiceBringsTheOthersIntoLine) {
    for (const Cas& c : lireCas("choix_nouveau.txt")) {
        ChoixNouveau choix;
        choisir(choix, c[0]);
        for (std::size_t k = 1; k < c.size(); ++k) {
            const std::size_t egal = c[k].find('=');
            EXPECT_EQ(c[k].substr(0, egal) + "=" + etat(choix, c[k].substr(0, egal)), c[k])
                << c.ligne;
        }
    }
}

namespace {
struct Atelier {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Competition etat;
    ChoixNouveau choix;
    std::vector<PanneauJuges> panneaux;
    std::vector<int> touches; // Ctrl+F<n> on the judge panel
    bool annuler = false;

    Atelier() { etat.changerDossier(dossier.chemin()); }
    ~Atelier() { simulerPanne(std::nullopt); }
    bool creer() {
        const auto juges = [this](const PanneauJuges& panneau) {
            panneaux.push_back(panneau);
            PanneauJuges laisse = panneau;
            for (int t : touches)
                laisse.appuyer(t, true, false, false);
            laisse.JugesAnnule = annuler;
            return laisse;
        };
        return CreerCompetition(etat, choix, juges, dialogues);
    }
};
struct Creation : ::testing::Test, Atelier {};
} // namespace

TEST(CreationTable, ThePlaceholderCarriesMembershipTeamSettingsAndTheJudgesAsLeft) {
    for (const Cas& c : lireCas("creations.txt")) {
        SCOPED_TRACE(c.ligne);
        Atelier t;
        choisir(t.choix, c[0]);
        std::istringstream touches(c[1]);
        for (int k; touches >> k;)
            t.touches.push_back(k);
        ASSERT_TRUE(t.creer());
        ASSERT_EQ(t.panneaux.size(), 1u);
        EXPECT_EQ(t.panneaux[0].femmes(), c[2] == "F");
        EXPECT_EQ(fichiers(t.dossier), std::vector<std::string>{c[3]});
        EXPECT_EQ(t.etat.FichierCompet(), c[3]);
        EXPECT_TRUE(t.etat.ouvert());
        const std::string lu = lireFichier(t.dossier / c[3]);
        EXPECT_EQ(lu,
                  std::string(48, ' ') + c[4] +
                      (c[4].size() == 10 ? std::string(242, '\0') : lu.substr(48 + c[4].size())));
        EXPECT_TRUE(t.dialogues.messages.empty());
    }
}

TEST_F(Creation, TakesTheFirstFreePlateauAndCreatesNothingWhenTheJudgesCancelOrAllAreTaken) {
    ecrireFichier(dossier / "F_1_N000.PLM", "ancien");
    ecrireFichier(dossier / "f_1_n001.plm", "ancien");
    ecrireFichier(dossier / "F_1_NS00.PLM", "autre");
    ASSERT_TRUE(creer());
    EXPECT_EQ(etat.FichierCompet(), "F_1_N002.PLM");
    EXPECT_EQ(lireFichier(dossier / "F_1_N000.PLM") + lireFichier(dossier / "f_1_n001.plm"),
              "ancienancien");
    EXPECT_EQ(etat.DescriptionCompet(), "Féminines Niveau 1 . 7-8 ans (plateau 3)");
    annuler = true;
    EXPECT_FALSE(creer());
    EXPECT_EQ(fichiers(dossier).size(), 4u);
    EXPECT_FALSE(etat.ouvert());
    annuler = false;
    for (int n = 3; n < 100; ++n)
        ecrireFichier(dossier / ("F_1_N0" + std::to_string(100 + n).substr(1) + ".PLM"), "");
    EXPECT_FALSE(creer());
    EXPECT_EQ(fichiers(dossier).size(), 101u);
    EXPECT_FALSE(etat.ouvert());
    EXPECT_EQ(vus(dialogues), "Nouveau fichier [critique] Les numéros de plateau 00 à 99 sont tous "
                              "pris pour F_1_N0.\nAucun fichier n'a été créé.");
}

TEST_F(Creation, AFolderThatRefusesWritingEndsTheProgramAndAFullDiskIsReported) {
    for (Appel etape : {EtapeRemplacement::Creation, EtapeRemplacement::Ecriture,
                        EtapeRemplacement::Vidage, EtapeRemplacement::Renommage}) {
        simulerPanne(PanneSimulee{etape, ENOSPC});
        EXPECT_FALSE(creer());
        EXPECT_TRUE(fichiers(dossier).empty()) << "nothing half made is left";
        EXPECT_FALSE(etat.ouvert());
        EXPECT_EQ(vus(dialogues), "Nouveau fichier [critique] Le fichier\n" +
                                      (dossier / "F_1_N000.PLM").string() +
                                      "\nne peut pas être créé.");
        dialogues.messages.clear();
    }
    simulerPanne(PanneSimulee{EtapeRemplacement::Creation, EACCES});
    EXPECT_THROW(creer(), ProgrammeArrete);
    EXPECT_EQ(vus(dialogues), "Compétition terminée [critique] Modification interdite.");
}
