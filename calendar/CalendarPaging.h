// The displayed month and the configuration checks of the calendar control: bad values are
// ignored and the previous ones stay, each value on its own.
#pragma once

#include <string>
#include <string_view>

struct CalendarMonth
{
    int m_nMonth = 1; // 1 = January
    int m_nYear = 2000;
    bool operator==(const CalendarMonth&) const = default;
};

// The month nMonths later (earlier when negative), 12 -> 1 of the next year. Unbounded: the
// picker shows years 99 and 10000 around the ends of the range.
CalendarMonth AddMonths(CalendarMonth month, int nMonths);

// Stores nMonth if 1...12 and nYear if 100...9999, independently.
void ShowMonth(CalendarMonth& shown, int nMonth, int nYear);

// One month back or forward, never past January 100 or December 9999; false when not taken.
bool StepMonthBack(CalendarMonth& shown);
bool StepMonthForward(CalendarMonth& shown);

// A font setter takes a size of 1...72 points with a face; a null or empty face is missing.
bool IsAcceptedFontSpec(const char* pszFace, int nPointSize);

// The week start (1 = Sunday ... 7 = Saturday) from LOCALE_IFIRSTDAYOFWEEK's text, which counts
// 0 = Monday ... 6 = Sunday. Anything else, non-numeric text included, gives Sunday.
int WeekStartFromLocaleText(std::string_view text);

// The weekday heading from a full weekday name: its first two bytes, which are two letters in a
// single-byte code page and the first character in Shift-JIS. A shorter name is kept whole.
std::string TwoByteTitle(std::string_view fullName);
