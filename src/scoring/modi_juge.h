#pragma once

#include "data/panneau_juges.h"

namespace palmora {

class Dialogues;
class Competition;

// The judge panel of the open competition (Ctrl+Alt+F2): refused on a protected competition
// with "Fichier protégé". Returns whether the `ModiJuge` dialog may open.
bool ModiJugePermis(const Competition& etat, Dialogues& dialogues);

// "&Oui" of `ModiJuge`, first step: removing a judge who has already given a mark (anything
// but 0,00) is refused with "Modification impossible". Returns whether the change may go on.
bool ControlerRetraitJuges(const Competition& etat, const NbJuges& AncienNbJuges,
                           const NbJuges& nouveaux, Dialogues& dialogues);

// "&Oui" of `ModiJuge`, then: the counts become the open competition's and are written at
// positions 52 to 58 of every record, the file being replaced whole. A file that cannot be
// written ends the program; any other failure leaves file and counts as they were (and is
// named in a message). Returns
// whether the counts were changed.
bool EcrireJuges(Competition& etat, const NbJuges& nouveaux, Dialogues& dialogues);

} // namespace palmora
