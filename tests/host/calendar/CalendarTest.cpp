#include "calendar/CalendarCellStyle.h"
#include "calendar/CalendarGeometry.h"
#include "calendar/CalendarGrid.h"
#include "calendar/CalendarMetrics.h"
#include "calendar/CalendarPaging.h"
#include "calendar/HolidayLookup.h"
#include "calendar/MonthPickerModel.h"

#include "tests/host/HostData.h"

TEST(CalendarDate, EveryDayFromYear99To10000FollowsTheOneBeforeOnTheRightWeekday)
{
    for (const DataRow& r : DataRows("calendar-dates.txt"))
        EXPECT_EQ(r[3] == "1", (CalendarDate{Num(r[0]), Num(r[1]), Num(r[2])}.IsValid()))
            << r[0] << "-" << r[1] << "-" << r[2];
    // 1 January 99 was a Thursday (5); each serial is the next day, one weekday later.
    CalendarDate previous{99, 1, 1};
    EXPECT_EQ(5, previous.Weekday());
    const int nLast = CalendarDate{10000, 12, 31}.ToSerial();
    for (int nSerial = previous.ToSerial() + 1; nSerial <= nLast; ++nSerial)
    {
        const CalendarDate date = CalendarDate::FromSerial(nSerial);
        CalendarDate expected{previous.m_nYear, previous.m_nMonth, previous.m_nDay + 1};
        if (expected.m_nDay > DaysInMonth(previous.m_nYear, previous.m_nMonth))
            expected = previous.m_nMonth == 12 ? CalendarDate{previous.m_nYear + 1, 1, 1}
                                               : CalendarDate{previous.m_nYear, previous.m_nMonth + 1, 1};
        if (expected != date || nSerial != date.ToSerial() || previous.Weekday() % 7 + 1 != date.Weekday() ||
            !(previous < date))
            FAIL() << nSerial << ": " << date.m_nYear << "-" << date.m_nMonth << "-" << date.m_nDay;
        previous = date;
    }
    EXPECT_EQ((CalendarDate{2023, 12, 31}), (CalendarDate{2024, 1, 1}.AddDays(-1)));
}

TEST(CalendarGrid, TheMonthSitsInItsWeeksFromTheWeekStartWithItsNeighboursAround)
{
    for (const DataRow& r : DataRows("calendar-grid.txt"))
    {
        const CalendarDate date = BuildCalendarGrid(Num(r[0]), Num(r[1]), Num(r[2]))[Num(r[3])];
        EXPECT_EQ((CalendarDate{Num(r[4]), Num(r[5]), Num(r[6])}), date) << r[0] << " " << r[3];
        EXPECT_EQ(r[7] == "1", date.IsValid()) << r[4] << " " << r[5];
    }
    EXPECT_EQ((std::array{2, 1, 7, 6}), (std::array{WeekdayOfColumn(2, 0), WeekdayOfColumn(2, 6),
                                                    WeekdayOfColumn(7, 0), WeekdayOfColumn(7, 6)}));
}

TEST(CalendarPaging, StepsAcrossYearEndsAndStopsAtTheRangeEnds)
{
    CalendarMonth shown{5, 2026};
    for (const DataRow& r : DataRows("calendar-paging.txt"))
    {
        CalendarMonth month{Num(r[1]), Num(r[2])};
        if (r[0] == "show")
        {
            ShowMonth(shown, month.m_nMonth, month.m_nYear);
            month = shown;
        }
        else
            EXPECT_EQ(r[3] == "1", r[0] == "forward" ? StepMonthForward(month) : StepMonthBack(month));
        EXPECT_EQ((CalendarMonth{Num(r.end()[-2]), Num(r.end()[-1])}), month) << r[1] << " " << r[2];
    }
}

TEST(CalendarPaging, FontSpecsWeekStartsAndWeekdayTitlesFromTheLocale)
{
    for (const auto& [pszFace, nPoints, bAccepted] : {std::tuple{"Tahoma", 1, true}, {"Tahoma", 72, true},
         {"Tahoma", 0, false}, {"Tahoma", 73, false}, {"", 10, false}, {nullptr, 10, false}})
        EXPECT_EQ(bAccepted, IsAcceptedFontSpec(pszFace, nPoints)) << nPoints;
    // The locale counts from Monday (0).
    for (const auto& [pszText, nWeekStart] :
         {std::pair{"0", 2}, {"5", 7}, {"6", 1}, {"7", 1}, {"-3", 1}, {"", 1}, {"x", 1}})
        EXPECT_EQ(nWeekStart, WeekStartFromLocaleText(pszText)) << '"' << pszText << '"';
    EXPECT_EQ("Mo", TwoByteTitle("Monday"));
    EXPECT_EQ("\x93\xfa", TwoByteTitle("\x93\xfa\x97\x6a\x93\xfa")) << "one Shift-JIS character";
    EXPECT_EQ("M", TwoByteTitle("M"));
}

