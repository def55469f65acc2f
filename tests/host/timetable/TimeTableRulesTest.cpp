#include "timetable/TimeTableRules.h"

#include "config/ColourPopupModel.h"
#include "timetable/TaskLine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Shift-JIS: 日, 火, 土 and テキスト.
const std::string kSunday = "\x93\xfa";
const std::string kTuesday = "\x89\xce";
const std::string kSaturday = "\x93\x79";
const std::string kWord = "\x83\x65\x83\x4c\x83\x58\x83\x67";

TimeTask Task(int nYear, int nMonth, int nDay, int nWeekday, int nHour, int nMinute, int nLead, int nShow)
{
    TimeTask task;
    task.m_nYear = nYear;
    task.m_nMonth = nMonth;
    task.m_nDay = nDay;
    task.m_nWeekday = nWeekday;
    task.m_nHour = nHour;
    task.m_nMinute = nMinute;
    task.m_nLeadSeconds = nLead;
    task.m_nShowSeconds = nShow;
    return task;
}

} // namespace

TEST(TimeTableRows, ShowNumbersPlainAnyAsStarTheWeekdayByNameAndControlsEscaped)
{
    TimeTask wildcard = Task(-1, -1, -1, -1, -1, -1, -1, -1);
    wildcard.m_strText = "Party\n19:00\tsharp";
    TimeTask dated = Task(2004, 5, 4, 3, 8, 5, 0, 30);
    dated.m_strText = "a|b";
    dated.m_strSound = "C:\\sounds\\chime.wav";
    const TimeTask odd = Task(0, 13, 32, 9, 24, 60, 61, 99); // a hand-edited file
    const struct
    {
        const TimeTask& task;
        std::array<std::string, kTaskColumnCount> texts;
    } cases[] = {
        {wildcard, {"*", "*", "*", "*", "*", "*", "*", "*", kWord, "Party\\n19:00\\tsharp", ""}},
        {dated, {"2004", "5", kTuesday, "4", "8", "5", "0", "30", kWord, "a|b", "C:\\sounds\\chime.wav"}},
        {odd, {"0", "13", "9", "32", "24", "60", "61", "99", kWord, "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.texts, TaskRowTexts(c.task)) << c.texts[0];
}

TEST(TaskCombos, OfferTheirListAndKeepAValueOutsideIt)
{
    constexpr int kThisYear = 2026;
    const struct
    {
        TaskField field;
        int nValue;
        size_t nCount;
        std::vector<std::string> probes; // entries at positions 0, 1, 2 and the last
    } cases[] = {
        {TaskField::Year, -1, 11, {"*", "2026", "2027", "2035"}},
        {TaskField::Year, 2004, 12, {"*", "2004", "2026", "2035"}}, // a past year stays offered
        {TaskField::Year, 2035, 11, {"*", "2026", "2027", "2035"}},
        {TaskField::Year, 2036, 12, {"*", "2026", "2027", "2036"}},
        {TaskField::Month, 13, 14, {"*", "01", "02", "13"}},
        {TaskField::Day, 31, 32, {"*", "01", "02", "31"}},
        {TaskField::Weekday, 3, 8, {"*", kSunday, "\x8c\x8e", kSaturday}},
        {TaskField::Weekday, 0, 9, {"*", "00", kSunday, kSaturday}},
        {TaskField::Hour, 0, 25, {"*", "00", "01", "23"}},
        {TaskField::Minute, 75, 62, {"*", "00", "01", "75"}},
        {TaskField::LeadSeconds, -1, 61, {"*", "00", "01", "59"}},
        {TaskField::ShowSeconds, 10, 61, {"*", "00", "01", "59"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(static_cast<int>(c.field) * 10000 + c.nValue);
        const std::vector<std::string> entries = TaskFieldEntries(c.field, c.nValue, kThisYear);
        ASSERT_EQ(c.nCount, entries.size());
        EXPECT_EQ(c.probes, (std::vector<std::string>{entries[0], entries[1], entries[2], entries.back()}));
        // The value is among the entries and every entry reads back as the value it shows.
        EXPECT_NE(entries.end(), std::find(entries.begin(), entries.end(), TaskFieldText(c.field, c.nValue)));
        for (const std::string& entry : entries)
            EXPECT_EQ(entry, TaskFieldText(c.field, TaskFieldValue(c.field, entry).value())) << entry;
    }
}

TEST(TaskCombos, ReadTheirTextBackAsTheFieldsValue)
{
    const struct
    {
        TaskField field;
        std::string text;
        std::optional<int> nValue;
    } cases[] = {
        {TaskField::Year, "*", -1},         {TaskField::Year, "2004", 2004},
        {TaskField::Month, "05", 5},        {TaskField::Weekday, kTuesday, 3},
        {TaskField::Weekday, "09", 9},      {TaskField::Minute, kTuesday, std::nullopt},
        {TaskField::Day, "", std::nullopt}, {TaskField::Day, "-3", std::nullopt},
        {TaskField::Year, "99999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nValue, TaskFieldValue(c.field, c.text)) << c.text;
}

TEST(TimeTableRows, TheSelectionAfterADeleteStaysInPlaceOrMovesToTheLastRow)
{
    const struct
    {
        int nDeleted, nRowsLeft, nSelected;
    } cases[] = {
        {2, 4, 2},  // a middle row: the next one moves up into its place
        {4, 4, 3},  // the last row: the new last one
        {2, 2, 1},  // the only deletable row: the last reserved one
        {0, 0, -1}, // nothing left
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nSelected, SelectionAfterDelete(c.nDeleted, c.nRowsLeft))
            << c.nDeleted << "/" << c.nRowsLeft;
}

TEST(TaskColours, MinusOneIsAutomaticOnTheButtonAndTheDefaultOnScreen)
{
    EXPECT_EQ(kClrDefault, ButtonColourOfTask(-1));
    EXPECT_EQ(-1, TaskColourOfButton(kClrDefault));
    for (const int crColour : {0x000000, 0x0000FF, 0xFFFFFF})
    {
        EXPECT_EQ(crColour, TaskColourOfButton(ButtonColourOfTask(crColour))) << "black is no automatic";
        EXPECT_EQ(static_cast<std::uint32_t>(crColour), TaskColour(crColour, 0x123456));
    }
    EXPECT_EQ(0x123456u, TaskColour(-1, 0x123456));
}

TEST(TaskText, TheDialogsBackslashFormsBecomeLineFeedsAndTabs)
{
    EXPECT_EQ("a\nb\tc\\x", ExpandControlEscapes("a\\nb\\tc\\x"));
    EXPECT_EQ("\x95\x5cn", ExpandControlEscapes("\x95\x5cn")) << "a kanji whose second byte is a backslash";
    EXPECT_EQ("a\\nb\\t", EscapeControls("a\nb\t"));
}
