#pragma once

namespace palmora {

// Outcome of a write. `Interdite`: the file or its medium cannot be written (read-only file
// or folder, no permission); `Echec`: any other failure (disk full, I/O error).
enum class Ecriture { Reussie, Interdite, Echec };

// Classifies the errno of a failed write.
Ecriture ecritureDepuisErreur(int numeroErreur);

} // namespace palmora
