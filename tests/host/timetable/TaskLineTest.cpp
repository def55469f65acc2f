#include "timetable/TaskLine.h"

#include <gtest/gtest.h>

namespace {

const char* const kMondayLine =
    "   *  *  * 02 12 00 10 30 FF0000      *  \"Lunch|Go to the canteen\" \"C:\\sounds\\chime.wav\"";
const char* const kPartyLine = "2004 12 24  * 18 30  *  *      *      *  \"Party\\n19:00\"";

TimeTask MondayLunch()
{
    TimeTask task;
    task.m_nWeekday = 2;
    task.m_nHour = 12;
    task.m_nMinute = 0;
    task.m_nLeadSeconds = 10;
    task.m_nShowSeconds = 30;
    task.m_crText = 0x0000FF;
    task.m_strText = "Lunch|Go to the canteen";
    task.m_strSound = "C:\\sounds\\chime.wav";
    return task;
}

TimeTask ChristmasParty()
{
    TimeTask task;
    task.m_nYear = 2004;
    task.m_nMonth = 12;
    task.m_nDay = 24;
    task.m_nHour = 18;
    task.m_nMinute = 30;
    task.m_strText = "Party\n19:00";
    return task;
}

TimeTask WithText(const std::string& text)
{
    TimeTask task;
    task.m_strText = text;
    return task;
}

} // namespace

TEST(TaskLine, WritesTheWorkedExamplesByteForByte)
{
    EXPECT_EQ(kMondayLine, FormatTaskLine(MondayLunch()));
    EXPECT_EQ(kPartyLine, FormatTaskLine(ChristmasParty()));
}

TEST(TaskLine, ReadsTheWorkedExamplesFieldForField)
{
    EXPECT_EQ(MondayLunch(), ParseTaskLine(kMondayLine));
    EXPECT_EQ(ChristmasParty(), ParseTaskLine(kPartyLine));
}

TEST(TaskLine, WidthsAreMinimumsAndWildcardsAreAsterisks)
{
    TimeTask task = ChristmasParty();
    task.m_nYear = 12345;
    task.m_nMonth = 5;
    task.m_nLeadSeconds = 123;
    task.m_crBack = 0x8BB7B3;
    task.m_strSound = "s";
    task.m_strExtra = "x";
    const std::string line = FormatTaskLine(task);
    EXPECT_EQ("12345 05 24  * 18 30 123  *      * B3B78B  \"Party\\n19:00\" \"s\" \"x\"", line);
    EXPECT_EQ(task, ParseTaskLine(line));
}

TEST(TaskLine, ExtraWithoutSoundBecomesTheSound)
{
    // The writer leaves out an empty sound, so a lone extra string reads as the sound: the
    // same three strings come back only when the sound is set.
    TimeTask task;
    task.m_strExtra = "x";
    const std::optional<TimeTask> read = ParseTaskLine(FormatTaskLine(task));
    ASSERT_TRUE(read);
    EXPECT_EQ("x", read->m_strSound);
    EXPECT_EQ("", read->m_strExtra);
}

TEST(TaskLine, ReadsNumbersLikeTheOldReader)
{
    const std::optional<TimeTask> task =
        ParseTaskLine("*5 -5 12abc abc +7 0099 ** 2147483648 9EA46C 9ea46c \"t\" \"s\" \"e\" trailing");
    ASSERT_TRUE(task);
    EXPECT_EQ(-1, task->m_nYear);
    EXPECT_EQ(-5, task->m_nMonth);
    EXPECT_EQ(12, task->m_nDay);
    EXPECT_EQ(0, task->m_nWeekday);
    EXPECT_EQ(7, task->m_nHour);
    EXPECT_EQ(99, task->m_nMinute);
    EXPECT_EQ(-1, task->m_nLeadSeconds);
    EXPECT_EQ(2147483647, task->m_nShowSeconds);
    EXPECT_EQ(0x6CA49E, task->m_crText);
    EXPECT_EQ(0x6CA49E, task->m_crBack);
    EXPECT_EQ("t", task->m_strText);
    EXPECT_EQ("s", task->m_strSound);
    EXPECT_EQ("e", task->m_strExtra);
}

TEST(TaskLine, RefusesMalformedLinesAndSaysWhy)
{
    const struct
    {
        const char* line;
        LineFault fault;
    } bad[] = {
        {"", LineFault::TooFewFields},
        {"* * * * * * * * *", LineFault::TooFewFields},
        {"* * * * * * * * * \"text\"", LineFault::NoOpeningQuote}, // the quote starts the tenth token
        {"* * * * * * * * * *", LineFault::NoOpeningQuote},
        {"* * * * * * * * * * \"unterminated", LineFault::UnclosedQuote},
        {"* * * * * * * * * * \"ends\\\"", LineFault::UnclosedQuote}, // the closing quote is escaped
        {"* * * * * * * * * * \"t\" \"sound", LineFault::UnclosedQuote},
        {"* * * * * * * * * * \"t\" \"s\" \"e", LineFault::UnclosedQuote},
    };
    for (const auto& row : bad)
    {
        LineFault fault = LineFault::None;
        EXPECT_FALSE(ParseTaskLine(row.line, &fault)) << row.line;
        EXPECT_EQ(row.fault, fault) << row.line;
    }
    // Something after the text without any quote is ignored.
    EXPECT_TRUE(ParseTaskLine("* * * * * * * * * * \"t\" junk"));
}

