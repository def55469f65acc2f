// What the calendar tests share: a date's rectangles in the last paint, and today's frame.
#pragma once

#include "calendar/CCalendarCtrl.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

constexpr COLORREF kTodayFrame = RGB(132, 0, 0);

inline int CellOf(const CCalendarCtrl& calendar, const CalendarDate& date)
{
    const CalendarGridDates& dates = calendar.MonthBlock().m_dates;
    for (int i = 0; i < kGridCells; ++i)
        if (dates[i] == date)
            return i;
    return -1;
}

inline RECT Fill(const CCalendarCtrl& calendar, const CalendarDate& date)
{
    const CalendarRect rc = CellFillRect(calendar.MonthBlock().m_geometry, CellOf(calendar, date));
    return {rc.left, rc.top, rc.right, rc.bottom};
}

inline RECT Text(const CCalendarCtrl& calendar, const CalendarDate& date)
{
    const CalendarRect rc = CellTextRect(calendar.MonthBlock().m_geometry, CellOf(calendar, date));
    return {rc.left, rc.top, rc.right, rc.bottom};
}

template <typename Rect> POINT Centre(const Rect& rc)
{
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// Today's frame: top row and sides whole; the bottom row is the next week's, drawn over by its numbers.
inline void ExpectFramed(const CWindowPicture& picture, const RECT& rc)
{
    EXPECT_EQ(rc.right - rc.left, picture.Count(kTodayFrame, {rc.left, rc.top, rc.right, rc.top + 1}));
    const int nSides = picture.Count(kTodayFrame, {rc.left, rc.top, rc.left + 1, rc.bottom}) +
                       picture.Count(kTodayFrame, {rc.right - 1, rc.top, rc.right, rc.bottom});
    EXPECT_EQ(2 * (rc.bottom - rc.top), nSides);
    EXPECT_GT(picture.Count(kTodayFrame, {rc.left, rc.bottom - 1, rc.right, rc.bottom}), (rc.right - rc.left) / 2);
}
