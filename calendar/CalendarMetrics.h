// The calendar's cell and block sizes, measured once from its fonts. The window side supplies
// the measuring (a DC with the role's font selected); the arithmetic lives here.
#pragma once

#include <array>
#include <string>

struct CalendarSize
{
    int cx = 0;
    int cy = 0;
    bool operator==(const CalendarSize&) const = default;
};

// Which of the control's five fonts a text is measured or drawn in.
enum class CalendarFontRole
{
    Title,
    Weekday,
    Date,
    MarkedDate,
    OtherMonth,
};

class ICalendarMeasurer
{
public:
    virtual ~ICalendarMeasurer() = default;
    // The extent of a single line of text in the role's font (GetTextExtentPoint32A).
    virtual CalendarSize Measure(CalendarFontRole role, const std::string& text) = 0;
};

struct CalendarMetrics
{
    int m_nCellWidth = 0;
    int m_nCellHeight = 0;
    int m_nWeekdayHeight = 0;
    int m_nTitleHeight = 0;
    int m_nBlockWidth = 0;  // the control's client width
    int m_nBlockHeight = 0; // the control's client height
    bool operator==(const CalendarMetrics&) const = default;
};

// Cells fit "01"..."31" in the three date fonts and the weekday letters; the block fits the
// widest "name year" of the ten years either side of nDisplayedYear, so paging a few years
// does not change the control's width.
CalendarMetrics MeasureCalendarMetrics(ICalendarMeasurer& measurer,
                                       const std::array<std::string, 12>& monthNames, int nDisplayedYear);
