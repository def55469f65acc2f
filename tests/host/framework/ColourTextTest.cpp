#include "framework/ColourText.h"
#include "framework/NumberText.h"

#include <gtest/gtest.h>

TEST(ColourText, ReadsRedFirstAndWritesItBack)
{
    EXPECT_EQ(0x0000FFu, ParseColourText("FF0000"));
    EXPECT_EQ(0x8BB7B3u, ParseColourText("B3B78B"));
    EXPECT_EQ("B3B78B", FormatColourText(0x8BB7B3u));
    EXPECT_EQ("9EA46C", FormatColourText(ParseColourText("9EA46C")));
    EXPECT_EQ("0000FF", FormatColourText(0xFF0000u));
}

TEST(ColourText, LowerCaseDigitsReadLikeUpperCase)
{
    EXPECT_EQ(ParseColourText("B3B78B"), ParseColourText("b3b78b"));
    EXPECT_EQ(ParseColourText("AbCdEf"), ParseColourText("ABCDEF"));
}

TEST(ColourText, EmptyTextIsBlack)
{
    EXPECT_EQ(0u, ParseColourText(""));
}

TEST(ColourText, OutOfRangeCharactersSpillAsTheFileFormatDefines)
{
    // 'G' is 16: high nibble of red becomes 0x100, spilling into green's low nibble.
    EXPECT_EQ(0x100u, ParseColourText("G0"));
    // A low-nibble 'G' spills into red's high nibble: 0x10.
    EXPECT_EQ(0x10u, ParseColourText("0G"));
    // A space (32) gives 32 - 55 = -23: the shifted negative value sets the high bits.
    EXPECT_EQ(static_cast<std::uint32_t>(-23), ParseColourText("0 "));
    // Only whole pairs beyond the third are ignored; an odd tail still counts its high nibble.
    EXPECT_EQ(0x0000FFu, ParseColourText("FF0000FF"));
    EXPECT_EQ(0xF0u, ParseColourText("F"));
}

TEST(NumberText, TwoDigitsPadsButNeverCuts)
{
    EXPECT_EQ("05", FormatTwoDigits(5));
    EXPECT_EQ("00", FormatTwoDigits(0));
    EXPECT_EQ("2004", FormatTwoDigits(2004));
    EXPECT_EQ("-1", FormatTwoDigits(-1));
    EXPECT_EQ("-2147483648", FormatDecimal(-2147483647 - 1));
}
