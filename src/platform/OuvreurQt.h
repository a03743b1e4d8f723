#pragma once

#include "platform/documents.h"

namespace palmora {

// Opens documents through QDesktopServices (xdg-open on Linux).
class OuvreurQt final : public OuvreurDocuments {
public:
    bool ouvrir(const std::filesystem::path& document) override;
};

} // namespace palmora
