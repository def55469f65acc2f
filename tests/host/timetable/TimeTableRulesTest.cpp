#include "timetable/TimeTableRules.h"

#include "config/ColourPopupModel.h"
#include "timetable/TaskLine.h"

#include "tests/host/HostData.h"

#include <algorithm>

TEST(TimeTableRows, ColumnsTheSelectionAfterADeleteAndTheCombosOfferingsAndReadings)
{
    for (const DataRow& r : DataRows("time-table-rules.txt"))
    {
        SCOPED_TRACE(r[0] + " " + r[1] + " " + r[2]);
        const auto field = static_cast<TaskField>(Num(r[1]));
        const auto texts = r[0] == "row" ? TaskRowTexts(TaskAt(r, 1)) : decltype(TaskRowTexts({})){};
        if (r[0] == "row")
            EXPECT_EQ(DataRow(r.begin() + 15, r.begin() + 26), DataRow(texts.begin(), texts.end()));
        else if (r[0] == "read")
            EXPECT_EQ(r[3] == "none" ? std::nullopt : std::optional(Num(r[3])), TaskFieldValue(field, r[2]));
        else
        {
            const std::vector<std::string> entries = TaskFieldEntries(field, Num(r[2]), 2026);
            ASSERT_EQ(Num<std::size_t>(r[3]), entries.size());
            EXPECT_EQ(DataRow(r.begin() + 4, r.begin() + 8),
                      (DataRow{entries[0], entries[1], entries[2], entries.back()}));
            EXPECT_EQ(1, std::count(entries.begin(), entries.end(), TaskFieldText(field, Num(r[2]))));
            for (const std::string& entry : entries)
                EXPECT_EQ(entry, TaskFieldText(field, TaskFieldValue(field, entry).value())) << entry;
        }
    }
    // The next row moves up; after the last, the new last; after the only deletable one, the last reserved.
    for (const auto& [nDeleted, nLeft, nSelected] : {std::tuple{2, 4, 2}, {4, 4, 3}, {2, 2, 1}, {0, 0, -1}})
        EXPECT_EQ(nSelected, SelectionAfterDelete(nDeleted, nLeft)) << nDeleted << "/" << nLeft;
}

TEST(TaskDialog, ColourMinusOneIsAutomaticAndTheTextsBackslashFormsAreLineFeedsAndTabs)
{
    for (const auto& [crTask, crButton, crDrawn] :
         {std::tuple{-1, kClrDefault, 0x123456u}, {0x000000, 0x000000u, 0x000000u},
          {0x0000FF, 0x0000FFu, 0x0000FFu}, {0xFFFFFF, 0xFFFFFFu, 0xFFFFFFu}})
    {
        EXPECT_EQ(crButton, ButtonColourOfTask(crTask)) << crTask;
        EXPECT_EQ(crTask, TaskColourOfButton(crButton)) << crTask;
        EXPECT_EQ(crDrawn, TaskColour(crTask, 0x123456)) << crTask;
    }
    EXPECT_EQ("a\nb\tc\\x", ExpandControlEscapes("a\\nb\\tc\\x"));
    EXPECT_EQ("\x95\x5cn", ExpandControlEscapes("\x95\x5cn")) << "a kanji whose second byte is a backslash";
    EXPECT_EQ("a\\nb\\t", EscapeControls("a\nb\t"));
}
