#include "calendar/CalendarDate.h"

namespace {

// Floor division, so that years before 0 (never shown, but reachable by AddDays) still count right.
int FloorDiv(int a, int b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Days from 1 March of year 0: March first makes the leap day the last day of the counting year.
int DaysFromCivil(int nYear, int nMonth, int nDay)
{
    const int y = nYear - (nMonth <= 2 ? 1 : 0);
    const int nEra = FloorDiv(y, 400);
    const int nYearOfEra = y - nEra * 400;
    const int nShiftedMonth = nMonth > 2 ? nMonth - 3 : nMonth + 9;
    const int nDayOfYear = (153 * nShiftedMonth + 2) / 5 + nDay - 1;
    const int nDayOfEra = nYearOfEra * 365 + nYearOfEra / 4 - nYearOfEra / 100 + nDayOfYear;
    return nEra * 146097 + nDayOfEra - 719468; // 719468: 0000-03-01 to 1970-01-01
}

} // namespace

bool IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int DaysInMonth(int nYear, int nMonth)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

bool CalendarDate::IsValid() const
{
    return m_nYear >= kMinCalendarYear && m_nYear <= kMaxCalendarYear && m_nMonth >= 1 && m_nMonth <= 12 &&
           m_nDay >= 1 && m_nDay <= DaysInMonth(m_nYear, m_nMonth);
}

int CalendarDate::ToSerial() const
{
    return DaysFromCivil(m_nYear, m_nMonth, m_nDay);
}

CalendarDate CalendarDate::FromSerial(int nSerial)
{
    const int z = nSerial + 719468;
    const int nEra = FloorDiv(z, 146097);
    const int nDayOfEra = z - nEra * 146097;
    const int nYearOfEra = (nDayOfEra - nDayOfEra / 1460 + nDayOfEra / 36524 - nDayOfEra / 146096) / 365;
    const int nDayOfYear = nDayOfEra - (365 * nYearOfEra + nYearOfEra / 4 - nYearOfEra / 100);
    const int nShiftedMonth = (5 * nDayOfYear + 2) / 153;
    CalendarDate date;
    date.m_nDay = nDayOfYear - (153 * nShiftedMonth + 2) / 5 + 1;
    date.m_nMonth = nShiftedMonth < 10 ? nShiftedMonth + 3 : nShiftedMonth - 9;
    date.m_nYear = nYearOfEra + nEra * 400 + (date.m_nMonth <= 2 ? 1 : 0);
    return date;
}

CalendarDate CalendarDate::AddDays(int nDays) const
{
    return FromSerial(ToSerial() + nDays);
}

int CalendarDate::Weekday() const
{
    // 1 January 1970 was a Thursday, weekday 5.
    const int nFromSunday = (ToSerial() + 4) % 7;
    return (nFromSunday < 0 ? nFromSunday + 7 : nFromSunday) + 1;
}
