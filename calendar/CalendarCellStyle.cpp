#include "calendar/CalendarCellStyle.h"

bool IsInSelection(const CalendarSelection& selection, const CalendarDate& date)
{
    return !selection.IsEmpty() && selection.m_dtStart <= date && date <= selection.m_dtEnd;
}

CalendarCellStyle DecideCellStyle(const CalendarDate& date, int nDisplayedMonth, int nDisplayedYear,
                                  const CalendarSelection& selection, const CalendarCellFacts& facts,
                                  const CalendarColours& colours)
{
    CalendarCellStyle style;
    if (!date.IsValid())
        return style;
    style.m_bDrawn = true;

    const bool bThisMonth = date.m_nMonth == nDisplayedMonth && date.m_nYear == nDisplayedYear;
    style.m_role = bThisMonth ? CalendarFontRole::Date : CalendarFontRole::OtherMonth;
    style.m_crText = bThisMonth ? colours.m_crDate : colours.m_crOtherMonth;

    if (IsInSelection(selection, date))
    {
        // Inverse colours: the date colour behind, the background colour in front.
        style.m_bFill = true;
        style.m_crFill = colours.m_crDate;
        style.m_crText = colours.m_crBackground;
    }
    if (facts.m_bMarked)
    {
        // Neighbouring months keep their own font but show their marks; the mark wins over the
        // selection's text colour, so a selected holiday still reads as one.
        if (bThisMonth)
            style.m_role = CalendarFontRole::MarkedDate;
        style.m_crText = facts.m_crMarked;
    }
    style.m_bFrameToday = facts.m_bToday;
    return style;
}
