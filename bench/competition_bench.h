#pragma once

#include "data/enregistrement.h"
#include "data/nombres.h"

#include <random>
#include <string>

namespace palmora {

inline constexpr int kEnregistrements = 16383;
inline constexpr int kEffectif = 4;

// Women's teams of 4, 3 retained, 4 judges on each apparatus.
inline std::string competition() {
    std::mt19937 alea(2026);
    std::string contenu;
    for (int k = 0; k < kEnregistrements; ++k) {
        Enregistrement e;
        const int equipe = k / kEffectif;
        e.poser(champs::NomEquip, "CLUB " + std::to_string(equipe));
        e.poser(champs::Nom, "NOM" + std::to_string(alea() % 5000));
        e.poser(champs::Prénom, "Prenom" + std::to_string(k % 97));
        e.poser(champs::Naissance, "12");
        e.poser(champs::SurCl, k % 50 == 7 ? "H" : "N");
        e.poser(champs::BlocConfig, "0430004444");
        e.poser(champs::Ville, "VILLE " + std::to_string(equipe % 300));
        for (int s = 3; s <= 6; ++s) {
            for (int j = 1; j <= 4; ++j)
                e.poser(champs::Notes(s, j), chiffres(600 + alea() % 400, 3));
            e.poser(champs::Deduc(s), " 000");
            e.poser(champs::NoteEquipe(s), chiffres(alea() % 3000, 4));
        }
        contenu += e.octets();
    }
    return contenu;
}

} // namespace palmora
