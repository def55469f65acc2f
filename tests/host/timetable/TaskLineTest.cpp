#include "timetable/TaskLine.h"

#include <gtest/gtest.h>

namespace {

// A task of "any" fields with these strings.
TimeTask Strings(const std::string& text, const std::string& sound = "", const std::string& extra = "")
{
    return {0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, text, sound, extra};
}

} // namespace

TEST(TaskLine, WritesAndReadsFieldsInMinimumWidthsWithWildcardsAsAsterisks)
{
    // Protected, year, month, day, weekday, hour, minute, lead, show, text colour, back colour, strings.
    const std::pair<const char*, TimeTask> lines[] = {
        {"   *  *  * 02 12 00 10 30 FF0000      *  \"Lunch|Go to the canteen\" \"C:\\sounds\\chime.wav\"",
         {0, -1, -1, -1, 2, 12, 0, 10, 30, 0x0000FF, -1, "Lunch|Go to the canteen", "C:\\sounds\\chime.wav",
          ""}},
        {"2004 12 24  * 18 30  *  *      *      *  \"Party\\n19:00\"",
         {0, 2004, 12, 24, -1, 18, 30, -1, -1, -1, -1, "Party\n19:00", "", ""}},
        {"12345 05 24  * 18 30 123  *      * B3B78B  \"Party\\n19:00\" \"s\" \"x\"",
         {0, 12345, 5, 24, -1, 18, 30, 123, -1, -1, 0x8BB7B3, "Party\n19:00", "s", "x"}},
    };
    for (const auto& [line, task] : lines)
    {
        EXPECT_EQ(line, FormatTaskLine(task));
        EXPECT_EQ(task, ParseTaskLine(line)) << line;
    }
    // The writer leaves out an empty sound, so a lone extra string reads back as the sound.
    EXPECT_EQ(Strings("", "x"), ParseTaskLine(FormatTaskLine(Strings("", "", "x"))));
    // Numbers read as the old reader read them.
    EXPECT_EQ((TimeTask{0, -1, -5, 12, 0, 7, 99, -1, 2147483647, 0x6CA49E, 0x6CA49E, "t", "s", "e"}),
              ParseTaskLine("*5 -5 12abc abc +7 0099 ** 2147483648 9EA46C 9ea46c \"t\" \"s\" \"e\" more"));
}

TEST(TaskLine, RefusesMalformedLinesAndSaysWhy)
{
    const std::string k = "* * * * * * * * * * "; // ten fields
    const std::pair<std::string, LineFault> bad[] = {
        {"", LineFault::TooFewFields},          {"* * * * * * * * *", LineFault::TooFewFields},
        {k, LineFault::NoOpeningQuote},         {"* * * * * * * * * \"text\"", LineFault::NoOpeningQuote},
        {k + "\"open", LineFault::UnclosedQuote}, {k + "\"ends\\\"", LineFault::UnclosedQuote}, // escaped
        {k + "\"t\" \"sound", LineFault::UnclosedQuote}, {k + "\"t\" \"s\" \"e", LineFault::UnclosedQuote},
    };
    for (const auto& [line, expected] : bad)
    {
        LineFault fault = LineFault::None;
        EXPECT_FALSE(ParseTaskLine(line, &fault)) << line;
        EXPECT_EQ(expected, fault) << line;
    }
    EXPECT_TRUE(ParseTaskLine(k + "\"t\" junk")) << "unquoted words after the text are ignored";
    // The old writer put texts between quotes unchanged. 予定表 ends in 0x5C, the second byte of
    // 表, and a hand-written file puts the quote right after it: a second byte never escapes.
    const std::tuple<std::string, const char*, const char*> rows[] = {
        {k + "\"\x97\x5c\x92\xe8\x95\x5c\"", "\x97\x5c\x92\xe8\x95\x5c", ""},
        {k + "\"\x83\x5c\" \"C:\\a.wav\" \"x\"", "\x83\x5c", "C:\\a.wav"},
        {k + "\"\x95\x5cn\x95\x5ct\"", "\x95\x5cn\x95\x5ct", ""},
        {k + "\"a\\b\\c\" \"C:\\x\\\"", "a\\b\\c", "C:\\x\\"},
        {k + "\"tab\\there\"", "tab\there", ""},
        {k + "\"say \"hi\"\"", "say ", ""}, // a raw quote ends the text
    };
    for (const auto& [line, text, sound] : rows)
    {
        const std::optional<TimeTask> read = ParseTaskLine(line);
        ASSERT_TRUE(read) << line;
        EXPECT_EQ(text, read->m_strText) << line;
        EXPECT_EQ(sound, read->m_strSound) << line;
    }
}

TEST(TaskLine, TextsSurviveSavingAndLoadingButATypedBackslashNBecomesALineFeed)
{
    const std::string texts[] = {
        "line\nfeed\tand tab", "say \"hi\" twice \"\"", "ends in a backslash \\", "ends in two \\\\",
        "backslash before quote \\\" and \\\\\" inside", "\"", "\\", "", "pages|of|text",
        "\x95\x5c\x8e\x9e \x95\x5c", // Shift-JIS characters whose trail byte is a backslash
        "\x95\x5c", "\\\nx",
    };
    for (const std::string& text : texts)
    {
        const TimeTask task = Strings(text, "C:\\a b\\c.wav");
        EXPECT_EQ(task, ParseTaskLine(FormatTaskLine(task))) << FormatTaskLine(task);
    }
    // Kept from the old format: files rely on it.
    EXPECT_EQ(Strings("C:\new\table"), ParseTaskLine(FormatTaskLine(Strings("C:\\new\\table"))));
}

TEST(HolidayLine, ReadsFourFieldsAndTheName)
{
    const std::pair<const char*, std::optional<HolidayEntry>> rows[] = {
        {"*  1  1 FF0000 \"New Year\" ignored", HolidayEntry{-1, 1, 1, 0x0000FF, "New Year"}},
        {"* * * 0000FF \"Every day\"", HolidayEntry{-1, -1, -1, 0xFF0000, "Every day"}},
        {"2027  3 21 * \"\x8f\x74\\n\"", HolidayEntry{2027, 3, 21, -1, "\x8f\x74\\n"}}, // kept as written
        {"* 1 1 FF0000 \"\x95\x5c\"", HolidayEntry{-1, 1, 1, 0x0000FF, "\x95\x5c"}},
        {"* 1 1 \"New Year\"", std::nullopt}, {"* 1 1 FF0000", std::nullopt}, {"* 1 1 0 \"a", std::nullopt},
    };
    for (const auto& [line, expected] : rows)
        EXPECT_EQ(expected, ParseHolidayLine(line)) << line;
}
