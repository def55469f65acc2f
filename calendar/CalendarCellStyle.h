// How one day cell is drawn: font, text colour, the selection fill and today's frame. The window
// side asks the mark callback and the clock, then draws exactly what this decides.
#pragma once

#include "calendar/CalendarDate.h"
#include "calendar/CalendarMetrics.h"

#include <cstdint>

// COLORREF layout, 0x00BBGGRR; RGB(132, 0, 0) frames today.
constexpr std::uint32_t kTodayFrameColour = 0x00000084;

// A range of selected dates; empty when either end is invalid (the control starts that way).
struct CalendarSelection
{
    CalendarDate m_dtStart;
    CalendarDate m_dtEnd;
    bool IsEmpty() const { return !m_dtStart.IsValid() || !m_dtEnd.IsValid(); }
};

bool IsInSelection(const CalendarSelection& selection, const CalendarDate& date);

struct CalendarColours
{
    std::uint32_t m_crDate = 0;       // the displayed month's dates, and the selection fill
    std::uint32_t m_crOtherMonth = 0; // the neighbouring months' dates
    std::uint32_t m_crBackground = 0; // the text of a selected date
};

// What the window side found out about the cell's date before deciding.
struct CalendarCellFacts
{
    bool m_bMarked = false;
    std::uint32_t m_crMarked = 0; // the colour the mark callback set, read right after the call
    bool m_bToday = false;
};

struct CalendarCellStyle
{
    bool m_bDrawn = false; // false for dates outside the calendar's years: the cell stays empty
    CalendarFontRole m_role = CalendarFontRole::Date;
    std::uint32_t m_crText = 0;
    bool m_bFill = false;
    std::uint32_t m_crFill = 0;
    bool m_bFrameToday = false;
    std::uint32_t m_crFrame = kTodayFrameColour;
    bool operator==(const CalendarCellStyle&) const = default;
};

// A marked date keeps its marked colour even when selected; today's frame goes on top of the
// selection fill. Do not ask the mark callback for an invalid date: its style ignores the facts.
CalendarCellStyle DecideCellStyle(const CalendarDate& date, int nDisplayedMonth, int nDisplayedYear,
                                  const CalendarSelection& selection, const CalendarCellFacts& facts,
                                  const CalendarColours& colours);
