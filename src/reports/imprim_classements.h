#pragma once

namespace palmora {

class Dialogues;
class SurfaceImpression;
struct ClassementEquipes;
struct ClassementIndiv;
class Competition;
struct TextesPage;

// The commands Ctrl+Alt+V ("Imprim_Cl_Indiv") and Ctrl+Alt+E ("Imprim_Cl_Equip"): rank, check
// that no mark is missing, ask, write the page and table, then print. The women's set serves
// the women's competitions and level "E", the men's set the others.
void ImprimClIndivF(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                    SurfaceImpression& surface);
void ImprimClIndivM(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                    SurfaceImpression& surface);
void ImprimClEquip(Competition& etat, const TextesPage& textes, Dialogues& dialogues,
                   SurfaceImpression& surface);

// The pages alone, drawn on a document already begun.
void imprimerClIndiv(const ClassementIndiv& cl, bool hommes, const TextesPage& textes,
                     SurfaceImpression& s);
void imprimerClEquip(const ClassementEquipes& cl, bool hommes, const TextesPage& textes,
                     SurfaceImpression& s);

} // namespace palmora
