#include "calendar/CalendarGrid.h"
#include "calendar/CalendarPaging.h"

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
