#include "calendar/CalendarPaging.h"

#include "calendar/CalendarDate.h"

#include <charconv>

CalendarMonth AddMonths(CalendarMonth month, int nMonths)
{
    const int nIndex = month.m_nYear * 12 + (month.m_nMonth - 1) + nMonths;
    const int nYear = nIndex >= 0 ? nIndex / 12 : (nIndex - 11) / 12;
    return {nIndex - nYear * 12 + 1, nYear};
}

void ShowMonth(CalendarMonth& shown, int nMonth, int nYear)
{
    if (nMonth >= 1 && nMonth <= 12)
        shown.m_nMonth = nMonth;
    if (nYear >= kMinCalendarYear && nYear <= kMaxCalendarYear)
        shown.m_nYear = nYear;
}

bool StepMonthBack(CalendarMonth& shown)
{
    if (shown.m_nYear <= kMinCalendarYear && shown.m_nMonth <= 1)
        return false;
    shown = AddMonths(shown, -1);
    return true;
}

bool StepMonthForward(CalendarMonth& shown)
{
    if (shown.m_nYear >= kMaxCalendarYear && shown.m_nMonth >= 12)
        return false;
    shown = AddMonths(shown, 1);
    return true;
}

bool IsAcceptedFontSpec(const char* pszFace, int nPointSize)
{
    return pszFace != nullptr && *pszFace != '\0' && nPointSize >= 1 && nPointSize <= 72;
}

int WeekStartFromLocaleText(std::string_view text)
{
    int nFirstDay = 0;
    const auto [pEnd, ec] = std::from_chars(text.data(), text.data() + text.size(), nFirstDay);
    static_cast<void>(pEnd); // trailing text after the number is ignored, as atoi would
    if (ec != std::errc{})
        return 1;
    // The locale counts from Monday = 0; the calendar from Sunday = 1.
    const int nWeekStart = nFirstDay + 2;
    return nWeekStart >= 1 && nWeekStart <= 7 ? nWeekStart : 1;
}

std::string TwoByteTitle(std::string_view fullName)
{
    return std::string(fullName.substr(0, 2));
}
