#include "calendar/CalendarGrid.h"

namespace {

int CorrectWeekStart(int nWeekStart)
{
    return nWeekStart >= 1 && nWeekStart <= 7 ? nWeekStart : 1;
}

} // namespace

CalendarDate GridStart(int nMonth, int nYear, int nWeekStart)
{
    const CalendarDate first{nYear, nMonth, 1};
    // The days back to the week start in one step: the walk a day at a time ends at the same cell.
    const int nBack = (first.Weekday() - CorrectWeekStart(nWeekStart) + 7) % 7;
    return first.AddDays(-nBack);
}

CalendarGridDates BuildCalendarGrid(int nMonth, int nYear, int nWeekStart)
{
    CalendarGridDates grid;
    const int nStart = GridStart(nMonth, nYear, nWeekStart).ToSerial();
    for (int i = 0; i < kGridCells; ++i)
        grid[i] = CalendarDate::FromSerial(nStart + i);
    return grid;
}

int WeekdayOfColumn(int nWeekStart, int nColumn)
{
    return (CorrectWeekStart(nWeekStart) - 1 + nColumn % 7 + 7) % 7 + 1;
}
