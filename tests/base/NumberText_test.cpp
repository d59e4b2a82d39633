#include <gtest/gtest.h>

#include "base/NumberText.h"

using namespace vantrel;

TEST(NumberText, ParseNumberAcceptsDigitsOnePointAndASignOnly) {
    struct Case {
        const char* text;
        bool number;
        long long microUnits;  // value x 10^6 when a number
    } cases[] = {
        {"462.5625", true, 462562500},
        {" 150 ", true, 150000000},
        {".5", true, 500000},
        {"150.", true, 150000000},
        {"+150", true, 150000000},
        {"-150", true, -150000000},
        {"", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"462,5625", false, 0},  // a comma is never a decimal separator
        {"1.2.3", false, 0},
        {"1e2", false, 0},
        {"15 0", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto d = ParseNumber(c.text);
        ASSERT_EQ(d.has_value(), c.number);
        if (d) {
            EXPECT_EQ(*d->rounded(6), c.microUnits);
        }
    }
}

TEST(NumberText, LeadingNumberReadsThePrefixAndEmptyAsZero) {
    EXPECT_TRUE(LeadingNumber("").isZero());
    EXPECT_TRUE(LeadingNumber("abc").isZero());
    EXPECT_EQ(LeadingNumber("  120.5 Hz").compare(1205, 1), 0);
    EXPECT_EQ(LeadingNumber("12..5").compare(12), 0);
    EXPECT_EQ(LeadingNumber("-3x").compare(-3), 0);
}

TEST(NumberText, RoundingIsExactHalfToEven) {
    // Each text sits exactly on a half of the target step.
    EXPECT_EQ(*ParseNumber("0.0000005")->rounded(6), 0);
    EXPECT_EQ(*ParseNumber("0.0000015")->rounded(6), 2);
    EXPECT_EQ(*ParseNumber("67.05")->rounded(1), 670);
    EXPECT_EQ(*ParseNumber("67.15")->rounded(1), 672);
    // A digit beyond the kept ones breaks the tie upwards.
    EXPECT_EQ(*ParseNumber("0.00000050000000001")->rounded(6), 1);
    EXPECT_EQ(ParseNumber("0.00000000001")->compare(0), 1);
    EXPECT_EQ(RoundHalfEven(7, 2), 4);
    EXPECT_EQ(RoundHalfEven(5, 2), 2);
    EXPECT_EQ(RoundHalfEven(-5, 2), -2);
}

TEST(NumberText, HugeNumbersCompareAboveEveryLimit) {
    const auto d = ParseNumber("99999999999999999999999");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->compare(512), 1);
    EXPECT_FALSE(d->rounded(6));
    EXPECT_EQ(ParseNumber("-99999999999999999999999")->compare(0), -1);
}

TEST(NumberText, Formats) {
    EXPECT_EQ(FormatMHz(150000000), "150.00000");
    EXPECT_EQ(FormatMHz(462562500), "462.56250");
    EXPECT_EQ(FormatMHz(-45100000), "-45.10000");
    EXPECT_EQ(FormatMHz(500000), ".50000");
    EXPECT_EQ(FormatTenths(1200), "120.0");
    EXPECT_EQ(FormatTenths(5), ".5");
}
