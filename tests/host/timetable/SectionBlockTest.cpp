#include "timetable/SectionBlock.h"

#include "timetable/TaskLine.h"

#include "tests/host/HostData.h"

using namespace std::string_literals;

TEST(SectionBlock, NulAndLineFeedFormsGiveTheSameEntries)
{
    for (const DataRow& r : DataRows("section-blocks.txt"))
        EXPECT_EQ(std::vector<std::string_view>(r.begin() + 1, r.end()), SplitSectionBlock(r[0])) << r[0];
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
