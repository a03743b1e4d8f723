#pragma once

#include <filesystem>
#include <string_view>

namespace palmora {

class Dialogues;
class LecteurA;
class Competition;

// The registry's exchange copy on the exchange drive: a byte-for-byte copy of Orvane.lic.
inline constexpr std::string_view kFichierEchange = "Orvane.cop";

// `ExporterRegistre` (Shift+Ctrl+Alt+X): closes the open competition, then copies the
// registry as it is onto the exchange drive. A drive without medium, refusing writing or
// full is reported with "Réessayer" and "Annuler"; a missing registry is reported once.
void ExporterRegistre(Competition& etat, const std::filesystem::path& dossierProgramme,
                      LecteurA& lecteur, Dialogues& dialogues);

// `ImporterRegistre` (Shift+Ctrl+Alt+I): closes the open competition, reads the exchange
// copy from the drive (a missing medium is reported with "Réessayer", a missing copy once),
// merges its entries into the registry and rebuilds it, keeping the smallest entry of each
// licence number. The registry is replaced in one step; when it cannot be, a message names it
// and the update is not announced.
void ImporterRegistre(Competition& etat, const std::filesystem::path& dossierProgramme,
                      const LecteurA& lecteur, Dialogues& dialogues);

} // namespace palmora
