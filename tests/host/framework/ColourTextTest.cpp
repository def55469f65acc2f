#include "framework/ColourText.h"

#include <gtest/gtest.h>

TEST(ColourText, ReadsRedFirstInAnyCaseAndSpillsOutOfRangeCharactersAsTheFileFormatDefines)
{
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"FF0000", 0x0000FFu}, {"B3B78B", 0x8BB7B3u}, {"b3b78b", 0x8BB7B3u}, {"AbCdEf", 0xEFCDABu}, {"", 0u},
        {"G0", 0x100u}, // 'G' is 16: the high nibble of red becomes 0x100, spilling into green
        {"0G", 0x10u},  // ... and a low-nibble 'G' into red's high nibble
        {"0 ", static_cast<std::uint32_t>(-23)}, // a space gives 32 - 55: the negative sets the high bits
        {"FF0000FF", 0x0000FFu}, // whole pairs beyond the third are ignored
        {"F", 0xF0u},            // an odd tail still counts its high nibble
    };
    for (const auto& [text, crColour] : cases)
        EXPECT_EQ(crColour, ParseColourText(text)) << text;
    EXPECT_EQ("B3B78B", FormatColourText(0x8BB7B3u));
    EXPECT_EQ("0000FF", FormatColourText(0xFF0000u));
    EXPECT_EQ("FE0102", FormatColourText(0x0201FEu));
}
