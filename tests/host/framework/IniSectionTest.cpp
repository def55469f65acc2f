#include "framework/IniSection.h"

#include <gtest/gtest.h>

TEST(IniSection, ReplacesOnlyTheBodyOfItsSection)
{
    const std::string file = "[A]\r\nx=1\r\n[TIMETABLE]\r\nold 1\r\nold 2\r\n\r\n[B]\r\ny=2\r\n";
    EXPECT_EQ("[A]\r\nx=1\r\n[TIMETABLE]\r\nnew\r\n[B]\r\ny=2\r\n", ReplaceIniSection(file, "TIMETABLE", {"new"}));
    EXPECT_EQ("[A]\r\nx=1\r\n[TIMETABLE]\r\n[B]\r\ny=2\r\n", ReplaceIniSection(file, "TIMETABLE", {}));
}

TEST(IniSection, MatchesTheHeaderWithoutRegardToCaseOrSpaces)
{
    EXPECT_EQ(" [ timeTable ] \nn\r\n", ReplaceIniSection(" [ timeTable ] \nold\n", "TIMETABLE", {"n"}));
}

TEST(IniSection, AppendsAMissingSection)
{
    EXPECT_EQ("[TIMETABLE]\r\na\r\nb\r\n", ReplaceIniSection("", "TIMETABLE", {"a", "b"}));
    EXPECT_EQ("[A]\r\nx=1\r\n[T]\r\n", ReplaceIniSection("[A]\r\nx=1", "T", {}));
    // A longer name that starts the same is another section.
    EXPECT_EQ("[TIMETABLE_RESERVE]\r\nr\r\n[TIMETABLE]\r\nt\r\n",
              ReplaceIniSection("[TIMETABLE_RESERVE]\r\nr\r\n", "TIMETABLE", {"t"}));
}

TEST(IniSection, TheLastSectionRunsToTheEndOfTheFile)
{
    EXPECT_EQ("[A]\r\nx=1\r\n[T]\r\nnew\r\n", ReplaceIniSection("[A]\r\nx=1\r\n[T]\r\nold\r\nold", "T", {"new"}));
    EXPECT_EQ("[T]\r\nnew\r\n", ReplaceIniSection("[T]", "T", {"new"}));
}

TEST(IniSection, SetKeysPutsOursInOrderAtTheHeadAndKeepsEverythingElse)
{
    const std::vector<IniKey> keys = {{"A", "1"}, {"B", "2"}, {"GONE", std::nullopt}};
    const struct
    {
        const char* pszFile;
        const char* pszExpected;
    } rows[] = {
        {"", "[S]\r\nA=1\r\nB=2\r\n"},
        // Our keys in any case and order, a comment, a foreign key and another section's A.
        {"[s]\r\n; note\r\nb = old\r\nX=keep\r\na=old\r\nGONE=x\r\n[T]\r\nA=other\r\n",
         "[s]\r\nA=1\r\nB=2\r\n; note\r\nX=keep\r\n[T]\r\nA=other\r\n"},
        // A second section of the same name loses its copies too; a comment naming a key stays.
        {"[S]\r\nA=0\r\n[T]\r\n[S]\r\n;A=0\r\nB=9", "[S]\r\nA=1\r\nB=2\r\n[T]\r\n[S]\r\n;A=0\r\n"},
        // A last line without a line feed, before the section is added.
        {"[T]\r\nY=1", "[T]\r\nY=1\r\n[S]\r\nA=1\r\nB=2\r\n"},
        {"[S]", "[S]\r\nA=1\r\nB=2\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.pszExpected, SetIniKeys(row.pszFile, "S", keys)) << row.pszFile;
}

TEST(IniSection, SectionLinesCarryTheirNumbersInTheFile)
{
    const std::string file = "; head\r\n[A]\r\na\r\n[ t ]\r\nfirst\r\n\r\n  ; note\r\n  second\r\n[t]\r\nthird";
    const std::vector<IniLine> expected = {{5, "first"}, {8, "  second"}};
    EXPECT_EQ(expected, FindIniSectionLines(file, "T")) << "only the first section of the name";
    EXPECT_EQ(std::vector<IniLine>{}, FindIniSectionLines("[T]\n\n", "T"));
    EXPECT_EQ(std::nullopt, FindIniSectionLines(file, "TIMETABLE"));
    EXPECT_EQ((std::vector<IniLine>{{2, "x"}}), FindIniSectionLines("[T]\nx", "T")) << "a last line without its end";
}
