#include "framework/IniSection.h"

#include <gtest/gtest.h>

TEST(IniSection, ReplacesOrFindsTheLinesOfOnlyItsSection)
{
    const std::string file = "[A]\r\nx=1\r\n[TIMETABLE]\r\nold 1\r\nold 2\r\n\r\n[B]\r\ny=2\r\n";
    // The file, the new lines, what comes of it.
    const std::tuple<std::string, std::vector<std::string>, std::string> cases[] = {
        {file, {"new"}, "[A]\r\nx=1\r\n[TIMETABLE]\r\nnew\r\n[B]\r\ny=2\r\n"},
        {file, {}, "[A]\r\nx=1\r\n[TIMETABLE]\r\n[B]\r\ny=2\r\n"},
        {" [ timeTable ] \nold\n", {"n"}, " [ timeTable ] \nn\r\n"}, // any case, any spaces
        {"", {"a", "b"}, "[TIMETABLE]\r\na\r\nb\r\n"},
        {"[A]\r\nx=1", {}, "[A]\r\nx=1\r\n[TIMETABLE]\r\n"},
        {"[TIMETABLE_RESERVE]\r\nr\r\n", {"t"}, "[TIMETABLE_RESERVE]\r\nr\r\n[TIMETABLE]\r\nt\r\n"},
        {"[A]\r\nx=1\r\n[TIMETABLE]\r\nold\r\nold", {"new"}, "[A]\r\nx=1\r\n[TIMETABLE]\r\nnew\r\n"},
        {"[TIMETABLE]", {"new"}, "[TIMETABLE]\r\nnew\r\n"},
    };
    for (const auto& [before, lines, after] : cases)
        EXPECT_EQ(after, ReplaceIniSection(before, "TIMETABLE", lines)) << before;
    // Lines are found with their numbers in the file, in the first section of the name only.
    const std::string numbered = "; head\r\n[A]\r\na\r\n[ t ]\r\nfirst\r\n\r\n  ; note\r\n  second\r\n"
                                 "[t]\r\nthird";
    const std::vector<IniLine> expected = {{5, "first"}, {8, "  second"}};
    EXPECT_EQ(expected, FindIniSectionLines(numbered, "T")) << "only the first section of the name";
    EXPECT_EQ(std::vector<IniLine>{}, FindIniSectionLines("[T]\n\n", "T"));
    EXPECT_EQ(std::nullopt, FindIniSectionLines(numbered, "TIMETABLE"));
    EXPECT_EQ((std::vector<IniLine>{{2, "x"}}), FindIniSectionLines("[T]\nx", "T")) << "a last line, no end";
}

TEST(IniSection, SetKeysPutsOursInOrderAtTheHeadAndKeepsEverythingElse)
{
    const std::vector<IniKey> keys = {{"A", "1"}, {"B", "2"}, {"GONE", std::nullopt}};
    const std::pair<const char*, const char*> rows[] = {
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
    for (const auto& [before, after] : rows)
        EXPECT_EQ(after, SetIniKeys(before, "S", keys)) << before;
}
