// Rankings, the mark check, pages byte for byte, live results, printouts as drawing lists, and
// damaged files, read-only places and a full disk through every command and window.
#include "data/table_ages.h"
#include "platform/SurfaceQt.h"
#include "registration/Noms.h"
#include "reports/Quelepreuv.h"
#include "reports/QuelleEquipe.h"
#include "reports/direct_outils.h"
#include "reports/feuilles_match.h"
#include "reports/imprim_classements.h"
#include "reports/page_equipes.h"
#include "reports/pages_direct.h"
#include "reports/site_direct.h"
#include "reports/verif_notes.h"
#include "reports/voir_notes.h"
#include "reports/voir_pages.h"
#include "scoring/ModiJuge.h"
#include "scoring/Saisie.h"
#include "support/compet_ouverte.h"
#include "support/ouvreur_enregistre.h"
#include "support/surface_enregistree.h"

#include <QPrinterInfo>
#include <QRadioButton>
#include <QTest>

#include <nlohmann/json.hpp>

#include <sys/fsuid.h>
#include <unistd.h>

using namespace palmora;
using namespace palmora::test;
namespace fs = std::filesystem;

namespace {

// Each message as "texte|titre".
std::vector<std::string> messages(const DialoguesScriptes& d) {
    std::vector<std::string> m;
    for (const Message& message : d.messages)
        m.push_back(message.texte + "|" + message.titre);
    return m;
}

const TextesPage kTextes{"Féminines Honneur . 9-10 ans",
                         {"Coupe <Orvane> & Cie", "Vienne, 6 décembre 2026"},
                         {"05", " décembre ", "2026"},
                         "Palmora - Version 4.01"};

// The lines of section "== nom" of a fixture file, comments left out.
std::vector<std::string> section(std::string_view nom,
                                 std::string_view fichier = "enregistrements.txt") {
    std::vector<std::string> lignes;
    std::istringstream f(lireFichier(fs::path(PALMORA_FIXTURES) / fichier));
    bool dedans = false;
    for (std::string l; std::getline(f, l);)
        if (l.starts_with("== "))
            dedans = l.substr(3) == nom;
        else if (dedans && !l.empty() && l[0] != '#')
            lignes.push_back(l);
    EXPECT_FALSE(lignes.empty()) << fichier << " " << nom;
    return lignes;
}
// The messages of section "== nom" of messages.txt.
std::vector<std::string> attendus(std::string_view nom) {
    std::vector<std::string> m = section(nom, "messages.txt");
    for (std::string& l : m)
        for (std::size_t i; (i = l.find("\\n")) != std::string::npos;)
            l.replace(i, 2, "\n");
    return m;
}
std::vector<Enregistrement> enregs(std::string_view nom) {
    std::vector<Enregistrement> v;
    for (const std::string& l : section(nom))
        v.push_back(enreg(l));
    return v;
}
std::string contenu(std::string_view nom) {
    std::string c;
    for (const Enregistrement& e : enregs(nom))
        c += e.octets();
    return c;
}
// A ranking in the order of the section, as ClasserIndiv leaves it.
ClassementIndiv classement(const std::vector<Enregistrement>& enregistrements) {
    ClassementIndiv cl;
    for (const Enregistrement& e : enregistrements) {
        cl.TabEnreg.push_back(e);
        cl.TotIndiv.push_back(totalIndiv(e));
        cl.NbGymnastes += gymnasteVide(e) ? 0 : 1;
    }
    cl.NbEnreg = std::ssize(cl.TabEnreg);
    return cl;
}
// Ranked team entries "NOM|VILLE|total|s1 s2 s3 s4 s5 s6" (scores "0000" if left out).
ClassementEquipes equipes(std::string_view nom) {
    ClassementEquipes cl;
    for (const std::string& l : section(nom)) {
        const std::vector<std::string> f = couper(l, '|');
        cl.TabEquipes.push_back({versCp1252(f[0]), versCp1252(f[1]), std::stol(f[2]), {}});
        cl.TabEquipes.back().notes.fill("0000");
        if (f.size() > 3) std::ranges::copy(couper(f[3], ' '), cl.TabEquipes.back().notes.begin());
    }
    return cl;
}
// A page or table fixture is kept in UTF-8 with LF; the program writes Windows-1252 with CR LF.
std::string pageFixture(std::string_view nom) {
    std::string page;
    for (char c : lireFichier(fs::path(PALMORA_FIXTURES) / nom))
        page += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return versCp1252(page);
}

} // namespace

