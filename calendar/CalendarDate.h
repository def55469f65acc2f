// A pure calendar date (no time of day) in the proleptic Gregorian calendar. The grid needs the
// days next to January 100 and December 9999 too, so arithmetic works for any year and only
// IsValid() applies the calendar's range.
#pragma once

#include <compare>

constexpr int kMinCalendarYear = 100;
constexpr int kMaxCalendarYear = 9999;

bool IsLeapYear(int nYear);

// 0 for a month outside 1...12.
int DaysInMonth(int nYear, int nMonth);

struct CalendarDate
{
    int m_nYear = 0;
    int m_nMonth = 0; // 1 = January
    int m_nDay = 0;

    // A real date with its year in 100...9999: the only dates the calendar shows or selects.
    bool IsValid() const;

    // Days since 1 January 1970 (negative before it). Month 1...12 expected; the day may run
    // past the month's end, which counts on into the next months.
    int ToSerial() const;
    static CalendarDate FromSerial(int nSerial);

    CalendarDate AddDays(int nDays) const;

    // 1 = Sunday ... 7 = Saturday, as the calendar and the time table number weekdays.
    int Weekday() const;

    // Year, then month, then day: chronological order for real dates.
    auto operator<=>(const CalendarDate&) const = default;
};
