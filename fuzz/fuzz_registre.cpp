// The licence registry (Orvane.lic) and the exchange copy (Orvane.cop) as any bytes: looked up,
// rebuilt from a competition file, imported and exported.
#include "outils_fuzz.h"

#include "data/competition.h"
#include "data/echange_licences.h"
#include "data/registre_licences.h"
#include "platform/lecteur_a.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace palmora;
using namespace palmora::fuzz;

namespace {

const std::filesystem::path& lecteur() {
    static const std::filesystem::path dossier = [] {
        const auto d = dossierFuzz() / "A";
        std::filesystem::create_directories(d);
        ::setenv("PALMORA_LECTEUR_A", d.c_str(), 1);
        return d;
    }();
    return dossier;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    const auto& dossier = dossierFuzz();
    const long long numero = fdp.ConsumeIntegral<long long>();
    ecrireOctets(lecteur() / kFichierEchange, fdp.ConsumeRandomLengthString(4000));
    ecrireOctets(dossier / "F_2_PS00.PLM", fdp.ConsumeRandomLengthString(4000));
    ecrireOctets(dossier / kFichierRegistre, fdp.ConsumeRemainingBytesAsString());

    DialoguesMuets dialogues;
    Competition etat;
    etat.changerDossier(dossier);
    LecteurASysteme a;
    try {
        ChercherLicence(dossier, numero);
        ReconstruireRegistre(etat, dossier, {"F_2_PS00.PLM", "absent.PLM"}, dialogues);
        ImporterRegistre(etat, dossier, a, dialogues);
        ExporterRegistre(etat, dossier, a, dialogues);
    } catch (const ProgrammeArrete&) {
    }
    return 0;
}