struct Classements : CompetOuverte {
    static std::string noms(const ClassementIndiv& cl) {
        std::string n;
        for (const Enregistrement& e : cl.TabEnreg)
            n += std::string(rogner(e.lire(champs::Nom))) + " ";
        return n;
    }
    // "NOM/VILLE place" of each ranked team: "-" for none, "=" after a tied one.
    static std::string classees(const ClassementEquipes& cl) {
        PlacesEquipes p;
        std::string vues;
        for (const EntreeEquipe& e : cl.TabEquipes) {
            const auto place = p.suivante(e);
            vues += std::string(rogner(e.NomEquip)) + "/" + std::string(rogner(e.Ville)) +
                    (place ? " " + std::to_string(place->numero) : " -") +
                    (place && place->exAequo ? "=|" : "|");
        }
        return vues;
    }
};

TEST_F(Classements, IndividualTotalsAreWrittenBackAndRankedHighestFirstThenByTheRecord) {
    ouvrir(contenu("totaux"));
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_EQ(cl.NbGymnastes, 3);
    EXPECT_EQ(noms(cl), "MARTIN DURAND ZOLA \xA0 ");
    EXPECT_EQ(cl.TotIndiv, (std::vector<int>{2850, 950, 5, 0}));
    EXPECT_EQ(surDisque(), contenu("totaux_ecrits")); // only the totals changed on disk
    ouvrir(contenu("recalcul"));
    EXPECT_EQ(ClasserIndiv(etat).TotIndiv, std::vector<int>{875});
    EXPECT_EQ(surDisque().substr(184, 4), "0875");
    ouvrir(contenu("protege_indiv")); // a protected file still gets its individual totals
    ClasserIndiv(etat);
    EXPECT_EQ(surDisque().substr(184, 4), "0900");

    ouvrir(contenu("egalites"));
    // The padding space sorts before a letter, upper case before lower, É (201) last.
    EXPECT_EQ(noms(ClasserIndiv(etat)), "ZZ DUPONT DUPONT DUPONTEL dupont \xC9ric ");
    EXPECT_EQ(rogner(ClasserIndiv(etat).TabEnreg[1].lire(champs::Prénom)), "Alice");
    ouvrir(contenu("ordre_du_fichier")); // equal from the surname on: the file's order
    EXPECT_EQ(ClasserIndiv(etat).TabEnreg[0].lire(champs::NomEquip).substr(0, 1), "B");
}

