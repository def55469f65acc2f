#include "calendar/CalendarGrid.h"

#include <gtest/gtest.h>

TEST(CalendarDate, ValidOnlyForRealDatesOfTheYears100To9999)
{
    for (CalendarDate date : {CalendarDate{100, 1, 1}, {9999, 12, 31}, {2024, 2, 29}, {2000, 2, 29}})
        EXPECT_TRUE(date.IsValid()) << date.m_nYear << "-" << date.m_nMonth;
    for (CalendarDate date :
         {CalendarDate{99, 12, 31}, {10000, 1, 1}, {1900, 2, 29}, {2026, 4, 31}, {2026, 13, 1}})
        EXPECT_FALSE(date.IsValid()) << date.m_nYear << "-" << date.m_nMonth;
}

TEST(CalendarDate, EveryDayFromYear99To10000FollowsTheOneBeforeOnTheRightWeekday)
{
    // 1 January 99 was a Thursday (5); each serial is the next day of the month, the 1st after the
    // month's last day, or 1 January after 31 December, one weekday later.
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
        ASSERT_EQ(expected, date) << "serial " << nSerial;
        ASSERT_EQ(nSerial, date.ToSerial());
        ASSERT_EQ(previous.Weekday() % 7 + 1, date.Weekday()) << "serial " << nSerial;
        ASSERT_LT(previous, date);
        previous = date;
    }
    EXPECT_EQ(7, (CalendarDate{2000, 1, 1}.Weekday()));
    EXPECT_EQ((CalendarDate{2023, 12, 31}), (CalendarDate{2024, 1, 1}.AddDays(-1)));
}

TEST(CalendarGrid, TheMonthSitsInItsWeeksWithItsNeighboursAround)
{
    // February 2026: Sunday the 1st opens the grid; four whole weeks, then two rows of March.
    const CalendarGridDates february = BuildCalendarGrid(2, 2026, 1);
    EXPECT_EQ((CalendarDate{2026, 2, 1}), february[0]);
    EXPECT_EQ((CalendarDate{2026, 3, 1}), february[28]);
    // August 2026: Saturday the 1st after six days of July; five days of September close the grid.
    const CalendarGridDates august = BuildCalendarGrid(8, 2026, 1);
    EXPECT_EQ((CalendarDate{2026, 7, 26}), august[0]);
    EXPECT_EQ((CalendarDate{2026, 8, 1}), august[6]);
    EXPECT_EQ((CalendarDate{2026, 8, 31}), august[36]);
    EXPECT_EQ((CalendarDate{2026, 9, 1}), august[37]);
}

TEST(CalendarGrid, ColumnsAndTitlesFollowTheWeekStart)
{
    EXPECT_EQ((CalendarDate{2026, 1, 26}), GridStart(2, 2026, 2)) << "the Monday before Sunday the 1st";
    EXPECT_EQ((CalendarDate{2026, 8, 1}), GridStart(8, 2026, 7)) << "a Saturday 1st opens a Saturday grid";
    EXPECT_EQ((std::array{2, 1, 7, 6}), (std::array{WeekdayOfColumn(2, 0), WeekdayOfColumn(2, 6),
                                                    WeekdayOfColumn(7, 0), WeekdayOfColumn(7, 6)}));
    for (int nWeekStart : {2, 7})
    {
        const CalendarGridDates grid = BuildCalendarGrid(2, 2026, nWeekStart);
        for (int i = 0; i < kGridCells; ++i)
            ASSERT_EQ(WeekdayOfColumn(nWeekStart, i % 7), grid[i].Weekday()) << "week start " << nWeekStart;
    }
}

TEST(CalendarGrid, TheFirstAndLastMonthsBuildWithTheirOutsideDaysInvalid)
{
    // 1 January 100 is a Friday, 31 December 9999 too.
    const CalendarGridDates first = BuildCalendarGrid(1, 100, 1);
    EXPECT_EQ((CalendarDate{99, 12, 27}), first[0]);
    EXPECT_FALSE(first[4].IsValid());
    EXPECT_EQ((CalendarDate{100, 1, 1}), first[5]);
    EXPECT_TRUE(first[5].IsValid());

    const CalendarGridDates last = BuildCalendarGrid(12, 9999, 1);
    EXPECT_EQ((CalendarDate{9999, 12, 31}), last[33]);
    EXPECT_TRUE(last[33].IsValid());
    EXPECT_EQ((CalendarDate{10000, 1, 8}), last[41]);
    EXPECT_FALSE(last[34].IsValid());
}
