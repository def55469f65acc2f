// The 6 x 7 dates one month's page shows, with the trailing days of the month before and the
// leading days of the month after. The window side draws exactly these cells.
#pragma once

#include "calendar/CalendarDate.h"

#include <array>

constexpr int kGridColumns = 7;
constexpr int kGridWeeks = 6;
constexpr int kGridCells = kGridColumns * kGridWeeks;

using CalendarGridDates = std::array<CalendarDate, kGridCells>;

// The first cell: the 1st of the month moved back to the nearest week start (1 = Sunday ... 7 =
// Saturday) on or before it. A week start outside 1...7 counts as Sunday, so this always ends.
CalendarDate GridStart(int nMonth, int nYear, int nWeekStart);

// Cells in order week x 7 + column. Around January 100 and December 9999 some cells fall outside
// the calendar's years: they are present but !IsValid(), drawn empty and never selectable.
CalendarGridDates BuildCalendarGrid(int nMonth, int nYear, int nWeekStart);

// The weekday (1 = Sunday ... 7 = Saturday) heading column 0...6 when weeks start on nWeekStart;
// weekday title k of the control is the name of WeekdayOfColumn(nWeekStart, k - 1).
int WeekdayOfColumn(int nWeekStart, int nColumn);
