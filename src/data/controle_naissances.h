#pragma once

#include "data/table_ages.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace palmora {

class Dialogues;

// One gymnast row of the registration window, as its boxes read.
struct LigneNaissance {
    std::string Nom;
    std::string Naissance; // the two last digits of the year, as typed
    std::string SurCl;     // "N" not moved up, "O" moved up, "H" out of competition
};

enum class ErreurNaissance { Aucune, NonSaisie, Incompatible };

struct ControleNaissances {
    ErreurNaissance erreur = ErreurNaissance::Aucune;
    int ligne = -1; // the failing row
    bool ok() const { return erreur == ErreurNaissance::Aucune; }
};

// The check of `ControlerNaissances` alone, telling nobody.
ControleNaissances verifierNaissances(std::string_view fichierCompet,
                                      const BornesCategories& BornesAges,
                                      const std::vector<LigneNaissance>& lignes);

// `ControlerNaissances`: checks the birth years of the rows, from the first down to the
// first empty surname, against the category of the open competition (sex: character 1
// of its file name, category: character 5). The first failure is reported: for a year
// out of the category, `placerFocus(row)` runs first (the window puts the focus on the
// row's surname, then on its birth year with both digits selected), then the beep and
// the message; a year not entered only gets its message.
ControleNaissances ControlerNaissances(std::string_view fichierCompet,
                                       const BornesCategories& BornesAges,
                                       const std::vector<LigneNaissance>& lignes,
                                       Dialogues& dialogues,
                                       const std::function<void(int)>& placerFocus = {});

} // namespace palmora
