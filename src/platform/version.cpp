#include "platform/version.h"

#include "version_projet.h"

namespace palmora {

std::string legendeVersion(int majeure, int mineure, int revision) {
    return "Palmora - Version " + std::to_string(majeure) + "." + std::to_string(mineure) +
           std::to_string(revision);
}

std::string legendeVersion() {
    return legendeVersion(PALMORA_VERSION_MAJOR, PALMORA_VERSION_MINOR, PALMORA_VERSION_PATCH);
}

} // namespace palmora
