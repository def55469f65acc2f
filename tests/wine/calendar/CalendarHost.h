// A visible pop-up holding one calendar control as a child, as the calendar window holds it,
// recording the notifications the calendar sends it. Today is fixed through the clock seam.
#pragma once

#include "calendar/CCalendarCtrl.h"
#include "framework/WndClass.h"
#include "tests/wine/support/FakeClock.h"

#include <gtest/gtest.h>

#include <vector>

constexpr UINT kCalendarId = 32999;

class CNotifyRecorder : public CWnd
{
public:
    // The code of every WM_NOTIFY whose ids are the calendar's.
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    std::vector<UINT> m_codes;
    DECLARE_MSG_MAP()
};

class CalendarHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 200,
                                    150, 300, 300, nullptr, nullptr));
        m_calendar.SetWeekStart(1);
        m_calendar.SetDateFont("Tahoma", 10, TRUE, FALSE, FALSE, kDate);
        m_calendar.SetMarkedDateFont("Tahoma", 10, TRUE, FALSE, FALSE, kDate);
        m_calendar.SetBackgroundColour(kBackground);
        m_calendar.SetOtherMonthColour(kOtherMonth);
        ASSERT_TRUE(m_calendar.Create(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, m_host, kCalendarId));
        m_calendar.ResizeToFit();
        const RECT rc = m_calendar.GetWindowRect();
        ::SetWindowPos(m_host, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
        ::UpdateWindow(m_calendar);
    }

    // The middle of a rectangle of the drawn block, in client coordinates.
    static POINT Centre(const CalendarRect& rc) { return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }
    // The cell showing the date in the last paint, or -1.
    int CellOf(const CalendarDate& date) const
    {
        const CalendarGridDates& dates = m_calendar.MonthBlock().m_dates;
        for (int i = 0; i < kGridCells; ++i)
            if (dates[i] == date)
                return i;
        return -1;
    }
    POINT CellCentre(const CalendarDate& date) const
    {
        return Centre(CellHitRect(m_calendar.MonthBlock().m_geometry, CellOf(date)));
    }

    static constexpr COLORREF kDate = RGB(0, 0, 160);
    static constexpr COLORREF kBackground = RGB(250, 250, 210);
    static constexpr COLORREF kOtherMonth = RGB(150, 150, 150);

    // Wednesday 16 December 2026. December begins on a Tuesday and ends on a Thursday, so the
    // Sunday-first grid shows 29 and 30 November and 1 to 9 January.
    CFakeClock m_clock{LocalTime(2026, 12, 16, 10, 0, 0)};
    CNotifyRecorder m_host;
    CCalendarCtrl m_calendar;
};
