#include "calendar/MonthPickerModel.h"

#include "calendar/CalendarDate.h"

std::string PickerWidthText(const std::string& monthName)
{
    return monthName + " 0000";
}

std::string PickerRowText(const std::string& monthName, int nYear)
{
    return monthName + " " + std::to_string(nYear);
}

bool IsAcceptedRowCount(int nRows)
{
    return nRows >= 3 && nRows % 2 == 1;
}

CalendarMonth PickerRowMonth(CalendarMonth centre, int nRows, int nRow)
{
    return AddMonths(centre, nRow - nRows / 2);
}

CalendarRect PickerRowRect(int nRow, int nAlphabetWidth, int nAlphabetHeight)
{
    const int y = nRow * nAlphabetHeight;
    return {10, y, 10 + nAlphabetWidth, y + nAlphabetHeight};
}

CalendarRect PickerRowFill(int nRow, int nClientWidth, int nAlphabetHeight)
{
    const int y = nRow * nAlphabetHeight;
    return {0, y, nClientWidth, y + nAlphabetHeight};
}

bool IsRowUnderCursor(int nRow, int nRows, int nRowTop, int nRowBottom, int y, int nClientHeight)
{
    return (y < 0 && nRow == 0) || (y > nClientHeight && nRow == nRows - 1) ||
           (nRowTop <= y && y <= nRowBottom - 1);
}

CalendarRect PlacePicker(CalendarPoint ptPressed, int nWidestText, int nAlphabetHeight, int nRows)
{
    const int a = (nWidestText + 20) / 2;
    const int b = (nRows * nAlphabetHeight + 3) / 2;
    return {ptPressed.x - a, ptPressed.y - b, ptPressed.x + a, ptPressed.y + b};
}

void MonthPickerScroll::SetCentre(int nMonth, int nYear)
{
    ShowMonth(m_centre, nMonth, nYear);
}

void MonthPickerScroll::TrackY(int y, int nScreenTop, int nScreenBottom)
{
    // Beyond 15 pixels out the list runs at double speed.
    constexpr int kFastDistance = 15;
    if (y < nScreenTop)
        ScrollEarlier(nScreenTop - y > kFastDistance ? 2 : 1);
    else if (y > nScreenBottom)
        ScrollLater(y - nScreenBottom > kFastDistance ? 2 : 1);
    else
        m_nEarlier = m_nLater = 0;
}

void MonthPickerScroll::ScrollEarlier(int n)
{
    constexpr int kCountsPerMove = 10;
    m_nLater = 0;
    m_nEarlier += n;
    if (m_nEarlier < kCountsPerMove)
        return;
    for (int i = 0; i < n; ++i)
    {
        // The bound is the whole year 100, not January 100: the counter stays full and each
        // further count tries again, which changes nothing until the pointer comes back.
        if (m_centre.m_nYear == kMinCalendarYear)
            return;
        m_centre = AddMonths(m_centre, -1);
    }
    m_nEarlier = 0;
}

void MonthPickerScroll::ScrollLater(int n)
{
    constexpr int kCountsPerMove = 10;
    m_nEarlier = 0;
    m_nLater += n;
    if (m_nLater < kCountsPerMove)
        return;
    for (int i = 0; i < n; ++i)
    {
        if (m_centre.m_nYear == kMaxCalendarYear)
            return;
        m_centre = AddMonths(m_centre, 1);
    }
    m_nLater = 0;
}
