#pragma once

namespace palmora {

class Dialogues;
class Competition;

// "protege": refused while a mark is missing, then confirmed (No by default) before every
// record is marked. Returns whether the competition is now protected.
bool ProtegerCompet(Competition& etat, Dialogues& dialogues);

// Retained marks per apparatus for the team ranking (1 to 5, at most the team size); refused
// once a total has been computed. Asks until the answer is acceptable.
void DemanderNotesRetenues(Competition& etat, Dialogues& dialogues);

// Gymnasts per team (1 to 6); refused once a team has been saved. Asks until the answer is
// acceptable.
void DemanderEffectifEquipe(Competition& etat, Dialogues& dialogues);

} // namespace palmora
