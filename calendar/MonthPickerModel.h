// The month picker's rows, highlight, placement and auto-scroll, free of the window system.
// CMonthPickerWnd measures its texts and draws; these decide what and where.
#pragma once

#include "calendar/CalendarGeometry.h"
#include "calendar/CalendarPaging.h"

#include <string>

constexpr int kDefaultPickerRows = 7;

// The text whose height is a row's height (and whose width is a row rectangle's width).
constexpr const char kPickerAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The picker's width is that of the widest "name 0000" over the twelve names.
std::string PickerWidthText(const std::string& monthName);
// A row's text: "name year".
std::string PickerRowText(const std::string& monthName, int nYear);

// Odd, so that the centre month has a middle row, and at least 3.
bool IsAcceptedRowCount(int nRows);

// Row 0 is the centre month moved back nRows / 2 months; rows run on a month each.
CalendarMonth PickerRowMonth(CalendarMonth centre, int nRows, int nRow);

// The row rectangle in picker client coordinates: (10, y) - (10 + alphabet width, y + h), y = row x h.
CalendarRect PickerRowRect(int nRow, int nAlphabetWidth, int nAlphabetHeight);
// The highlight fill of a row, across the whole client width.
CalendarRect PickerRowFill(int nRow, int nClientWidth, int nAlphabetHeight);

// Only the pointer's height counts: level with the row, or above the list for the first row and
// below it for the last, so a release anywhere picks a month.
bool IsRowUnderCursor(int nRow, int nRows, int nRowTop, int nRowBottom, int y, int nClientHeight);

// The picker's screen rectangle, centred on the pressed point so that the middle row lies under
// the pointer: half width (W + 20) / 2, half height (rows x h + 3) / 2.
CalendarRect PlacePicker(CalendarPoint ptPressed, int nWidestText, int nAlphabetHeight, int nRows);

// The centre month and the auto-scroll accumulators. The 30 ms timer and mouse moves both call
// TrackY; ten counts (five at double speed) move the list, so it crawls near the edge and runs
// farther out.
struct MonthPickerScroll
{
    CalendarMonth m_centre;
    int m_nEarlier = 0;
    int m_nLater = 0;

    // Same rule as ShowMonth: month and year taken independently when in range.
    void SetCentre(int nMonth, int nYear);

    // y and the picker's client top and bottom in screen coordinates.
    void TrackY(int y, int nScreenTop, int nScreenBottom);

    // n counts towards earlier months; each tenth count moves n months, none from a centre year 100.
    void ScrollEarlier(int n);
    // The mirror towards later months, none from a centre year 9999.
    void ScrollLater(int n);
};
