#include "data/panneau_juges.h"

#include "data/competition.h"

namespace palmora {

NbJuges jugesDe(const Competition& compet) {
    NbJuges juges{};
    for (int ligne = 0; ligne < kLignesJuges; ++ligne)
        juges[static_cast<std::size_t>(ligne)] = compet.juges(kLignes[ligne].juges);
    return juges;
}

PanneauJuges::PanneauJuges(bool femmes, const NbJuges& comptes)
    : femmes_(femmes), comptes_(comptes) {
    for (int ligne = 0; ligne < kLignesJuges; ++ligne)
        if (!actif(ligne)) comptes_[ligne] = 0;
}

namespace {

// Line of a function key; F6 has no apparatus.
int ligneDeTouche(int touche) {
    if (touche >= 1 && touche <= 5) return touche - 1;
    if (touche == 7 || touche == 8) return touche - 2;
    return -1;
}

} // namespace

bool PanneauJuges::appuyer(int touche, bool ctrl, bool alt, bool autre) {
    const int ligne = ligneDeTouche(touche);
    if (ligne < 0 || !actif(ligne) || autre || ctrl == alt) return false;
    int& compte = comptes_[ligne];
    if (ctrl && compte < 6) {
        ++compte;
        return true;
    }
    if (alt && compte > 1) {
        --compte;
        return true;
    }
    return false;
}

bool jeuFeminin(char codeSexe, char niveau) {
    return codeSexe == 'F' || niveau == 'E';
}

PanneauJuges panneauNouveau(char codeSexe, char niveau) {
    NbJuges un;
    un.fill(1);
    return PanneauJuges(jeuFeminin(codeSexe, niveau), un);
}

PanneauJuges panneauOuvert(const Competition& etat) {
    return PanneauJuges(jeuFeminin(etat.CodeSexe(), etat.niveau()), jugesDe(etat));
}

} // namespace palmora