TEST(TaskLine, HandWrittenShiftJisTextsEndingInABackslashByteRead)
{
    // 予定表 ends in 0x5C, the second byte of 表; a file written by hand puts the quote right
    // after it. A second byte is never a backslash escape either.
    const struct
    {
        const char* line;
        const char* text;
        const char* sound;
    } rows[] = {
        {"* * * * * * * * * * \"\x97\x5c\x92\xe8\x95\x5c\"", "\x97\x5c\x92\xe8\x95\x5c", ""},
        {"* * * * * * * * * * \"\x83\x5c\" \"C:\\a.wav\" \"x\"", "\x83\x5c", "C:\\a.wav"},
        {"* * * * * * * * * * \"\x95\x5cn\x95\x5ct\"", "\x95\x5cn\x95\x5ct", ""},
    };
    for (const auto& row : rows)
    {
        const std::optional<TimeTask> read = ParseTaskLine(row.line);
        ASSERT_TRUE(read) << row.line;
        EXPECT_EQ(row.text, read->m_strText);
        EXPECT_EQ(row.sound, read->m_strSound);
    }
    const std::optional<HolidayEntry> holiday = ParseHolidayLine("* 1 1 FF0000 \"\x95\x5c\"");
    ASSERT_TRUE(holiday);
    EXPECT_EQ("\x95\x5c", holiday->m_strName);
}

TEST(TaskLine, TextsSurviveSavingAndLoading)
{
    const std::string texts[] = {
        "line\nfeed\tand tab",
        "say \"hi\" twice \"\"",
        "ends in a backslash \\",
        "ends in two \\\\",
        "backslash before quote \\\" and \\\\\" inside",
        "\"",
        "\\",
        "",
        "pages|of|text",
        "\x95\x5c\x8e\x9e \x95\x5c",       // Shift-JIS characters whose trail byte is a backslash
        "\x95\x5c",                         // ... also at the very end
        "\\\nx",                            // a backslash before a line feed
    };
    for (const std::string& text : texts)
    {
        TimeTask task = WithText(text);
        task.m_strSound = "C:\\a b\\c.wav";
        const std::optional<TimeTask> read = ParseTaskLine(FormatTaskLine(task));
        ASSERT_TRUE(read) << FormatTaskLine(task);
        EXPECT_EQ(text, read->m_strText) << FormatTaskLine(task);
        EXPECT_EQ(task.m_strSound, read->m_strSound);
    }
}

TEST(TaskLine, BackslashNInATextStillReadsAsALineFeed)
{
    // Kept from the old format: files rely on it, so a typed "\n" cannot survive.
    const std::optional<TimeTask> read = ParseTaskLine(FormatTaskLine(WithText("C:\\new\\table")));
    ASSERT_TRUE(read);
    EXPECT_EQ("C:\new\table", read->m_strText);
}

TEST(TaskLine, LinesOfTheOldWriterReadAsBefore)
{
    // The old writer put texts between quotes unchanged; without a backslash before a quote
    // they read exactly as the old reader read them.
    const struct
    {
        const char* line;
        const char* text;
        const char* sound;
    } cases[] = {
        {"   *  *  *  *  *  *  *  *      *      *  \"plain\"", "plain", ""},
        {"   *  *  *  *  *  *  *  *      *      *  \"a\\b\\c\" \"C:\\x\\\"", "a\\b\\c", "C:\\x\\"},
        {"   *  *  *  *  *  *  *  *      *      *  \"tab\\there\"", "tab\there", ""},
        // A raw quote ends the text; the rest reads as the sound, as it always did.
        {"   *  *  *  *  *  *  *  *      *      *  \"say \"hi\"\"", "say ", ""},
        {"   *  *  *  *  *  *  *  *      *      *  \"\x95\x5cx\"", "\x95\x5cx", ""},
    };
    for (const auto& c : cases)
    {
        const std::optional<TimeTask> read = ParseTaskLine(c.line);
        ASSERT_TRUE(read) << c.line;
        EXPECT_EQ(c.text, read->m_strText) << c.line;
        EXPECT_EQ(c.sound, read->m_strSound) << c.line;
    }
}

TEST(HolidayLine, ReadsFourFieldsAndTheName)
{
    const std::optional<HolidayEntry> newYear = ParseHolidayLine("*  1  1 FF0000 \"New Year\" ignored");
    ASSERT_TRUE(newYear);
    EXPECT_EQ((HolidayEntry{-1, 1, 1, 0x0000FF, "New Year"}), *newYear);

    const std::optional<HolidayEntry> everyDay = ParseHolidayLine("* * * 0000FF \"Every day\"");
    ASSERT_TRUE(everyDay);
    EXPECT_EQ((HolidayEntry{-1, -1, -1, 0xFF0000, "Every day"}), *everyDay);

    const std::optional<HolidayEntry> noColour = ParseHolidayLine("2027  3 21 * \"\x8f\x74\\n\"");
    ASSERT_TRUE(noColour);
    EXPECT_EQ((HolidayEntry{2027, 3, 21, -1, "\x8f\x74\\n"}), *noColour) << "names keep their backslashes";

    EXPECT_FALSE(ParseHolidayLine("* 1 1 \"New Year\""));
    EXPECT_FALSE(ParseHolidayLine("* 1 1 FF0000"));
    EXPECT_FALSE(ParseHolidayLine("* 1 1 FF0000 \"open"));
}
