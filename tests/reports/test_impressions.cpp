// The printed rankings and match sheets, each checked against its drawing list in
// tests/data/sorties (the drawings and absences each case must show); the records printed are
// in enregistrements.txt under the names of the cases.
#include "reports/feuilles_match.h"
#include "reports/imprim_classements.h"
#include "reports/outils.h"
#include "support/surface_enregistree.h"

#include <cmath>
#include <fstream>
#include <iomanip>

using namespace palmora;
using namespace palmora::test;

namespace {

// Checks a recording against a section ("== nom") of a drawing list in tests/data/sorties: one
// check a line, pages from 1, positions in millimetres, "*" for a value left unchecked.
//   pages N | termines N | trait E
//   texte P "T" [x y taille] [gras|maigre] [souligne|plat] [noir|rouge|bleu]
//   absent P "T" | sans P "partie" (no text holds it) | nombre P ligne|cadre|"T" N
//   en P x y "T" (the first text there, "" none) | place P y "T" (the text left of 11 mm)
//   rangee P y "T"... (the texts of the line, in order) | vide P y [x1 x2] (no text between)
//   ligne|cadre P i x y x2 y2 [couleur] (the i-th of its kind from 1, -1 the last)
void verifierDessins(const SurfaceEnregistree& s, const std::string& fichier,
                     const std::string& section) {
    std::ifstream f(std::string(PALMORA_FIXTURES) + "/" + fichier);
    ASSERT_TRUE(f) << fichier;
    const auto proche = [](double a, const std::string& b) {
        return b == "*" || std::abs(a - std::stod(b)) < 1e-6;
    };
    const auto couleur = [](Couleur c) {
        return c == kNoir ? "noir" : c == kRouge ? "rouge" : c == kBleu ? "bleu" : "autre";
    };
    const auto nombre = [](const std::string& w) { return w == "*" || std::isdigit(w[0]); };
    bool dedans = false;
    for (std::string l; std::getline(f, l);) {
        if (l.starts_with("== ")) dedans = l.substr(3) == section;
        if (!dedans || l.empty() || l[0] == '#' || l[0] == '=') continue;
        SCOPED_TRACE(fichier + " " + section + ": " + l);
        std::istringstream mots(l);
        std::vector<std::string> m;
        for (std::string w; mots >> std::quoted(w);)
            m.push_back(w);
        const std::string& quoi = m[0];
        std::vector<std::string> vus;
        EXPECT_TRUE(quoi != "pages" || s.pages.size() == std::stoul(m[1])) << s.pages.size();
        EXPECT_TRUE(quoi != "termines" || s.documentsTermines == std::stoi(m[1]));
        EXPECT_TRUE(quoi != "trait" || proche(s.epaisseurTrait, m[1])) << s.epaisseurTrait;
        if (quoi == "pages" || quoi == "termines" || quoi == "trait") continue;
        const std::size_t p = std::stoul(m[1]) - 1;
        ASSERT_LT(p, s.pages.size());
        const std::vector<Trace> textes = s.textes(p);
        const Trace* trouve = nullptr;
        std::string en; // the first text at x y, or left of 11 mm on the line y
        long n = 0;
        for (const Trace& t : textes) {
            if (!trouve && t.texte == m[2]) trouve = &t;
            n += t.texte == m[2] ? 1 : 0;
            EXPECT_TRUE(quoi != "sans" || t.texte.find(m[2]) == std::string::npos) << t.texte;
            if (quoi == "en" && en.empty() && proche(t.x, m[2]) && proche(t.y, m[3])) en = t.texte;
            if (m[2] == "*" || !std::isdigit(m[2][0]) || !proche(t.y, m[2])) continue;
            vus.push_back(t.texte);
            const double fin =
                t.x + static_cast<double>(SurfaceEnregistree::caracteres(t.texte)) * 1.8;
            if (quoi == "place" && en.empty() && fin <= 11 + 1e-6) en = t.texte;
            EXPECT_FALSE(quoi == "vide" &&
                         (m.size() < 5 || (t.x > std::stod(m[3]) && t.x < std::stod(m[4]))))
                << t.texte;
        }
        if (quoi == "texte") {
            ASSERT_TRUE(trouve);
            std::size_t k = 3;
            for (double v : {trouve->x, trouve->y, trouve->taille})
                EXPECT_TRUE(k >= m.size() || !nombre(m[k]) || proche(v, m[k++])) << v;
            for (; k < m.size(); ++k)
                if (m[k] == "gras" || m[k] == "maigre")
                    EXPECT_EQ(trouve->gras, m[k] == "gras");
                else if (m[k] == "souligne" || m[k] == "plat")
                    EXPECT_EQ(trouve->souligne, m[k] == "souligne");
                else
                    EXPECT_EQ(couleur(trouve->couleur), m[k]);
        } else if (quoi == "absent") {
            EXPECT_FALSE(trouve);
        } else if (quoi == "nombre") {
            if (m[2] == "ligne" || m[2] == "cadre")
                n = std::ssize(
                    s.traces(p, m[2] == "ligne" ? Trace::Genre::Ligne : Trace::Genre::Rectangle));
            EXPECT_EQ(n, std::stol(m[3]));
        } else if (quoi == "en") {
            EXPECT_EQ(en, m.size() > 4 ? m[4] : "");
        } else if (quoi == "place") {
            EXPECT_EQ(en, m.size() > 3 ? m[3] : "");
        } else if (quoi == "rangee") {
            EXPECT_EQ(vus, std::vector<std::string>(m.begin() + 3, m.end()));
        } else if (quoi == "ligne" || quoi == "cadre") {
            const std::vector<Trace> d =
                s.traces(p, quoi == "ligne" ? Trace::Genre::Ligne : Trace::Genre::Rectangle);
            const long i = std::stol(m[2]);
            ASSERT_LE(std::abs(i), std::ssize(d));
            const Trace& t = d[i < 0 ? d.size() - 1 : static_cast<std::size_t>(i - 1)];
            EXPECT_TRUE(proche(t.x, m[3]) && proche(t.y, m[4]) && proche(t.x2, m[5]) &&
                        proche(t.y2, m[6]))
                << t.x << " " << t.y << " " << t.x2 << " " << t.y2;
            EXPECT_TRUE(m.size() < 8 || couleur(t.couleur) == m[7]) << couleur(t.couleur);
        }
    }
}

// n gymnasts ranked by a Saut score going down by one hundredth each, but for the one of
// index `egal` (from 1), whose score equals the previous one; then `libres` empty slots.
ClassementIndiv gymnastes(int n, int egal = 0, int libres = 0) {
    ClassementIndiv cl;
    for (int i = 1, note = 900; i <= n + libres; ++i) {
        note -= i != egal ? 1 : 0;
        const std::string nom = "N" + chiffres(i, 3);
        cl.TabEnreg.push_back(enreg(
            i > n ? "ALPHA|01 BOURG|" : "ALPHA|01 BOURG|" + nom + "||5=" + std::to_string(note)));
        cl.TotIndiv.push_back(totalIndiv(cl.TabEnreg.back()));
    }
    cl.NbGymnastes = n;
    cl.NbEnreg = n + libres;
    return cl;
}

void indiv(const ClassementIndiv& cl, const std::string& cas, bool hommes = false) {
    SurfaceEnregistree s;
    imprimerClIndiv(cl, hommes, textesDeTest(), s);
    verifierDessins(s, "imprim_indiv.txt", cas);
}

void equipes(std::vector<EntreeEquipe> tab, const std::string& cas, bool hommes = false) {
    ClassementEquipes cl;
    cl.TabEquipes = std::move(tab);
    SurfaceEnregistree s;
    imprimerClEquip(cl, hommes, textesDeTest(), s);
    verifierDessins(s, "imprim_equipes.txt", cas);
}

} // namespace