// By total, then name, then the file's order. The counter goes up by one for each team listed;
// a group of individual entrants is ranked but gets no place. Only whole teams are ranked.
TEST_F(Classements, TeamsGetTheirTotalsPlacesAndTies) {
    ouvrir(fichier({enregistrementProvisoire(kSansJuges)})); // ranked empty, makes no team
    const ClassementIndiv cl = ClasserIndiv(etat);
    EXPECT_TRUE(cl.NbEnreg == 1 && cl.NbGymnastes == 0 && cl.TabEnreg.size() == 1 &&
                gymnasteVide(cl.TabEnreg[0]));
    EXPECT_TRUE(ClasserEquipes(etat).NbEnreg == 1 && ClasserEquipes(etat).TabEquipes.empty());
    EXPECT_EQ(surDisque().substr(184, 4) + surDisque().substr(274, 5), "000000000"); // totals
    // Blank names or a lone code 160 make an empty slot, not a first name alone.
    EXPECT_TRUE(gymnasteVide(slotLibre("A", "V")) && !gymnasteVide(enreg("A|V|\u00A0|Anne")));

    ouvrir(contenu("protege_equipes")); // protected: ranked, the file left as it is
    EXPECT_EQ(classees(ClasserEquipes(etat)), "ALPHA/V 1|BETA/V 2|");
    EXPECT_EQ(ClasserEquipes(etat).TabEquipes[0].TotalEquipe, 2000);
    EXPECT_EQ(surDisque(), contenu("protege_equipes"));

    ouvrir(contenu("cinq_chiffres")); // every record gets its team total on five digits
    const ClassementEquipes cinq = ClasserEquipes(etat);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(surDisque().substr(k * 300 + 274, 5), k < 4 ? "00950" : "00000") << k;
    // A score never entered (NULs or blanks) shows as four zeros.
    EXPECT_EQ(cinq.TabEquipes[1].Poutre(), "0000");
    EXPECT_EQ(cinq.TabEquipes[0].Poutre(), "0950");
    EXPECT_EQ(cinq.TabEquipes[0].note(6), "0000");

    const std::pair<const char*, const char*> cas[] = {
        {"equipes_classees", "ALPHA/V 1|BETA/V 2=|GAMMA/V 3|"},
        {"sans_tri", "ALPHA/W 1|ALPHA/V 2=|BETA/V 3|"},
        {"groupe", "INDIV*/V -|ALPHA/V 1|BETA/V 2|"},
        {"groupe_egal", "AAA*/V -|BETA/V 1=|"},
        {"equipe_entamee", "ALPHA/V 1|"}};
    for (const auto& [nom, attendu] : cas) {
        ouvrir(contenu(nom));
        EXPECT_EQ(classees(ClasserEquipes(etat)), attendu) << nom;
    }
    EXPECT_EQ(ClasserEquipes(etat).TabEnreg.size(), 7U);
    ouvrir(contenu("sans_tri"));
    EXPECT_EQ(classees(ClasserEquipes(etat, true)), "BETA/V 1|ALPHA/W 2|ALPHA/V 3=|");
}

TEST_F(Classements, TheFirstMissingMarkIsNamedAndTheCheckStops) {
    ouvrir("M_2_PS00.PLM", contenu("notes_completes"));
    EXPECT_FALSE(VerifNotes(etat, dialogues));
    ouvrir(fichier({enregistrementProvisoire("0332000300")})); // no teams: nobody named
    EXPECT_FALSE(VerifNotes(etat, dialogues));
    ouvrir(contenu("note_manquante"));
    EXPECT_TRUE(VerifNotes(etat, dialogues, "prot")); // the protect command: no message
    EXPECT_TRUE(VerifNotes(etat, dialogues));
    ouvrir("F_2_PS00.PLM", contenu("barres_un_juge")); // women: their apparatus only
    EXPECT_TRUE(VerifNotes(etat, dialogues));
    EXPECT_EQ(messages(dialogues), attendus("note_manquante"));
}

// Women: a 10,00, missing and blank scores, an escaped "&", hors-concours, an individual entrant
// (legend), team places and a tie, a group of individual entrants left out, totals under one
// point; men: six columns, no indent, their own hors-concours text, no span after the header.
// Beyond them: the lowest team total of three figures, no overflow past 16 bits, under 0,10.
TEST(Pages, RankingPagesAndTables) {
    for (const std::string nom :
         {"page_indiv_femmes", "page_indiv_hommes", "page_equipes_femmes", "page_equipes_hommes"}) {
        const char code = nom.ends_with("hommes") ? 'M' : 'F';
        const PageEtTable sortie =
            nom.starts_with("page_indiv")
                ? composerClIndiv(classement(enregs(nom)), code, code, kTextes)
                : composerClEquip(equipes(nom), code, kTextes);
        EXPECT_EQ(sortie.page, pageFixture(nom + ".htm"));
        EXPECT_EQ(sortie.table, pageFixture(nom + ".txt"));
    }
    EXPECT_EQ(totalEquipePage(100), std::string(3, '\xA0') + "1,00");
    EXPECT_EQ(totalEquipePage(36000), std::string(1, '\xA0') + "360,00");
    EXPECT_EQ(decimalSimple(5), "0,05");
}

