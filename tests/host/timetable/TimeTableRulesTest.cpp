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

} // namespace

TEST(TimeTableRows, ShowNumbersPlainAnyAsStarAndTheSelectionStaysInPlaceAfterADelete)
{
    const std::pair<TimeTask, std::array<std::string, kTaskColumnCount>> cases[] = {
        {{0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, "Party\n19:00\tsharp", "", ""},
         {"*", "*", "*", "*", "*", "*", "*", "*", kWord, "Party\\n19:00\\tsharp", ""}},
        {{0, 2004, 5, 4, 3, 8, 5, 0, 30, -1, -1, "a|b", "C:\\sounds\\chime.wav", ""},
         {"2004", "5", kTuesday, "4", "8", "5", "0", "30", kWord, "a|b", "C:\\sounds\\chime.wav"}},
        {{0, 0, 13, 32, 9, 24, 60, 61, 99, -1, -1, "", "", ""}, // a hand-edited file
         {"0", "13", "9", "32", "24", "60", "61", "99", kWord, "", ""}},
    };
    for (const auto& [task, texts] : cases)
        EXPECT_EQ(texts, TaskRowTexts(task)) << texts[0];
    // A middle row: the next moves up into its place; the last row: the new last one; the only
    // deletable row: the last reserved one; nothing left.
    for (const auto& [nDeleted, nLeft, nSelected] : {std::tuple{2, 4, 2}, {4, 4, 3}, {2, 2, 1}, {0, 0, -1}})
        EXPECT_EQ(nSelected, SelectionAfterDelete(nDeleted, nLeft)) << nDeleted << "/" << nLeft;
}

TEST(TaskCombos, OfferTheirListAndKeepAValueOutsideIt)
{
    // The field, its value, the number of entries and those at positions 0, 1, 2 and the last.
    const std::tuple<TaskField, int, size_t, std::vector<std::string>> cases[] = {
        {TaskField::Year, -1, 11, {"*", "2026", "2027", "2035"}},
        {TaskField::Year, 2004, 12, {"*", "2004", "2026", "2035"}}, // a past year stays offered
        {TaskField::Year, 2036, 12, {"*", "2026", "2027", "2036"}},
        {TaskField::Month, 13, 14, {"*", "01", "02", "13"}},
        {TaskField::Weekday, 3, 8, {"*", kSunday, "\x8c\x8e", kSaturday}},
        {TaskField::Weekday, 0, 9, {"*", "00", kSunday, kSaturday}},
        {TaskField::Hour, 0, 25, {"*", "00", "01", "23"}},
        {TaskField::Minute, 75, 62, {"*", "00", "01", "75"}},
        {TaskField::LeadSeconds, -1, 61, {"*", "00", "01", "59"}},
    };
    for (const auto& [field, nValue, nCount, probes] : cases)
    {
        SCOPED_TRACE(static_cast<int>(field) * 10000 + nValue);
        const std::vector<std::string> entries = TaskFieldEntries(field, nValue, 2026);
        ASSERT_EQ(nCount, entries.size());
        EXPECT_EQ(probes, (std::vector<std::string>{entries[0], entries[1], entries[2], entries.back()}));
        // The value is among the entries and every entry reads back as the value it shows.
        EXPECT_NE(entries.end(), std::find(entries.begin(), entries.end(), TaskFieldText(field, nValue)));
        for (const std::string& entry : entries)
            EXPECT_EQ(entry, TaskFieldText(field, TaskFieldValue(field, entry).value())) << entry;
    }
    const std::tuple<TaskField, std::string, std::optional<int>> read[] = {
        {TaskField::Year, "2004", 2004},    {TaskField::Weekday, "09", 9},
        {TaskField::Minute, kTuesday, {}},  {TaskField::Day, "", {}},
        {TaskField::Day, "-3", {}},         {TaskField::Year, "99999999999", {}},
    };
    for (const auto& [field, text, nValue] : read)
        EXPECT_EQ(nValue, TaskFieldValue(field, text)) << text;
}

TEST(TaskDialog, ColourMinusOneIsAutomaticAndTheTextsBackslashFormsAreLineFeedsAndTabs)
{
    EXPECT_EQ(kClrDefault, ButtonColourOfTask(-1));
    EXPECT_EQ(-1, TaskColourOfButton(kClrDefault));
    EXPECT_EQ(0x123456u, TaskColour(-1, 0x123456));
    for (const int crColour : {0x000000, 0x0000FF, 0xFFFFFF})
    {
        EXPECT_EQ(crColour, TaskColourOfButton(ButtonColourOfTask(crColour))) << "black is no automatic";
        EXPECT_EQ(static_cast<std::uint32_t>(crColour), TaskColour(crColour, 0x123456));
    }
    EXPECT_EQ("a\nb\tc\\x", ExpandControlEscapes("a\\nb\\tc\\x"));
    EXPECT_EQ("\x95\x5cn", ExpandControlEscapes("\x95\x5cn")) << "a kanji whose second byte is a backslash";
    EXPECT_EQ("a\\nb\\t", EscapeControls("a\nb\t"));
}
