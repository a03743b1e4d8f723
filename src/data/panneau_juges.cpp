#include "data/panneau_juges.h"

#include "data/competition.h"

namespace palmora {

NbJuges jugesDe(const EtatCompet& etat) {
    return {etat.JugesAnneaux, etat.JugesArcons, etat.JugesFixe,  etat.JugesBarres,
            etat.JugesSaut,    etat.JugesSol,    etat.JugesPoutre};
}

void poserJuges(EtatCompet& etat, const NbJuges& juges) {
    etat.JugesAnneaux = juges[0];
    etat.JugesArcons = juges[1];
    etat.JugesFixe = juges[2];
    etat.JugesBarres = juges[3];
    etat.JugesSaut = juges[4];
    etat.JugesSol = juges[5];
    etat.JugesPoutre = juges[6];
    // The judges digits are the last seven of the block (positions 52 to 58).
    const std::size_t debut = champs::BlocConfig.longueur - kLignesJuges;
    if (etat.BlocConfig.size() < debut + kLignesJuges) return;
    for (int ligne = 0; ligne < kLignesJuges; ++ligne)
        etat.BlocConfig[debut + ligne] = static_cast<char>('0' + juges[ligne]);
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

PanneauJuges panneauOuvert(const EtatCompet& etat) {
    return PanneauJuges(jeuFeminin(etat.CodeSexe, etat.niveau()), jugesDe(etat));
}

} // namespace palmora
