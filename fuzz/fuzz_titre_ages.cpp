// The folder title (TITRE.1) and the season's birth-year table (AGE.AGE) as any bytes.
#include "outils_fuzz.h"

#include "data/table_ages.h"
#include "data/titre_fichier.h"
#include "platform/horloge.h"

using namespace palmora;
using namespace palmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view octets = enTexte(data, size);
    const auto& dossier = dossierFuzz();
    DialoguesMuets dialogues;

    ecrireOctets(dossier / kFichierTitre, octets);
    if (const auto titre = LireTitre(dossier)) libelleTitre(*titre);

    ecrireOctets(dossier / kFichierAges, octets);
    const TextesAges textes = lireTextesAges(dossier);
    deriverBornes(anneesDeTable(octets));
    BornesCategories bornes;
    try {
        // A season with a built-in table, then one where the organiser keeps it.
        ChargerAges(dossier, DateHeure{2004, 11, 6, 10, 0, 0}, bornes, dialogues);
        ecrireOctets(dossier / kFichierAges, octets);
        ChargerAges(dossier, DateHeure{2026, 12, 6, 10, 0, 0}, bornes, dialogues);
        EnregistrerAges(dossier, textes, dialogues);
    } catch (const ProgrammeArrete&) {
    }
    return 0;
}
