// The calendar control driven by mouse messages. The picker reads the pointer from the last
// retrieved message: its tests put the pointer there and post through a loop like the program's.
#include "calendar/CMonthPickerWnd.h"
#include "framework/CWinApp.h"
#include "framework/WndClass.h"
#include "tests/wine/calendar/CalendarHost.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr UINT kCalendarId = 32999;

class CNotifyRecorder : public CWnd
{
public:
    std::vector<UINT> m_codes; // of every WM_NOTIFY whose ids are the calendar's
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        if (uMsg == WM_NOTIFY && wParam == kCalendarId && pHeader->idFrom == kCalendarId)
            m_codes.push_back(pHeader->code);
        return CWnd::WindowProc(uMsg, wParam, lParam);
    }
};

class CalendarCtrl : public ::testing::Test
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

    void Send(UINT uMsg, POINT pt, WPARAM wKeys = MK_LBUTTON)
    {
        m_calendar.SendMessage(uMsg, wKeys, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
    }
    void Click(POINT pt)
    {
        Send(WM_LBUTTONDOWN, pt);
        Send(WM_LBUTTONUP, pt, 0);
    }
    void Post(UINT uMsg, POINT pt, WPARAM wKeys = MK_LBUTTON)
    {
        POINT ptScreen = pt;
        ::ClientToScreen(m_calendar, &ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        m_calendar.PostMessage(uMsg, wKeys, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
        for (const ULONGLONG nEnd = ::GetTickCount64() + 150; ::GetTickCount64() < nEnd; ::Sleep(5))
            for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
                if (!m_app.PreTranslateMessage(&msg))
                {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
    }

    static constexpr COLORREF kDate = RGB(0, 0, 160);
    static constexpr COLORREF kBackground = RGB(250, 250, 210);

    // Wednesday; the Sunday-first grid shows 29 and 30 November and 1 to 9 January.
    CFakeClock m_clock{LocalTime(2026, 12, 16, 10, 0, 0)};
    CNotifyRecorder m_host;
    CCalendarCtrl m_calendar;
    CWinApp m_app;
};

} // namespace

TEST_F(CalendarCtrl, AFailingMarkLookupLeavesItsDateUnmarkedAndNothingSelectedIsFilled)
{
    const CalendarDate throws{2026, 12, 19};
    m_calendar.SetMarkCallback([](CCalendarCtrl*, const CalendarDate&) -> int {
        throw std::runtime_error("holiday list unavailable");
    });
    m_calendar.SelectDate(CalendarDate{});
    const CWindowPicture picture(m_calendar, PictureSource::PrintClient);
    const RECT rcToday = Fill(m_calendar, {2026, 12, 16});
    ExpectFramed(picture, rcToday);
    EXPECT_GT(picture.Count(kDate, Text(m_calendar, throws)), 0);
    EXPECT_EQ(0, picture.Count(kDate, Fill(m_calendar, throws)) - picture.Count(kDate, Text(m_calendar, throws)));
    EXPECT_EQ(kBackground, picture.At(rcToday.left + 1, rcToday.top + 1));
}

TEST_F(CalendarCtrl, ArrowsPageOnThePressAndOnEveryMoveOverThem)
{
    m_calendar.ShowMonth(1, 2027);
    ::UpdateWindow(m_calendar);
    const POINT ptBack = Centre(Geometry().m_back.m_rcHit);
    const POINT ptForward = Centre(Geometry().m_forward.m_rcHit);

    Click(ptBack);
    EXPECT_EQ((CalendarMonth{12, 2026}), m_calendar.DisplayedMonth()) << "January back to December";
    EXPECT_EQ(2, CellOf(m_calendar, {2026, 12, 1})) << "the grid follows at once";
    Click(ptForward);
    Click(ptForward);
    EXPECT_EQ((CalendarMonth{2, 2027}), m_calendar.DisplayedMonth());

    Send(WM_LBUTTONDOWN, ptBack);
    Send(WM_MOUSEMOVE, ptBack);
    Send(WM_MOUSEMOVE, {ptBack.x, ptBack.y + 1});
    Send(WM_MOUSEMOVE, Centre(Geometry().m_rcTitleHit)); // off the arrow: no page
    Send(WM_LBUTTONUP, ptBack, 0);
    Send(WM_MOUSEMOVE, ptBack, 0);
    EXPECT_EQ((CalendarMonth{11, 2026}), m_calendar.DisplayedMonth()) << "the press and two moves";
    EXPECT_TRUE(m_host.m_codes.empty()) << "paging is no click on a date";
}

TEST_F(CalendarCtrl, PressAndDragMoveOneSelectedDateTheReleaseNotifiesOnceAndADoubleClickTwice)
{
    Send(WM_LBUTTONDOWN, CellCentre({2026, 12, 10}));
    EXPECT_EQ(m_calendar.m_hWnd, ::GetCapture());
    Send(WM_MOUSEMOVE, CellCentre({2026, 12, 11}));
    Send(WM_MOUSEMOVE, CellCentre({2027, 1, 2}));
    EXPECT_TRUE(m_host.m_codes.empty()) << "nothing until the release";
    const RECT rcClient = m_calendar.GetClientRect();
    Send(WM_MOUSEMOVE, {rcClient.right - 2, rcClient.bottom - 2}); // off the grid: the last date stays
    Send(WM_MOUSEMOVE, {-40, 30});
    Send(WM_LBUTTONUP, {-40, 30}, 0);
    EXPECT_EQ((CalendarDate{2027, 1, 2}), m_calendar.Selection().m_dtStart);
    EXPECT_EQ((CalendarDate{2027, 1, 2}), m_calendar.Selection().m_dtEnd);
    EXPECT_EQ(std::vector<UINT>{NM_CLICK}, m_host.m_codes);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ((CalendarMonth{12, 2026}), m_calendar.DisplayedMonth()) << "a neighbour's date does not page";

    ASSERT_NE(0u, ::GetClassLongPtrA(m_calendar, GCL_STYLE) & CS_DBLCLKS);
    m_host.m_codes.clear();
    const POINT pt = CellCentre({2026, 12, 22});
    Click(pt);
    Send(WM_LBUTTONDBLCLK, pt);
    Send(WM_LBUTTONUP, pt, 0);
    Send(WM_LBUTTONDBLCLK, Centre(Geometry().m_back.m_rcHit));
    EXPECT_EQ((std::vector<UINT>{NM_CLICK, NM_DBLCLK}), m_host.m_codes) << "none for the arrow";
    EXPECT_EQ((CalendarDate{2026, 12, 22}), m_calendar.Selection().m_dtStart);
    EXPECT_EQ(nullptr, ::GetCapture()) << "a double click captures nothing";
}

TEST_F(CalendarCtrl, ThePickerOpensCentredScrollsOnTicksAboveItAndTheReleasePicksTheRowLevelWithThePointer)
{
    m_calendar.ShowMonth(1, 2027);
    ::UpdateWindow(m_calendar);
    const POINT ptTitle = Centre(Geometry().m_rcTitleHit);
    Post(WM_LBUTTONDOWN, ptTitle);

    ASSERT_TRUE(m_calendar.IsPickerOpen());
    CMonthPickerWnd* pPicker = m_calendar.Picker();
    ASSERT_NE(nullptr, pPicker);
    ASSERT_TRUE(::IsWindowVisible(*pPicker));
    EXPECT_EQ(m_calendar.m_hWnd, ::GetCapture());
    const RECT rcPicker = pPicker->GetWindowRect();
    POINT ptCentre = Centre(rcPicker);
    ::ScreenToClient(m_calendar, &ptCentre);
    EXPECT_EQ(ptTitle.x, ptCentre.x);
    EXPECT_EQ(ptTitle.y, ptCentre.y);
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->CentreMonth());
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->HighlightedMonth()) << "the middle row is under the pointer";

    // Left of the list, level with its third row: October, November, December 2026, ...
    const int nRowHeight = pPicker->RowHeight();
    POINT ptClientTop{0, 0};
    ::ClientToScreen(*pPicker, &ptClientTop);
    POINT ptThirdRow{rcPicker.left - 30, ptClientTop.y + 2 * nRowHeight + nRowHeight / 2};
    ::ScreenToClient(m_calendar, &ptThirdRow);
    Post(WM_MOUSEMOVE, ptThirdRow);
    EXPECT_EQ((CalendarMonth{12, 2026}), pPicker->HighlightedMonth());
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->CentreMonth()) << "level with the list: no scrolling";
    // On the screen: the third row white on black, the rest black on white.
    const CWindowPicture shot(*pPicker, PictureSource::ScreenNow);
    shot.Save("calendar-picker.png");
    const int x = ptClientTop.x - rcPicker.left + 2;
    const int y = ptClientTop.y - rcPicker.top + 1;
    EXPECT_EQ(RGB(0, 0, 0), shot.At(x, y + 2 * nRowHeight));
    EXPECT_EQ(RGB(255, 255, 255), shot.At(x, y + 3 * nRowHeight));
    EXPECT_EQ(RGB(255, 255, 255), shot.At(x, y + nRowHeight));

    // The ticks of the calendar's timer as its loop hands them over, 10 pixels above the list.
    MSG tick{m_calendar, WM_TIMER, 1001, 0, 0, {ptClientTop.x, ptClientTop.y - 10}};
    for (int i = 0; i < 9; ++i)
        m_app.PreTranslateMessage(&tick);
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->CentreMonth());
    m_app.PreTranslateMessage(&tick);
    EXPECT_EQ((CalendarMonth{12, 2026}), pPicker->CentreMonth()) << "the tenth tick";
    const HWND hPicker = *pPicker;
    Post(WM_LBUTTONUP, ptThirdRow, 0);

    EXPECT_FALSE(m_calendar.IsPickerOpen());
    EXPECT_EQ(nullptr, m_calendar.Picker());
    EXPECT_FALSE(::IsWindow(hPicker));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ((CalendarMonth{11, 2026}), m_calendar.DisplayedMonth());
    EXPECT_TRUE(m_host.m_codes.empty());

    Send(WM_LBUTTONDOWN, ptTitle);
    const HWND hReopened = *m_calendar.Picker();
    m_calendar.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hReopened)) << "the picker goes with the calendar";
    EXPECT_FALSE(m_calendar.IsPickerOpen());
}
