#include "scoring/boites_notes.h"

#include <gtest/gtest.h>

using namespace palmora;

TEST(BoitesNotes, MarkBoxesTakeDigitsTheTopRowAndACommaForAPoint) {
    EXPECT_EQ(toucheNote("7"), "7");
    EXPECT_EQ(toucheNote("é"), "2");
    EXPECT_EQ(toucheNote("à"), "0");
    EXPECT_EQ(toucheNote("-"), "6");
    EXPECT_EQ(toucheNote("."), ",");
    EXPECT_EQ(toucheNote(","), ",");
    EXPECT_EQ(toucheNote("+"), std::nullopt);
    EXPECT_EQ(toucheNote("a"), std::nullopt);
    EXPECT_EQ(toucheNote(" "), std::nullopt);
}

TEST(BoitesNotes, DeductionBoxesTurnPlusIntoABonusSign) {
    EXPECT_EQ(toucheDeduction("+"), "-");
    EXPECT_EQ(toucheDeduction("-"), "6"); // the top-row key of 6
    EXPECT_EQ(toucheDeduction("."), ",");
    EXPECT_EQ(toucheDeduction("ç"), "9");
    EXPECT_EQ(toucheDeduction("*"), std::nullopt);
}

TEST(BoitesNotes, AMarkGetsItsCommaAfterTheFirstDigitAndTwoDecimals) {
    EXPECT_EQ(normaliserNote("95"), "9,50");
    EXPECT_EQ(normaliserNote("10"), "1,00");
    EXPECT_EQ(normaliserNote(",5"), "0,50");
    EXPECT_EQ(normaliserNote("9"), "9,00");
    EXPECT_EQ(normaliserNote("9,5"), "9,50");
    EXPECT_EQ(normaliserNote("950"), "9,50");
    EXPECT_EQ(normaliserNote("9,50"), "9,50");
    EXPECT_EQ(normaliserNote("0"), "0,00");
    EXPECT_EQ(normaliserNote(""), "");
    EXPECT_EQ(normaliserNote("   "), "");
}

TEST(BoitesNotes, ADeductionShowsItsSignPositionAndStaysWithinThreePoints) {
    EXPECT_EQ(normaliserDeduction("-050"), "-0,50"); // typed +050: a bonus
    EXPECT_EQ(normaliserDeduction("050"), " 0,50");
    EXPECT_EQ(normaliserDeduction("15"), " 1,50");
    EXPECT_EQ(normaliserDeduction("-1"), "-1,00");
    EXPECT_EQ(normaliserDeduction("0,5"), " 0,50");
    EXPECT_EQ(normaliserDeduction("1,234"), " 1,23");
    EXPECT_EQ(normaliserDeduction("3,00"), " 3,00");
    EXPECT_EQ(normaliserDeduction("-3,00"), "-3,00");
    EXPECT_EQ(normaliserDeduction("3,50"), std::nullopt);
    EXPECT_EQ(normaliserDeduction("-3,01"), std::nullopt);
    EXPECT_EQ(normaliserDeduction("4"), std::nullopt);
    // No deduction at all, or a text without a number, is 0.
    EXPECT_EQ(normaliserDeduction(""), " 0,00");
    EXPECT_EQ(normaliserDeduction("000"), " 0,00");
    EXPECT_EQ(normaliserDeduction("-"), " 0,00");
    // A long run of zeros before a digit keeps the value's first decimals (found by fuzzing:
    // the value's writing once overflowed its buffer).
    EXPECT_EQ(normaliserDeduction("0," + std::string(60, '0') + "6"), " 0,00");
    EXPECT_EQ(normaliserDeduction("2,5" + std::string(60, '0') + "1"), " 2,50");
    // A box already shown is left as it is.
    EXPECT_EQ(normaliserDeduction(" 0,50"), " 0,50");
    EXPECT_EQ(normaliserDeduction("-1,25"), "-1,25");
}
