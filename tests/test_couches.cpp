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

namespace {

// Lower layers first; registration and scoring share a layer and never include each other.
const std::map<std::string, int> kCouches{{"platform", 0}, {"data", 1},    {"registration", 2},
                                          {"scoring", 2},  {"reports", 3}, {"app", 4}};

bool permis(const std::string& de, const std::string& vers) {
    if (de == vers) return true;
    return kCouches.at(vers) < kCouches.at(de);
}

std::string minuscules(std::string texte) {
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return texte;
}

} // namespace

TEST(Couches, EveryIncludePointsToTheSameLayerOrBelow) {
    const fs::path racine = PALMORA_SOURCES;
    const std::regex inclusion(R"(^\s*#\s*include\s*"(\w+)/)");
    std::string fautes;
    int fichiers = 0;
    for (const auto& entree : fs::recursive_directory_iterator(racine)) {
        if (!entree.is_regular_file()) continue;
        const fs::path relatif = fs::relative(entree.path(), racine);
        const std::string dossier = relatif.begin()->string();
        if (!kCouches.contains(dossier)) continue;
        ++fichiers;
        std::ifstream flux(entree.path());
        std::string ligne;
        for (int numero = 1; std::getline(flux, ligne); ++numero) {
            std::smatch m;
            if (!std::regex_search(ligne, m, inclusion) || !kCouches.contains(m[1])) continue;
            if (!permis(dossier, m[1]))
                fautes += relatif.string() + ":" + std::to_string(numero) + ": " + dossier +
                          " -> " + m[1].str() + "\n";
        }
    }
    EXPECT_GT(fichiers, 50) << "src/ not found at " << racine;
    EXPECT_EQ(fautes, "");
}

TEST(Couches, NoTwoFilesDifferOnlyByCase) {
    std::map<std::string, std::string> vus;
    std::string conflits;
    for (const auto& entree : fs::recursive_directory_iterator(PALMORA_SOURCES)) {
        const std::string chemin = entree.path().string();
        const auto [place, nouveau] = vus.emplace(minuscules(chemin), chemin);
        if (!nouveau) conflits += place->second + " / " + chemin + "\n";
    }
    EXPECT_EQ(conflits, "");
}
