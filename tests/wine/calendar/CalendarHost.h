// What the calendar tests share: a date's cell and its rectangles in the last paint, the
// control's picture, and a visible pop-up holding one calendar control as the calendar window
// holds it, recording the notifications it sends. Today is fixed through the clock seam.
#pragma once

#include "calendar/CCalendarCtrl.h"
#include "framework/WndClass.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

#include <vector>

constexpr UINT kCalendarId = 32999;
constexpr COLORREF kTodayFrame = RGB(132, 0, 0);

// The cell showing the date, or -1.
inline int CellOf(const CCalendarCtrl& calendar, const CalendarDate& date)
{
    const CalendarGridDates& dates = calendar.MonthBlock().m_dates;
    for (int i = 0; i < kGridCells; ++i)
        if (dates[i] == date)
            return i;
    return -1;
}

inline CalendarRect Fill(const CCalendarCtrl& calendar, const CalendarDate& date)
{
    return CellFillRect(calendar.MonthBlock().m_geometry, CellOf(calendar, date));
}

inline CalendarRect Text(const CCalendarCtrl& calendar, const CalendarDate& date)
{
    return CellTextRect(calendar.MonthBlock().m_geometry, CellOf(calendar, date));
}

inline POINT Centre(const CalendarRect& rc)
{
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

struct Picture : CWindowPicture
{
    // bFromScreen: what the window shows now, rather than a fresh WM_PRINTCLIENT picture.
    explicit Picture(HWND hWnd, bool bFromScreen = false)
        : CWindowPicture(hWnd, bFromScreen ? PictureSource::ClientNow : PictureSource::PrintClient)
    {
    }
    int Count(COLORREF cr, const CalendarRect& rc) const
    {
        return CWindowPicture::Count(cr, RECT{rc.left, rc.top, rc.right, rc.bottom});
    }
    // Today's frame: the top row and both sides whole. The bottom row is the next week's top
    // row, which its day numbers may draw over.
    void ExpectFramed(const CalendarRect& rc) const
    {
        EXPECT_EQ(rc.right - rc.left, Count(kTodayFrame, {rc.left, rc.top, rc.right, rc.top + 1}));
        EXPECT_EQ(2 * (rc.bottom - rc.top), Count(kTodayFrame, {rc.left, rc.top, rc.left + 1, rc.bottom}) +
                                                Count(kTodayFrame, {rc.right - 1, rc.top, rc.right, rc.bottom}));
        EXPECT_GT(Count(kTodayFrame, {rc.left, rc.bottom - 1, rc.right, rc.bottom}), (rc.right - rc.left) / 2);
    }
};

class CNotifyRecorder : public CWnd
{
public:
    std::vector<UINT> m_codes; // of every WM_NOTIFY whose ids are the calendar's

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        if (uMsg == WM_NOTIFY && wParam == kCalendarId && pHeader->idFrom == kCalendarId)
            m_codes.push_back(pHeader->code);
        return CWnd::WindowProc(uMsg, wParam, lParam);
    }
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
        m_calendar.SetBackgroundColour(kBackground);
        ASSERT_TRUE(m_calendar.Create(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, m_host, kCalendarId));
        m_calendar.ResizeToFit();
        const RECT rc = m_calendar.GetWindowRect();
        ::SetWindowPos(m_host, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
        ::UpdateWindow(m_calendar);
    }

    const CalendarGeometry& Geometry() const { return m_calendar.MonthBlock().m_geometry; }
    POINT CellCentre(const CalendarDate& date) const
    {
        return Centre(CellHitRect(Geometry(), CellOf(m_calendar, date)));
    }

    static constexpr COLORREF kDate = RGB(0, 0, 160);
    static constexpr COLORREF kBackground = RGB(250, 250, 210);

    // Wednesday 16 December 2026. December begins on a Tuesday and ends on a Thursday, so the
    // Sunday-first grid shows 29 and 30 November and 1 to 9 January.
    CFakeClock m_clock{LocalTime(2026, 12, 16, 10, 0, 0)};
    CNotifyRecorder m_host;
    CCalendarCtrl m_calendar;
};
