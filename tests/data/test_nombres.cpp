#include "data/nombres.h"

#include <gtest/gtest.h>

using namespace palmora;

TEST(LireNombre, LeadingDigitsCountAndAnythingElseReadsAsZero) {
    EXPECT_EQ(lireNombre("950"), 950);
    EXPECT_EQ(lireNombre("085"), 85);
    EXPECT_EQ(lireNombre(" 050"), 50);
    EXPECT_EQ(lireNombre("-050"), -50);
    EXPECT_EQ(lireNombre("12ab"), 12);
    EXPECT_EQ(lireNombre("ab12"), 0);
    EXPECT_EQ(lireNombre(""), 0);
    EXPECT_EQ(lireNombre(std::string(3, '\0')), 0);
    EXPECT_EQ(lireNombre(" "), 0);
    EXPECT_EQ(lireNombre("1 2"), 12);
    EXPECT_EQ(lireNombre("99999999999999999999999"), lireNombre("999999999999999999999999"));
}

TEST(Chiffres, PadsWithZerosWithoutEverCutting) {
    EXPECT_EQ(chiffres(5, 4), "0005");
    EXPECT_EQ(chiffres(2815, 5), "02815");
    EXPECT_EQ(chiffres(123456, 4), "123456");
    EXPECT_EQ(chiffres(0, 2), "00");
}
