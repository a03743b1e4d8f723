#pragma once

#include "data/competition.h"
#include "data/table_ages.h"
#include "registration/inscription.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

namespace palmora::test {

inline const std::filesystem::path kFixtures = PALMORA_FIXTURES;
inline constexpr char kNom[] = "F_1_PS00.PLM"; // women, 9-10 ans: born 1995 or 1996

// A competition opened from a temporary folder, its messages answered from a script.
struct Ouverte : ::testing::Test {
    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Competition etat;
    BornesCategories bornes = deriverBornes(anneesDeTable("97989596939491929798959693949192"));

    void ouvrirDans(DossierTemporaire& d, Competition& c, const std::string& contenu) {
        ecrireFichier(d / kNom, contenu);
        c.changerDossier(d.chemin());
        ASSERT_TRUE(c.Ouvrir(kNom, dialogues));
    }
    void ouvrir(const std::string& contenu) { ouvrirDans(dossier, etat, contenu); }
    void ouvrirNouveau(std::string_view bloc = kBlocFeminin) {
        ouvrir(fichier({enregistrementProvisoire(bloc)}));
    }
    std::string surDisque() const { return lireFichier(dossier / kNom); }
    // Each message as "title (icon, buttons, default): text", in order.
    std::vector<std::string> journal() const {
        std::vector<std::string> j;
        for (const Message& m : dialogues.messages)
            j.push_back(m.titre + " (" + std::to_string(static_cast<int>(m.icone)) + ", " +
                        std::to_string(static_cast<int>(m.boutons)) + ", " +
                        std::to_string(static_cast<int>(m.defaut)) + "): " + m.texte);
        return j;
    }
};

} // namespace palmora::test
