#pragma once

namespace palmora {

class Competition;

// Toolbar buttons whose visibility follows the state ("Nouveau", "partir", "titre" and
// "Aide" are always shown).
struct VisibiliteBoutons {
    bool Ouvrir = false;
    bool inscrire = false;
    bool Note = false;
    bool Voir = false;
    bool Imprimer = false;
    bool protege = false;
    bool operator==(const VisibiliteBoutons&) const = default;
};

// `fichiersPresents`: the working folder holds a competition file.
VisibiliteBoutons visibiliteBoutons(const Competition& etat, bool fichiersPresents);

} // namespace palmora