TEST(Impression, RankingsPrintAsTheirDrawingLists) {
    indiv(gymnastes(1), "tete");
    // 61 gymnasts: two numbered pages; 60 and empty slots: one page without number.
    indiv(gymnastes(61), "61");
    indiv(gymnastes(60, 0, 3), "60_libres");
    // A tie shows no place, except on the first row of a page.
    indiv(gymnastes(61, 61), "61_egal");
    indiv(gymnastes(3, 3), "3_egal");
    for (const char* cas : {"virgules", "colonnes", "tirets", "hors_concours"})
        indiv(classement(cas), cas);
    indiv(classement("hommes"), "hommes", true);

    equipes(entrees("rangee"), "rangee");
    equipes(entrees("places"), "places");
    equipes(entrees("soixante_dix"), "hommes", true); // men: the head printed once
}

namespace {

struct FeuillesMatch : CompetOuverte {
    SurfaceEnregistree s;
    void feuilles(const ChoixFeuilles& choix, const std::string& cas,
                  const TitreCompet& titre = {"Coupe d'hiver", "Vienne, 6 décembre 2026"}) {
        s = {};
        ImprimerFeuilles(etat, titre, choix, s);
        verifierDessins(s, "feuilles.txt", cas);
    }
};

} // namespace

TEST_F(FeuillesMatch, PrintAsTheirDrawingLists) {
    // Every sheet of every team in the women's apparatus order; one team, one apparatus: a
    // half-empty page; the grid only; no grid.
    ouvrir(contenu("trois_equipes"));
    feuilles({}, "trois_equipes");
    feuilles({2, 5}, "une_feuille");
    feuilles({2, -1, true, true}, "grille_seule");
    ouvrir(contenu("une_equipe"));
    feuilles({-1, 6}, "grille");
    feuilles({-1, 6}, "titre_long", {std::string(60, 'T'), std::string(20, 'L')});
    feuilles({-1, 4, false}, "sans_grille");
    // An empty slot, a nameless record, a licence number without first name.
    ouvrir(contenu("gymnastes") + std::string(gymnaste("ALPHA", "", "").octets()));
    feuilles({-1, 7}, "gymnastes");
    // A placeholder alone makes no team, unless teams hold one gymnast.
    ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)}));
    EXPECT_EQ(equipesFeuilles(etat), 0);
    feuilles({}, "provisoire");
    ouvrir(fichier({enregistrementProvisoire("0130004444")}));
    feuilles({}, "equipes_d_une");
    EXPECT_FALSE(s.traces(0, Trace::Genre::Ligne).empty());
    nom = "M_2_PS00.PLM";
    ouvrir(contenu("une_equipe"));
    feuilles({}, "hommes");
    // A half team goes to the even neighbour.
    for (auto [enreg, equipes] : {std::pair{1, 0}, {3, 2}, {5, 2}, {7, 4}, {4, 2}}) {
        std::string contenu;
        for (int k = 0; k < enreg; ++k)
            contenu += gymnaste("A", "01 BOURG", "X", "0220004444").octets();
        ouvrir(contenu);
        EXPECT_EQ(equipesFeuilles(etat), equipes) << enreg;
    }
}