TEST(CalendarCellStyle, SelectionMarkTodayAndMonthCombine)
{
    const CalendarSelection selection{{2026, 12, 7}, {2026, 12, 7}};
    for (const DataRow& r : DataRows("calendar-cell-styles.txt"))
    {
        const auto n = [&r](std::size_t i) { return Num<std::uint32_t>(r[i]); };
        const CalendarCellStyle expected{n(5) != 0, static_cast<CalendarFontRole>(n(6)), n(7), n(8) != 0,
                                         n(9), n(10) != 0};
        EXPECT_EQ(expected, DecideCellStyle({Num(r[0]), Num(r[1]), Num(r[2])}, 12, 2026, selection,
                                            {r[3] == "1", 0xFF, r[4] == "1"}, {0x112233, 0x808080, 0xFFFFFF}))
            << r[0] << "-" << r[1] << "-" << r[2];
    }
    const CalendarSelection range{{2026, 1, 30}, {2026, 2, 2}};
    for (const auto& [date, bIn] : {std::pair{CalendarDate{2026, 1, 30}, true}, {{2026, 1, 31}, true},
                                    {{2026, 2, 2}, true}, {{2026, 1, 29}, false}, {{2026, 2, 3}, false}})
        EXPECT_EQ(bIn, IsInSelection(range, date)) << date.m_nMonth << "-" << date.m_nDay;
    EXPECT_FALSE(IsInSelection({{2026, 1, 30}, {2026, 2, 30}}, {2026, 1, 31}));
}

TEST(HolidayLookup, AnyFieldMatchesEveryValueAndTheFirstMatchWins)
{
    HolidayList holidays;
    for (const DataRow& r : DataRows("holiday-lookup.txt"))
    {
        if (r[0] == "holiday")
        {
            holidays.push_back(std::make_unique<HolidayEntry>());
            *holidays.back() = {Num(r[1]), Num(r[2]), Num(r[3]), Num(r[4]), r[5]};
            continue;
        }
        int crColour = 7;
        const bool bFound = FindHolidayColour(holidays, Num(r[1]), Num(r[2]), Num(r[3]), crColour);
        EXPECT_EQ(std::pair(r[4] == "1", Num(r[5])), std::pair(bFound, crColour)) << r[1] << "-" << r[2];
    }
}

namespace {

const std::array<std::string, 12> kNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Fixed extents with one exception per role, so each maximum is traced to the text that makes it.
struct CFakeMeasurer : ICalendarMeasurer
{
    std::string m_strWideTitle;
    int m_nWeekdayWidth = 11;

    CalendarSize Measure(CalendarFontRole role, const std::string& text) override
    {
        using R = CalendarFontRole;
        return role == R::MarkedDate ? CalendarSize{text == "31" ? 16 : 12, 13}
               : role == R::OtherMonth ? CalendarSize{12, text == "01" ? 15 : 13}
               : role == R::Weekday ? CalendarSize{text == "W" ? m_nWeekdayWidth : 7, text == "M" ? 12 : 10}
               : role == R::Title ? CalendarSize{text == m_strWideTitle ? 250 : 60, 14}
                                  : CalendarSize{12, 13};
    }
};

} // namespace

TEST(CalendarMetrics, CellsFitEveryDateFontAndTheWeekdayLettersAndTheBlockTitlesOfTenYearsEitherSide)
{
    CFakeMeasurer measurer;
    // Cell 16 (the marked font's "31") x 15 (the other-month font's "01"); narrow titles.
    EXPECT_EQ((CalendarMetrics{16, 15, 12, 20, 7 * 16 + 40, 6 * 15 + 12 + 20 + 24}),
              MeasureCalendarMetrics(measurer, kNames, 2026));
    for (const DataRow& r : DataRows("calendar-titles.txt"))
    {
        measurer.m_strWideTitle = r[0];
        EXPECT_EQ(Num(r[2]), MeasureCalendarMetrics(measurer, kNames, Num(r[1])).m_nBlockWidth) << r[0];
    }
    measurer.m_nWeekdayWidth = 21;
    EXPECT_EQ(21, MeasureCalendarMetrics(measurer, kNames, 2026).m_nCellWidth);
}

