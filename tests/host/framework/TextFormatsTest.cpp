#include "framework/ColourText.h"
#include "framework/IniSection.h"
#include "framework/SjisText.h"
#include "framework/TextEncoding.h"

#include "tests/host/HostData.h"

TEST(ColourText, ReadsRedFirstInAnyCaseAndSpillsOutOfRangeCharactersAsTheFileFormatDefines)
{
    for (const DataRow& r : DataRows("colour-text.txt"))
        EXPECT_EQ(Num<std::uint32_t>(r[1]), ParseColourText(r[0])) << r[0];
    EXPECT_EQ("B3B78B", FormatColourText(0x8BB7B3u));
    EXPECT_EQ("0000FF", FormatColourText(0xFF0000u));
    EXPECT_EQ("FE0102", FormatColourText(0x0201FEu));
}

TEST(SjisText, CutKeepsWholeDoubleByteCharacters)
{
    for (const DataRow& r : DataRows("shift-jis-cuts.txt"))
        EXPECT_EQ(r[2], CutAtCharBoundary(r[0], Num<std::size_t>(r[1]))) << r[0] << " " << r[1];
    for (const auto& [nByte, bLead] :
         {std::pair{0x80, false}, {0x81, true}, {0xA1, false}, {0xFC, true}, {0xFD, false}})
        EXPECT_EQ(bLead, IsSjisLeadByte(static_cast<unsigned char>(nByte))) << nByte;
}

TEST(TextEncoding, UsesUtf8OnlyForValidUtf8WithMultiByteCharacters)
{
    const std::vector<std::string> names = {"ShiftJis", "Utf8", "Utf8WithBom"};
    for (const DataRow& r : DataRows("text-encodings.txt"))
        EXPECT_EQ(r[1], names.at(static_cast<std::size_t>(DetectTextEncoding(r[0])))) << r[2] << " " << r[3];
}

TEST(IniSection, ReplacesOrFindsTheLinesOfOnlyItsSection)
{
    for (const DataRow& r : DataRows("ini-sections.txt"))
    {
        const auto equals = std::find(r.begin(), r.end(), "=");
        if (r[0] == "replace")
            EXPECT_EQ(equals[1], ReplaceIniSection(r[1], "TIMETABLE", {r.begin() + 2, equals})) << r[1];
        else
            EXPECT_EQ(r[2], SetIniKeys(r[1], "S", {{"A", "1"}, {"B", "2"}, {"GONE", std::nullopt}})) << r[1];
    }
    const std::string numbered = "; head\r\n[A]\r\na\r\n[ t ]\r\nfirst\r\n\r\n  ; note\r\n  second\r\n"
                                 "[t]\r\nthird";
    const std::vector<IniLine> expected = {{5, "first"}, {8, "  second"}};
    EXPECT_EQ(expected, FindIniSectionLines(numbered, "T")) << "only the first section of the name";
    EXPECT_EQ(std::vector<IniLine>{}, FindIniSectionLines("[T]\n\n", "T"));
    EXPECT_EQ(std::nullopt, FindIniSectionLines(numbered, "TIMETABLE"));
    EXPECT_EQ((std::vector<IniLine>{{2, "x"}}), FindIniSectionLines("[T]\nx", "T")) << "a last line, no end";
}
