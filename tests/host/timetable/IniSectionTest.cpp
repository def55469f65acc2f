#include "timetable/IniSection.h"

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
