#pragma once

#include "platform/documents.h"

#include <filesystem>
#include <vector>

namespace palmora::test {

// Records every document the program asks to open; `reussit` false plays a system where
// nothing opens it.
class OuvreurEnregistre : public OuvreurDocuments {
public:
    std::vector<std::filesystem::path> ouverts;
    bool reussit = true;

    bool ouvrir(const std::filesystem::path& document) override {
        ouverts.push_back(document);
        return reussit;
    }
};

} // namespace palmora::test
