#include "timetable/SectionBlock.h"

#include "timetable/TaskLine.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(SectionBlock, NulAndLineFeedFormsGiveTheSameEntries)
{
    const std::vector<std::string_view> expected = {"one", "two", "three"};
    EXPECT_EQ(expected, SplitSectionBlock("one\0two\0three\0\0"s));
    EXPECT_EQ(expected, SplitSectionBlock("one\r\ntwo\0three\n\0\0"s));
    EXPECT_EQ(expected, SplitSectionBlock("one\n\n\ntwo\0three"s)) << "blank lines are skipped";
    EXPECT_EQ(expected, SplitSectionBlock("one\0two\0three\0\0ghost\0\0"s)) << "a double NUL ends the block";
    EXPECT_TRUE(SplitSectionBlock("\0\0"s).empty());
    EXPECT_EQ("a\0b\0\0"s, JoinSectionBlock({"a", "b"}));
    EXPECT_EQ("\0\0"s, FormatTaskSection({}));
}

TEST(TaskSection, ReadsUntilTheFirstBadLineAndShowsItCutAfterEightyBytes)
{
    const TaskSectionParse parsed = ParseTaskSection("* * * * * * * * * * \"first\"\0broken\0"
                                                     "* * * * * * * * * * \"third\"\0\0"s);
    EXPECT_FALSE(parsed.ok);
    ASSERT_EQ(1u, parsed.records.size());
    EXPECT_EQ("first", parsed.records[0].m_strText);
    EXPECT_EQ((IniLine{2, "broken"}), parsed.badLine);
    EXPECT_EQ(LineFault::TooFewFields, parsed.fault);
    const std::string strAscii(80, 'a');
    EXPECT_EQ(strAscii, ShownLine(strAscii));
    EXPECT_EQ(strAscii + "...", ShownLine(strAscii + "b"));
    // A two-byte character across the 80th byte goes whole to the cut.
    EXPECT_EQ(std::string(79, 'a') + "...", ShownLine(std::string(79, 'a') + "\x95\x5c" + "b"));
    const HolidaySectionParse holidays = ParseHolidaySection("* 1 1 FF0000 \"a\"\r\n2026 1 12 0 \"b\"\r\n"s);
    EXPECT_TRUE(holidays.ok);
    ASSERT_EQ(2u, holidays.records.size());
    EXPECT_EQ("a", holidays.records[0].m_strName);
    EXPECT_EQ(2026, holidays.records[1].m_nYear);
    EXPECT_FALSE(ParseHolidaySection("* 1 1\0\0"s).ok);
}
