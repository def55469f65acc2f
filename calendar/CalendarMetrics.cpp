#include "calendar/CalendarMetrics.h"

#include <algorithm>
#include <initializer_list>

namespace {

struct Extent
{
    int nWidth = 0;
    int nHeight = 0;

    void Fit(CalendarSize size)
    {
        nWidth = std::max(nWidth, size.cx);
        nHeight = std::max(nHeight, size.cy);
    }
};

} // namespace

CalendarMetrics MeasureCalendarMetrics(ICalendarMeasurer& measurer,
                                       const std::array<std::string, 12>& monthNames, int nDisplayedYear)
{
    // Cells are measured on two-digit numbers in every date font, so a bold marked date or a
    // differently sized other-month font still fits its cell.
    Extent date;
    for (CalendarFontRole role :
         {CalendarFontRole::Date, CalendarFontRole::MarkedDate, CalendarFontRole::OtherMonth})
    {
        for (int nDay = 1; nDay <= 31; ++nDay)
        {
            const std::string text{static_cast<char>('0' + nDay / 10), static_cast<char>('0' + nDay % 10)};
            date.Fit(measurer.Measure(role, text));
        }
    }

    // The letters weekday titles start with in English; wide enough for two-letter titles in practice.
    Extent weekday;
    for (const char* pszLetter : {"S", "M", "T", "W", "F"})
        weekday.Fit(measurer.Measure(CalendarFontRole::Weekday, pszLetter));

    Extent title;
    for (int nYear = nDisplayedYear - 10; nYear <= nDisplayedYear + 10; ++nYear)
    {
        const std::string strYear = " " + std::to_string(nYear);
        for (const std::string& strName : monthNames)
            title.Fit(measurer.Measure(CalendarFontRole::Title, strName + strYear));
    }

    CalendarMetrics metrics;
    metrics.m_nCellWidth = std::max(date.nWidth, weekday.nWidth);
    metrics.m_nCellHeight = date.nHeight;
    metrics.m_nWeekdayHeight = weekday.nHeight;
    metrics.m_nTitleHeight = title.nHeight + 6;
    // 30 leaves room for the two arrows beside the title; 40 for the margins and 4-pixel gaps.
    metrics.m_nBlockWidth = std::max(0, std::max(title.nWidth + 30, 7 * metrics.m_nCellWidth + 40));
    metrics.m_nBlockHeight =
        std::max(0, 6 * metrics.m_nCellHeight + metrics.m_nWeekdayHeight + metrics.m_nTitleHeight + 24);
    return metrics;
}
