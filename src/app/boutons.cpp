#include "app/boutons.h"

#include "data/competition.h"

namespace palmora {

VisibiliteBoutons visibiliteBoutons(const Competition& etat, bool fichiersPresents) {
    VisibiliteBoutons v;
    v.Ouvrir = fichiersPresents;
    if (!etat.ouvert()) return v;
    const bool equipes = etat.aDesEquipes();
    v.inscrire = !etat.Protege();
    v.Note = equipes && !etat.Protege();
    v.protege = equipes && !etat.Protege();
    v.Voir = equipes;
    v.Imprimer = equipes;
    return v;
}

} // namespace palmora
