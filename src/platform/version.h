#pragma once

#include <string>

namespace palmora {

// "Palmora - Version 1.00" for version 1.0.0: major "." minor, then the revision.
std::string legendeVersion(int majeure, int mineure, int revision);

// The caption of this build, from the project version.
std::string legendeVersion();

} // namespace palmora
