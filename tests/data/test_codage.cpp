#include "data/cp1252.h"
#include "data/nombres.h"
#include "data/tri_intervalles.h"

#include "cas.h"

#include <algorithm>
#include <random>

using namespace palmora;
using namespace palmora::test;

TEST(Codage, TableOfCodePageAndNumberCases) {
    for (const Cas& c : lireCas("codage.txt")) {
        const std::string obtenu = c[0] == "vers"     ? versCp1252(c[1])
                                   : c[0] == "depuis" ? depuisCp1252(c[1])
                                   : c[0] == "lire"   ? std::to_string(lireNombre(c[1]))
                                                      : chiffres(std::stoll(c[1]), std::stoi(c[2]));
        EXPECT_EQ(obtenu, c.back()) << c.ligne;
    }
    EXPECT_EQ(lireNombre("99999999999999999999999"), lireNombre("999999999999999999999999"));
    std::string tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    EXPECT_EQ(versCp1252(depuisCp1252(tous)), tous) << "every byte survives a round trip";
}

namespace {
template <class F> std::vector<std::string> trier(std::vector<std::string> v, F enOrdre) {
    trierParIntervalles(
        std::ssize(v), [&](std::ptrdiff_t a, std::ptrdiff_t b) { return enOrdre(v[a], v[b]); },
        [&](std::ptrdiff_t a, std::ptrdiff_t b) { std::swap(v[a], v[b]); });
    return v;
}
// On the first character only, so that equal keys show where the walk leaves them.
const auto strict = [](const std::string& a, const std::string& b) { return a[0] < b[0]; };
const auto large = [](const std::string& a, const std::string& b) { return a[0] <= b[0]; };
} // namespace

TEST(TriParIntervalles, SortsAnyInputAndLeavesEqualKeysWhereTheGapWalkPutsThem) {
    std::mt19937 alea(7);
    for (int n : {0, 1, 2, 3, 7, 8, 9, 100, 1000}) {
        std::vector<std::string> v;
        for (int k = 0; k < n; ++k)
            v.push_back(std::to_string(alea() % 50));
        v = trier(v, std::less<>());
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end())) << n;
    }
    // Three entries: gap 1 only. The walk stops on an order only: equal keys are swapped when
    // it is strict, kept when it is not.
    EXPECT_EQ(trier({"1a", "1b", "0"}, strict), (std::vector<std::string>{"0", "1b", "1a"}));
    EXPECT_EQ(trier({"1a", "1b", "0"}, large), (std::vector<std::string>{"0", "1a", "1b"}));
    // Four entries: gaps 3 then 1 (8 is the first power of two above 4).
    EXPECT_EQ(trier({"1a", "0a", "1b", "0b"}, strict),
              (std::vector<std::string>{"0a", "0b", "1a", "1b"}));
}
