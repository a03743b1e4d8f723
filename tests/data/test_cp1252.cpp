#include "data/cp1252.h"

#include <gtest/gtest.h>

using namespace palmora;

TEST(Cp1252, EveryByteSurvivesADecodeThenEncode) {
    std::string tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    EXPECT_EQ(versCp1252(depuisCp1252(tous)), tous);
}

TEST(Cp1252, FrenchLettersAndTheSpecialRangeMapToTheirCodes) {
    EXPECT_EQ(versCp1252("é"), "\xE9");
    EXPECT_EQ(versCp1252("Équipe"), "\xC9quipe");
    EXPECT_EQ(versCp1252("œ€’"), "\x9C\x80\x92");
    EXPECT_EQ(depuisCp1252("\xE7\xE0\xA0"), "çà\u00A0");
    EXPECT_EQ(depuisCp1252("\x8C\x9F"), "ŒŸ");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreReducedToTheirBaseLetterOrAQuestionMark) {
    EXPECT_EQ(versCp1252("Łukasz Wałęsa"), "Lukasz Walesa");
    EXPECT_EQ(versCp1252("Şerban Ţărnă"), "Serban Tarna");
    EXPECT_EQ(versCp1252("日本"), "??");
    EXPECT_EQ(versCp1252("a🙂b"), "a?b");
}

TEST(Cp1252, MalformedUtf8NeverStopsTheEncoding) {
    EXPECT_EQ(versCp1252("a\xC3"), "a?");
    EXPECT_EQ(versCp1252("\xFF\xFE"
                         "b"),
              "??b");
    EXPECT_EQ(versCp1252("\xE2\x82"), "??");
}
