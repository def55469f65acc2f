#include "framework/ColourText.h"

#include "tests/host/HostData.h"

TEST(ColourText, ReadsRedFirstInAnyCaseAndSpillsOutOfRangeCharactersAsTheFileFormatDefines)
{
    for (const DataRow& r : DataRows("colour-text.txt"))
        EXPECT_EQ(Num<std::uint32_t>(r[1]), ParseColourText(r[0])) << r[0];
    EXPECT_EQ("B3B78B", FormatColourText(0x8BB7B3u));
    EXPECT_EQ("0000FF", FormatColourText(0xFF0000u));
    EXPECT_EQ("FE0102", FormatColourText(0x0201FEu));
}
