#include "config/ColourPopupModel.h"
#include "timetable/ScrollerModel.h"
#include "timetable/SectionBlock.h"
#include "timetable/TaskLine.h"
#include "timetable/TimeTableRules.h"

#include "tests/host/HostData.h"

namespace {

TimeTask Strings(const std::string& text, const std::string& sound, const std::string& extra)
{
    return {0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, text, sound, extra};
}

constexpr int kHeight = 3 * 16; // three lines; the notice's timing: a 10 ms step, 2 s rests

std::tuple<int, int, bool> StepUntilRestOrOut(int nOffset, int nTextHeight, bool bWrap)
{
    for (int nSteps = 1; nSteps <= 1000; ++nSteps)
    {
        const ScrollMove move = ScrollUpOnePixel(nOffset, nTextHeight, kHeight, bWrap);
        nOffset = move.nOffset;
        if (move.bScrolledOut || RestsAt(nOffset, nTextHeight, kHeight, 2000, 0))
            return {nSteps, nOffset, move.bScrolledOut};
    }
    return {1000, nOffset, false};
}

} // namespace

TEST(TaskLine, WritesReadsAndRefusesLinesAsTheOldFormatDid)
{
    const std::vector<std::string> faults = {"None", "TooFewFields", "NoOpeningQuote", "UnclosedQuote"};
    for (const DataRow& r : DataRows("task-lines.txt"))
    {
        SCOPED_TRACE(r[0] + ": " + r[1]);
        const auto n = [&r](std::size_t i) { return Num(r[i]); };
        LineFault fault = LineFault::None;
        const std::optional<TimeTask> read = ParseTaskLine(r[1], &fault);
        if (r[0] == "read")
            EXPECT_EQ(TaskAt(r, 2), read);
        else if (r[0] == "both")
            EXPECT_EQ(std::pair(r[1], std::optional(TaskAt(r, 2))),
                      std::pair(FormatTaskLine(TaskAt(r, 2)), read));
        else if (r[0] == "bad")
            EXPECT_EQ(std::pair(false, r[2]),
                      std::pair(read.has_value(), faults.at(static_cast<std::size_t>(fault))));
        else if (r[0] == "text")
            EXPECT_EQ((std::array{r[2], r[3]}), (std::array{read.value().m_strText, read->m_strSound}));
        else if (r[0] == "save")
            EXPECT_EQ(Strings(r.end()[-3], r.end()[-2], r.end()[-1]),
                      ParseTaskLine(FormatTaskLine(Strings(r[1], r[2], r[3]))));
        else
            EXPECT_EQ(r.size() > 2 ? std::optional(HolidayEntry{n(2), n(3), n(4), n(5), r[6]}) : std::nullopt,
                      ParseHolidayLine(r[1]));
    }
}

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
    EXPECT_EQ(std::tuple(false, 1u, "first", IniLine{2, "broken"}, LineFault::TooFewFields),
              std::tuple(parsed.ok, parsed.records.size(), parsed.records.at(0).m_strText, parsed.badLine,
                         parsed.fault));
    const std::string a79(79, 'a'); // a two-byte character across the 80th byte goes whole to the cut
    for (const auto& [strLine, strShown] :
         {std::pair{a79 + "a", a79 + "a"}, {a79 + "ab", a79 + "a..."}, {a79 + "\x95\x5c" + "b", a79 + "..."}})
        EXPECT_EQ(strShown, ShownLine(strLine));
    const HolidaySectionParse holidays = ParseHolidaySection("* 1 1 FF0000 \"a\"\r\n2026 1 12 0 \"b\"\r\n"s);
    EXPECT_EQ(std::tuple(true, 2u, "a", 2026),
              std::tuple(holidays.ok, holidays.records.size(), holidays.records.at(0).m_strName,
                         holidays.records.at(1).m_nYear));
    EXPECT_FALSE(ParseHolidaySection("* 1 1\0\0"s).ok);
}

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

TEST(ScrollerModel, RisesUntilTheLastLineHasLeftRestingWhereAPageEndsAndReentersFromBelow)
{
    for (const DataRow& r : DataRows("scroller.txt"))
    {
        SCOPED_TRACE(r[0] + " " + r[1] + " " + r[2]);
        const auto n = [&r](std::size_t i) { return Num(r[i]); };
        if (r[0] == "step")
            EXPECT_EQ(std::tuple(n(4), n(5), r[6] == "1"), StepUntilRestOrOut(n(1), n(2), r[3] == "1"));
        else if (r[0] == "rest")
            EXPECT_EQ(r[5] == "1", RestsAt(n(1), n(2), kHeight, n(3), n(4)));
        else
            EXPECT_EQ(r[4] == "-" ? std::nullopt : std::optional(n(4)),
                      NextCopyTop(n(1), n(2), kHeight, r[3] == "1"));
    }
}

TEST(NoticePages, EmptyPiecesAreDroppedAndThePagesComeRoundAgain)
{
    for (const DataRow& r : DataRows("notice-pages.txt"))
        EXPECT_EQ(DataRow(r.begin() + 1, r.end()), SplitPages(r[0])) << r[0];
    std::size_t nNext = 1; // page 0 is shown first
    EXPECT_EQ((std::array<std::optional<std::size_t>, 5>{1, 2, 0, std::nullopt, std::nullopt}),
              (std::array{TurnPage(nNext, 3), TurnPage(nNext, 3), TurnPage(nNext, 3), TurnPage(nNext, 1),
                          TurnPage(nNext, 0)}));
}