TEST(Pages, PlacesAreRightAlignedOnThreeAndTiesLeaveThemBlank) {
    const PageEtTable sortie = composerClIndiv(classement(enregs("onze")), 'M', 'M', kTextes);
    const auto page = couper(sortie.page, '\n');
    const auto table = couper(sortie.table, '\n');
    std::string places; // after "<NOBR><B>" up to the name's N (NBSP as _), then the table's
    for (std::size_t rang = 1; rang <= 11; ++rang)
        places += page[12 + rang].substr(9, 5) + table[rang].substr(0, 4);
    std::ranges::replace(places, '\xA0', '_');
    EXPECT_EQ(places, "__1_N  1\t__2_N  2\t__3_N  3\t__4_N  4\t__5_N  5\t____N   \t__7_N  7\t"
                      "__8_N  8\t__9_N  9\t_10_N 10\t_11_N 11\t");
    EXPECT_EQ(sortie.page.find("(*)"), std::string::npos) << "no individual entrant, no note";
}

// Men: team totals, a score of 10,00 and missing ones; women: hors-concours gymnasts left out
// (their team keeps its separator and total), a group of individual entrants without total.
TEST(Pages, ScoreListings) {
    for (const auto& [nom, code] :
         {std::pair{"voir_notes_hommes", 'M'}, {"voir_notes_femmes", 'F'}}) {
        ClassementEquipes cl = equipes(std::string(nom) + "_totaux"); // the team totals
        cl.TabEnreg = enregs(nom);                                    // the records in file order
        EXPECT_EQ(composerVoirNotes(cl, 2, code, kTextes), pageFixture(std::string(nom) + ".htm"));
    }
}

// Worked out from the vault marks (four equal marks each, scores not yet computed): HORS, hors
// concours, uses up place 1; MARTIN and ZOLA tie, the name orders them and the tie shows no
// place; SOLO is an individual entrant, whose group makes no team. A file's change changing
// the tag is left to the served-results test.
TEST(ResultatsEnDirect, RankingPagesAndTag) {
    DossierTemporaire dossier;
    ecrireFichier(dossier / "F_2_PS00.PLM", competitionDirect());
    SourceDirect source{dossier.chemin(), {"Coupe <d'hiver>", "Gymnase & salle"}, {"F_2_PS00.PLM"}};
    const ResultatsDirect r =
        resultatsDirect(*LireCopie(dossier.chemin(), "F_2_PS00.PLM"), source.titre);
    const nlohmann::json j = nlohmann::json::parse(jsonDirect(r));
    EXPECT_EQ(j["agres"], nlohmann::json({"Saut", "Barres", "Poutre", "Sol"}));
    std::string vus;
    for (const auto& l : j["individuel"])
        vus += l["place"].get<std::string>() + " " + l["nom"].get<std::string>() + " " +
               (l["hors_concours"] ? "HC" : l["total"].get<std::string>()) +
               (l["individuel"] ? "*|" : "|");
    EXPECT_EQ(vus, " HORS HC|2 MARTIN 9,50| ZOLA 9,50|4 DURAND 8,00|5 ARNAUD 7,00|6 SOLO 6,00*|");
    EXPECT_EQ(j["individuel"][0]["notes"].size() + j["equipes"].size(), 2U);
    EXPECT_EQ(j["individuel"][1]["notes"], nlohmann::json({"9,50", "-----", "-----", "-----"}));

    EXPECT_NE(pageIndivDirect(r).find("Coupe &lt;d&#39;hiver&gt;"), std::string::npos);
    const std::string notes = pageNotesDirect(r);
    EXPECT_EQ(notes.find("HORS"), std::string::npos); // the listing leaves them out
    EXPECT_NE(notes.find("ALPHA de AUBE : "), std::string::npos);

    const RouteDirect route = *routeDirect("/F_2_PS00/equipes", source.competitions);
    const std::string etiquette = etiquetteDirect(route, source);
    EXPECT_EQ(etiquetteDirect(route, source), etiquette);
    source.titre.ligne2 = "Autre salle";
    EXPECT_NE(etiquetteDirect(route, source), etiquette);
}

