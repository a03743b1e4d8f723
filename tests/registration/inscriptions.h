#pragma once

#include "data/competition.h"
#include "data/table_ages.h"
#include "registration/inscription.h"

#include "support/dialogues_scriptes.h"
#include "support/dossier_temporaire.h"
#include "support/fabrique.h"

#include <gtest/gtest.h>

#include <sstream>

namespace palmora::test {

inline const std::filesystem::path kFixtures = PALMORA_FIXTURES;
inline constexpr char kNom[] = "F_1_PS00.PLM"; // women, 9-10 ans: born 1995 or 1996

inline std::vector<std::string> couper(const std::string& texte, char separateur) {
    std::vector<std::string> champs;
    std::istringstream flux(texte + separateur);
    for (std::string c; std::getline(flux, c, separateur);)
        champs.push_back(c);
    return champs;
}

// A table of cases under tests/data/inscriptions.
inline std::vector<std::vector<std::string>> cas(const char* nom) {
    return lireTable(kFixtures / nom);
}

// A team as "name/town/row/…", a row "surname,first name,year,moved up,licence".
inline EquipeSaisie equipe(const std::string& texte, std::size_t places = 4) {
    const std::vector<std::string> c = couper(texte, '/');
    EquipeSaisie e{c.at(0), c.size() > 1 ? c[1] : "", {}};
    for (std::size_t i = 2; i < c.size(); ++i) {
        const std::vector<std::string> l = couper(c[i], ',');
        e.lignes.push_back(l.size() < 5 ? LigneGymnaste{}
                                        : LigneGymnaste{l[0], l[1], l[2], l[3], l[4]});
    }
    e.lignes.resize(std::max(places, e.lignes.size()));
    return e;
}

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
    void ouvrirNouveau() { ouvrir(fichier({enregistrementProvisoire(kBlocFeminin)})); }
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
    // messages.txt: the texts a test expects, "\n" a line break, "{dossier}" its folder.
    std::vector<std::string> attendus(const std::string& cle) const {
        std::vector<std::string> m;
        for (auto c : cas("messages.txt")) {
            for (std::size_t i; (i = c[1].find("\\n")) != std::string::npos;)
                c[1].replace(i, 2, "\n");
            if (const auto i = c[1].find("{dossier}"); i != std::string::npos)
                c[1].replace(i, 9, dossier.chemin().string());
            if (c[0] == cle) m.push_back(c[1]);
        }
        return m;
    }
};

} // namespace palmora::test
