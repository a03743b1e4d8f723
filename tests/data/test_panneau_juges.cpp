#include "data/panneau_juges.h"

#include "cas.h"
#include "support/compet_ouverte.h"
#include "support/fabrique.h"

using namespace palmora;
using namespace palmora::test;

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
