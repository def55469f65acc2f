#include "framework/IniSection.h"

#include "tests/host/HostData.h"

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