// Checks a recording against a section ("== nom") of a drawing list in tests/data/sorties; the
// checks a line may hold are listed at the top of imprim_indiv.txt.
void verifierDessins(const SurfaceEnregistree& s, const std::string& fichier,
                     const std::string& cas) {
    const auto proche = [](double a, const std::string& b) {
        return b == "*" || std::abs(a - std::stod(b)) < 1e-6;
    };
    const auto couleur = [](Couleur c) {
        return c == kNoir ? "noir" : c == kRouge ? "rouge" : c == kBleu ? "bleu" : "autre";
    };
    const auto nombre = [](const std::string& w) { return w == "*" || std::isdigit(w[0]); };
    for (const std::string& l : section(cas, fichier)) {
        SCOPED_TRACE(fichier + " " + cas + ": " + l);
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
    std::vector<Enregistrement> v;
    for (int i = 1, note = 900; i <= n + libres; ++i) {
        note -= i != egal ? 1 : 0;
        v.push_back(enreg("ALPHA|01 BOURG|" +
                          (i > n ? "" : "N" + chiffres(i, 3) + "||5=" + std::to_string(note))));
    }
    return classement(v);
}

// 61 gymnasts: two numbered pages; 60 and empty slots: one page without number. A tie shows no
// place, except on the first row of a page. Men's team ranking: the head printed once.
TEST(Impression, RankingsPrintAsTheirDrawingLists) {
    const auto indiv = [](const ClassementIndiv& cl, const std::string& nom) {
        SurfaceEnregistree s;
        imprimerClIndiv(cl, nom == "hommes", kTextes, s);
        verifierDessins(s, "imprim_indiv.txt", nom);
    };
    indiv(gymnastes(1), "tete");
    indiv(gymnastes(61), "61");
    indiv(gymnastes(60, 0, 3), "60_libres");
    indiv(gymnastes(61, 61), "61_egal");
    indiv(gymnastes(3, 3), "3_egal");
    for (const char* nom : {"virgules", "colonnes", "tirets", "hors_concours", "hommes"})
        indiv(classement(enregs(nom)), nom);
    for (const std::string nom : {"rangee", "places", "soixante_dix"}) {
        SurfaceEnregistree s;
        imprimerClEquip(equipes(nom), nom == "soixante_dix", kTextes, s);
        verifierDessins(s, "imprim_equipes.txt", nom);
    }
}

TEST_F(CompetOuverte, MatchSheetsPrintAsTheirDrawingLists) {
    SurfaceEnregistree s;
    const auto feuilles =
        [&](const ChoixFeuilles& choix, const std::string& cas,
            const TitreCompet& titre = {"Coupe d'hiver", "Vienne, 6 décembre 2026"}) {
            s = {};
            ImprimerFeuilles(etat, titre, choix, s);
            verifierDessins(s, "feuilles.txt", cas);
        };
    // Every sheet in the women's order; one team and apparatus; the grid only; no grid.
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
    for (auto [n, equipes] : {std::pair{1, 0}, {3, 2}, {5, 2}, {7, 4}, {4, 2}}) {
        ouvrir(contenu("demi_equipes").substr(0, n * kTailleEnreg));
        EXPECT_EQ(equipesFeuilles(etat), equipes) << n;
    }
}

const fs::path kEntrees = PALMORA_FICHIERS_ABIMES;

// A copy of one damaged input in a working folder of its own.
struct Essai {
    DossierTemporaire dossier, programme;
    DialoguesScriptes dialogues;
    OuvreurEnregistre ouvreur;
    SurfaceEnregistree surface;
    Competition etat;
    std::string nom;

    explicit Essai(const std::string& cas)
        : nom(fs::directory_iterator(kEntrees / cas)->path().filename().string()) {
        etat.changerDossier(dossier.chemin());
        fs::copy_file(kEntrees / cas / nom, dossier / nom);
    }

    // Every command that reads the whole file, each question answered Yes.
    void parcourir() {
        if (!etat.Ouvrir(nom, dialogues)) return;
        dialogues.reponses.assign(20, Reponse::Oui);
        VoirClIndiv(etat, kTextes, dialogues, ouvreur);
        VoirClEquip(etat, kTextes, dialogues, ouvreur);
        VoirNotes(etat, kTextes, dialogues, ouvreur);
        (etat.CodeAgres() == 'M' ? ImprimClIndivM : ImprimClIndivF)(etat, kTextes, dialogues,
                                                                    surface);
        ImprimClEquip(etat, kTextes, dialogues, surface);
        ImprimerFeuilles(etat, kTextes.titre, ChoixFeuilles{}, surface);
        dialogues.reponses.clear();
    }
};

// Shows the window, presses each key in turn, then closes it: nothing may crash.
void parcourir(QDialog&& fenetre, std::initializer_list<Qt::Key> touches) {
    fenetre.show();
    QApplication::processEvents();
    for (Qt::Key touche : touches)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &fenetre,
                        touche);
    fenetre.reject();
    QApplication::processEvents();
}