TEST(CalendarGeometry, TitleArrowsWeekdaysCellsAndTheDayUnderThePointerFromTheMetrics)
{
    const CalendarGeometry g = ComputeCalendarGeometry({16, 15, 12, 20, 240, 146});
    EXPECT_EQ((std::array<CalendarRect, 8>{{{0, 0, 239, 20}, {1, 1, 230, 18}, {10, 1, 220, 18},
                                            {128, 21, 144, 34}, {8, 36, 144, 138}, {5, 36, 26, 54},
                                            {5, 36, 26, 53}, {128, 121, 144, 136}}}),
              (std::array{g.m_rcTitleBand, g.m_rcTitleText, g.m_rcTitleHit, WeekdayTitleRect(g, 6),
                          g.m_rcGrid, CellFillRect(g, 0), CellHitRect(g, 0), CellTextRect(g, 41)}));
    EXPECT_EQ((CalendarArrow{{6, 10}, 11, 5, 15, {5, 4, 12, 16}}), g.m_back);
    EXPECT_EQ((CalendarArrow{{230, 10}, 225, 5, 15, {224, 4, 231, 16}}), g.m_forward);
    EXPECT_EQ((std::pair{CalendarPoint{8, 35}, CalendarPoint{144, 35}}),
              std::pair(g.m_ptSeparatorFrom, g.m_ptSeparatorTo));
    for (const DataRow& r : DataRows("calendar-hits.txt"))
        EXPECT_EQ(r[2] == "-" ? std::nullopt : std::optional(Num(r[2])), HitDay(g, {Num(r[0]), Num(r[1])}))
            << r[0] << "," << r[1];
    const CalendarGridDates first = BuildCalendarGrid(1, 100, 1);
    EXPECT_EQ(std::nullopt, SelectableDayAt(g, first, {10, 40})) << "27 December 99";
    EXPECT_EQ((CalendarDate{100, 1, 1}), SelectableDayAt(g, first, {108, 40}));
}

TEST(MonthPicker, RowsAroundTheCentreAndTheRowLevelWithThePointer)
{
    // Row 0 is three months back, row 6 three on, across the ends of years.
    EXPECT_EQ((std::array<CalendarMonth, 3>{{{10, 99}, {2, 2027}, {3, 10000}}}),
              (std::array{PickerRowMonth({1, 100}, 7, 0), PickerRowMonth({1, 2027}, 7, 4),
                          PickerRowMonth({12, 9999}, 7, 6)}));
    for (const auto& [nRows, bAccepted] : {std::pair{3, true}, {1, false}, {8, false}})
        EXPECT_EQ(bAccepted, IsAcceptedRowCount(nRows)) << nRows;
    // Seven rows of 16 pixels in a client area of 114: PlacePicker's 2 x ((7 x 16 + 3) / 2).
    EXPECT_EQ((CalendarRect{440, 343, 560, 457}), PlacePicker({500, 400}, 101, 16, 7));
    for (const DataRow& r : DataRows("picker-rows.txt"))
    {
        const CalendarRect rc = PickerRowRect(Num(r[0]), 300, 16);
        EXPECT_EQ(r[2] == "1", IsRowUnderCursor(Num(r[0]), 7, rc.top, rc.bottom, Num(r[1]), 114))
            << r[0] << " at " << r[1];
    }
}

TEST(MonthPickerScroll, OneMonthEveryTenthTickNearTheEdgeTwoEveryFifthFartherOutWithinTheYears)
{
    MonthPickerScroll scroll;
    for (const DataRow& r : DataRows("month-picker-scroll.txt"))
    {
        if (r[0] == "centre")
        {
            scroll = MonthPickerScroll();
            scroll.SetCentre(Num(r[1]), Num(r[2]));
            continue;
        }
        for (int i = 0; i < Num(r[1]); ++i)
            scroll.TrackY(Num(r[0]), 300, 414);
        EXPECT_EQ((CalendarMonth{Num(r[2]), Num(r[3])}), scroll.m_centre) << r[1] << " ticks at " << r[0];
    }
}
