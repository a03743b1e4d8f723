#include "data/tri_intervalles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace palmora;

namespace {
void trier(std::vector<std::string>& v, bool (*enOrdre)(const std::string&, const std::string&)) {
    trierParIntervalles(
        static_cast<std::ptrdiff_t>(v.size()),
        [&](std::ptrdiff_t a, std::ptrdiff_t b) { return enOrdre(v[a], v[b]); },
        [&](std::ptrdiff_t a, std::ptrdiff_t b) { std::swap(v[a], v[b]); });
}
bool strict(const std::string& a, const std::string& b) {
    return a.substr(0, 1) < b.substr(0, 1);
}
bool large(const std::string& a, const std::string& b) {
    return a.substr(0, 1) <= b.substr(0, 1);
}
} // namespace

TEST(TriParIntervalles, SortsAnyInput) {
    std::mt19937 alea(7);
    for (int n : {0, 1, 2, 3, 7, 8, 9, 100, 1000}) {
        std::vector<std::string> v;
        for (int k = 0; k < n; ++k)
            v.push_back(std::to_string(alea() % 50));
        trier(v, [](const std::string& a, const std::string& b) { return a < b; });
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end())) << n;
    }
}

// Worked by hand: three entries, gaps 1 only (4 is above 3, then (4-1)/2 = 1).
TEST(TriParIntervalles, EqualKeysEndInTheOrderTheGapWalkGives) {
    std::vector<std::string> v = {"1a", "1b", "0"};
    trier(v, strict); // equal keys are swapped: the walk only stops on a strict order
    EXPECT_EQ(v, (std::vector<std::string>{"0", "1b", "1a"}));

    v = {"1a", "1b", "0"};
    trier(v, large); // equal keys stay where they are
    EXPECT_EQ(v, (std::vector<std::string>{"0", "1a", "1b"}));
}

// Four entries: gaps 2 then 1 (8 is the first power of two above 4).
TEST(TriParIntervalles, UsesTheGapSequenceFromThePowerOfTwoAboveTheCount) {
    std::vector<std::string> v = {"1a", "0a", "1b", "0b"};
    // Gap 3: j=0 compares 1a/0b -> swap: 0b 0a 1b 1a.
    // Gap 1: 0b/0a swap -> 0a 0b 1b 1a; 0b/1b keep; 1b/1a swap -> 0a 0b 1a 1b, then 0b/1a keep.
    trier(v, strict);
    EXPECT_EQ(v, (std::vector<std::string>{"0a", "0b", "1a", "1b"}));
}