// Root writes anywhere: while it lives, files are opened with an ordinary user's rights.
struct CommeUtilisateur {
    CommeUtilisateur() { changer(65534); }
    ~CommeUtilisateur() { changer(0); }
    static void changer(unsigned id) {
        if (::geteuid() == 0) ::setfsgid(id), ::setfsuid(id);
    }
};

TEST(EntreesAbimees, DamagedFilesGoThroughEveryCommandAndWindow) {
    for (const auto& cas : fs::directory_iterator(kEntrees)) {
        if (!cas.is_directory()) continue;
        const std::string nom = cas.path().filename().string();
        SCOPED_TRACE(nom);
        Essai essai(nom);
        essai.parcourir();
        std::vector<std::string> vus = messages(essai.dialogues);
        if (nom == "protege") {
            EXPECT_TRUE(vus.front().ends_with("|" + essai.etat.FichierCompet()));
            vus.erase(vus.begin());
        }
        EXPECT_EQ(vus, attendus("parcours"));
        EXPECT_EQ(std::to_string(essai.ouvreur.ouverts.size()) + " pages shown, " +
                      std::to_string(essai.surface.documentsTermines) + " printed",
                  "3 pages shown, 3 printed");
        EXPECT_GE(essai.surface.pages.size(), 2u);

        // The windows on a fresh copy, with the keys an organiser uses.
        Essai f(nom);
        ASSERT_TRUE(f.etat.Ouvrir(f.nom, f.dialogues));
        if (!f.etat.Protege()) {
            parcourir(Noms(f.etat, BornesCategories{}, f.programme.chemin(), f.dialogues),
                      {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Tab});
            for (const Agres& agres : agresDe(f.etat.CodeAgres()))
                parcourir(Saisie(f.etat, f.dialogues, agres),
                          {Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_PageUp});
            parcourir(ModiJuge(f.etat, f.dialogues), {Qt::Key_Down});
        }
        ChoixFeuilles choix;
        parcourir(QuelleEquipe(f.etat, choix), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
    }
}

// A read-only file is shown and printed but refuses a mark and the sort. A read-only folder
// names each page it cannot take (page and table of each ranking, shown then printed, and the
// notes page), prints all the same and refuses the sort. Neither changes the file.
TEST(EntreesAbimees, AReadOnlyFileOrFolderKeepsTheFile) {
    const auto parcours = attendus("parcours"); // read before the test drops its rights
    for (const bool dossierSeul : {false, true}) {
        Essai essai(dossierSeul ? "nom_bizarre" : "tronque");
        const fs::path fichier = essai.dossier / essai.nom;
        const std::string original = lireFichier(fichier);
        const auto lecture = fs::perms::owner_read | fs::perms::others_read;
        fs::permissions(dossierSeul ? fichier : essai.dossier.chemin(), fs::perms::all);
        fs::permissions(dossierSeul ? essai.dossier.chemin() : fichier,
                        dossierSeul ? lecture | fs::perms::owner_exec | fs::perms::others_exec
                                    : lecture | fs::perms::group_read);
        CommeUtilisateur utilisateur;

        essai.parcourir();
        const auto refus = [](const Message& m) {
            return m.texte.ends_with("\nne peut pas être écrit.");
        };
        EXPECT_EQ(std::ranges::count_if(essai.dialogues.messages, refus), dossierSeul ? 9 : 0);
        EXPECT_TRUE(dossierSeul ? essai.ouvreur.ouverts.empty()
                                : messages(essai.dialogues) == parcours);
        EXPECT_EQ(essai.surface.documentsTermines, 3) << "printing goes on";

        essai.dialogues.messages.clear();
        if (!dossierSeul) {
            SaisieNotes saisie(essai.etat, essai.dialogues, agresDe('F')[0]);
            saisie.ChargerEquipe(1);
            EXPECT_THROW(saisie.Valider({TextesLigne{{"95"}, ""}}), ProgrammeArrete);
        }
        EXPECT_THROW(TrierFichier(essai.etat, essai.dialogues), ProgrammeArrete);
        EXPECT_EQ(messages(essai.dialogues),
                  std::vector<std::string>(dossierSeul ? 1 : 2,
                                           "Modification interdite.|Compétition terminée"));
        EXPECT_EQ(lireFichier(fichier), original);
    }
}

// Without a printer a printout is a PDF: written only when drawn on, told and shown; one that
// cannot be written is named in a critical message and nothing opens.
// A match sheet's apparatus: the men's six from the rings, the women's four from the bars;
// Annuler leaves none chosen, so nothing is printed.
TEST(Impression, TheApparatusOfASheetIsChosenAmongThoseOfItsSex) {
    ChoixFeuilles choix;
    std::string vus;
    for (const char code : {'M', 'F'}) {
        Quelepreuv q(code, choix);
        q.show();
        for (const QRadioButton* b : q.findChildren<QRadioButton*>())
            vus += b->isVisible() ? '1' : '0';
        vus += std::to_string(choix.EpreuveChoisie);
        q.reject();
        vus += std::to_string(choix.EpreuveChoisie) + " ";
    }
    EXPECT_EQ(vus, "111111010 000111140 ");
}

TEST(Impression, APdfIsWrittenOnlyWhenDrawnOnAndWhereItCan) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a real printer is set";
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    OuvreurEnregistre ouvreur;
    for (const fs::path& pdf :
         {dossier / "vide.pdf", dossier / "un.pdf", dossier / "absent/b.pdf"}) {
        SurfaceQt s(dialogues, ouvreur);
        s.commencer(pdf);
        if (pdf.stem() != "vide") s.texte(10, 10, "Saut");
        s.terminer();
    }
    EXPECT_FALSE(fs::exists(dossier / "vide.pdf"));
    ASSERT_EQ(dialogues.messages.size(), 2U);
    EXPECT_NE(dialogues.messages[0].texte.find((dossier / "un.pdf").string()), std::string::npos);
    EXPECT_EQ(ouvreur.ouverts, std::vector{dossier / "un.pdf"});
    EXPECT_EQ(dialogues.messages[1].texte,
              "Le fichier\n" + (dossier / "absent/b.pdf").string() + "\nne peut pas être écrit.");
    EXPECT_EQ(dialogues.messages[1].icone, Icone::Critique);
}

TEST(EntreesAbimees, AFullDiskNamesThePageThatCouldNotBeWrittenAndWritesTheTable) {
    Essai essai("longueur");
    ASSERT_TRUE(essai.etat.Ouvrir(essai.nom, essai.dialogues));
    const fs::path page = cheminClIndiv(essai.etat, ".htm");
    EXPECT_TRUE(page.string().ends_with(" - 02 (indiv).htm")); // its plateau number
    fs::create_symlink("/dev/full", page);                     // a device that is always full
    VoirClIndiv(essai.etat, kTextes, essai.dialogues, essai.ouvreur);
    EXPECT_EQ(messages(essai.dialogues),
              std::vector<std::string>{"Le fichier\n" + page.string() +
                                       "\nne peut pas être écrit.|Affichage "
                                       "du classement individuel"});
    EXPECT_TRUE(essai.ouvreur.ouverts.empty());
    EXPECT_TRUE(fs::exists(cheminClIndiv(essai.etat, ".txt")));
}
