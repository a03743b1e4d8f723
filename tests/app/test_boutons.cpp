#include "app/boutons.h"
#include "data/competition.h"

#include "support/compet_ouverte.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

using namespace palmora;
using namespace palmora::test;

namespace {

VisibiliteBoutons visibles(bool ouvrir, bool inscrire, bool note, bool voir, bool imprimer,
                           bool protege) {
    return {ouvrir, inscrire, note, voir, imprimer, protege};
}

struct Boutons_ : CompetOuverte {
    Boutons_() { nom = "F_1_NS00.PLM"; }
};

} // namespace

TEST_F(Boutons_, EachStateShowsItsButtons) {
    EXPECT_EQ(visibiliteBoutons(etat, false), visibles(false, false, false, false, false, false));
    EXPECT_EQ(visibiliteBoutons(etat, true), visibles(true, false, false, false, false, false));

    ouvrir(fichier({enregistrementProvisoire("S654402340")}));
    EXPECT_EQ(visibiliteBoutons(etat, true), visibles(true, true, false, false, false, false));

    // One byte beyond the placeholder counts as teams.
    ouvrir(fichier({enregistrementProvisoire("S654402340")}) + "x");
    EXPECT_EQ(visibiliteBoutons(etat, true), visibles(true, true, true, true, true, true));

    Enregistrement marque = gymnaste("A", "01 X", "UN");
    marque[300] = kCode160;
    ouvrir(fichier({gymnaste("A", "01 X", "DEUX"), marque}));
    EXPECT_EQ(visibiliteBoutons(etat, true), visibles(true, false, false, true, true, false));

    // A team of one gymnast is as long as the placeholder, yet it is a team.
    ouvrir(fichier({gymnaste("A", "01 X", "UN", "0110004444")}));
    EXPECT_EQ(visibiliteBoutons(etat, true), visibles(true, true, true, true, true, true));
    EXPECT_EQ(etat.nbEquipes(), 1);

    Enregistrement provisoireMarque = enregistrementProvisoire("S654402340");
    provisoireMarque[300] = kCode160;
    ouvrir(fichier({provisoireMarque}));
    EXPECT_EQ(visibiliteBoutons(etat, true), visibles(true, false, false, false, false, false));
}
