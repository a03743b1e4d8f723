// The folders of src/ are layers: each includes only from its own layer or those below it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace fs = std::filesystem;

// Lower layers first; registration and scoring share a layer and never include each other.
static const std::map<std::string, int> kCouches{
    {"platform", 0}, {"data", 1}, {"registration", 2}, {"scoring", 2}, {"reports", 3}, {"app", 4}};

TEST(Couches, EveryIncludePointsBelowAndNoTwoFilesDifferOnlyByCase) {
    const std::regex inclusion(R"(^\s*#\s*include\s*"(\w+)/)");
    std::map<std::string, std::string> vus; // file names in lower case
    std::string fautes;
    for (const auto& entree : fs::recursive_directory_iterator(PALMORA_SOURCES)) {
        std::string bas = entree.path().string();
        std::transform(bas.begin(), bas.end(), bas.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (const auto [place, nouveau] = vus.emplace(bas, entree.path().string()); !nouveau)
            fautes += place->second + " / " + entree.path().string() + "\n";
        const fs::path relatif = fs::relative(entree.path(), PALMORA_SOURCES);
        const std::string dossier = relatif.begin()->string();
        if (!entree.is_regular_file() || !kCouches.contains(dossier)) continue;
        std::ifstream flux(entree.path());
        std::string ligne;
        for (int numero = 1; std::getline(flux, ligne); ++numero) {
            std::smatch m;
            if (std::regex_search(ligne, m, inclusion) && kCouches.contains(m[1]) &&
                m[1] != dossier && kCouches.at(m[1]) >= kCouches.at(dossier))
                fautes += relatif.string() + ":" + std::to_string(numero) + ": " + dossier +
                          " -> " + m[1].str() + "\n";
        }
    }
    EXPECT_GT(vus.size(), 50u) << "src/ not found at " << PALMORA_SOURCES;
    EXPECT_EQ(fautes, "");
}
