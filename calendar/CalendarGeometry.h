// Where each part of the month block is drawn and hit, in client coordinates, derived from the
// metrics alone. The paint and the mouse handlers both read this, so they cannot disagree.
#pragma once

#include "calendar/CalendarDate.h"
#include "calendar/CalendarGrid.h"
#include "calendar/CalendarMetrics.h"

#include <optional>

struct CalendarRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const CalendarRect&) const = default;
};

struct CalendarPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const CalendarPoint&) const = default;
};

// As PtInRect: left and top inside, right and bottom outside.
bool PtInCalendarRect(const CalendarRect& rc, CalendarPoint pt);

// An arrow is a fan of lines from its tip to (m_nEndX, y) for every y in m_nFirstEndY...m_nLastEndY;
// that fills a small triangle with the current pen, no brush needed.
struct CalendarArrow
{
    CalendarPoint m_ptTip;
    int m_nEndX = 0;
    int m_nFirstEndY = 0;
    int m_nLastEndY = 0;
    CalendarRect m_rcHit;
    bool operator==(const CalendarArrow&) const = default;
};

struct CalendarGeometry
{
    CalendarMetrics m_metrics;
    CalendarRect m_rcTitleBand; // filled in the title band colour and framed 3-D
    CalendarRect m_rcTitleText; // the title is centred in here
    CalendarRect m_rcTitleHit;  // a press here opens the month picker
    CalendarArrow m_back;
    CalendarArrow m_forward;
    int m_nWeekdayTop = 0;           // y1
    CalendarPoint m_ptSeparatorFrom; // the shadow line under the weekday titles
    CalendarPoint m_ptSeparatorTo;   // drawn up to, not including, this end (LineTo)
    int m_nGridTop = 0;              // y2
    CalendarRect m_rcGrid;           // a press must be in here before any cell counts
};

CalendarGeometry ComputeCalendarGeometry(const CalendarMetrics& metrics);

// Weekday title of column 0...6, drawn right- and bottom-aligned.
CalendarRect WeekdayTitleRect(const CalendarGeometry& geometry, int nColumn);

// Cell 0...41 (week x 7 + column): the day number is drawn right- and bottom-aligned in the text
// rectangle; the selection fill and today's frame cover the wider fill rectangle.
CalendarRect CellTextRect(const CalendarGeometry& geometry, int nCell);
CalendarRect CellFillRect(const CalendarGeometry& geometry, int nCell);
CalendarRect CellHitRect(const CalendarGeometry& geometry, int nCell);

// The cell under pt: inside the grid rectangle, then the first cell whose hit rectangle holds it
// (neighbouring hit rectangles share a column of pixels; the left cell wins).
std::optional<int> HitDay(const CalendarGeometry& geometry, CalendarPoint pt);

// The date a press or drag at pt selects: none off the grid and none on a cell outside the
// calendar's years, which is drawn empty.
std::optional<CalendarDate> SelectableDayAt(const CalendarGeometry& geometry, const CalendarGridDates& grid,
                                            CalendarPoint pt);
