#pragma once

#include "data/competition.h"
#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"

#include <gtest/gtest.h>

#include <string>

namespace palmora::test {

// A competition file of the test in a fresh folder, opened as the program opens it.
struct CompetOuverte : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Competition etat;
    std::string nom = "F_2_PS00.PLM";

    void ouvrir(const std::string& contenu) {
        ecrireFichier(dossier / nom, contenu);
        etat.changerDossier(dossier.chemin());
        ASSERT_TRUE(etat.Ouvrir(nom, dialogues));
    }
    // The same under another name (the name tells the kind of competition).
    void ouvrir(const std::string& autreNom, const std::string& contenu) {
        nom = autreNom;
        ouvrir(contenu);
    }
    std::string surDisque() const { return lireFichier(dossier / nom); }
};

} // namespace palmora::test
