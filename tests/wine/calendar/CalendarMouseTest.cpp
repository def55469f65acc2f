// The calendar driven by mouse messages at points of its drawn block: paging with the arrows,
// selecting by press and drag with the notifications its parent gets, double clicks, and the
// month picker opened on the title. The picker reads where the pointer is from the position of
// the last retrieved message, so those tests put the pointer there with SetCursorPos and post
// the button messages through a message loop like the program's, pre-translation included.
#include "calendar/CMonthPickerWnd.h"
#include "framework/CWinApp.h"
#include "tests/wine/calendar/CalendarHost.h"
#include "tests/wine/support/Screenshot.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

LPARAM ClientPoint(POINT pt)
{
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

class CalendarMouse : public CalendarHost
{
protected:
    void Send(UINT uMsg, POINT pt, WPARAM wKeys = MK_LBUTTON)
    {
        m_calendar.SendMessage(uMsg, wKeys, ClientPoint(pt));
    }
    void Click(POINT pt)
    {
        Send(WM_LBUTTONDOWN, pt);
        Send(WM_LBUTTONUP, pt, 0);
    }

    // The pointer moves to pt (client coordinates of the calendar), then the message arrives
    // through the queue, as the system would deliver it.
    void Post(UINT uMsg, POINT pt, WPARAM wKeys = MK_LBUTTON)
    {
        POINT ptScreen = pt;
        ::ClientToScreen(m_calendar, &ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        m_calendar.PostMessage(uMsg, wKeys, ClientPoint(pt));
        Pump(150);
    }
    // The program's loop for a while: pre-translation, then dispatch.
    void Pump(DWORD nMs)
    {
        const ULONGLONG nEnd = ::GetTickCount64() + nMs;
        do
        {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                if (!m_app.PreTranslateMessage(&msg))
                {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
            }
            ::Sleep(5);
        } while (::GetTickCount64() < nEnd);
    }
    POINT ToClient(POINT ptScreen) const
    {
        ::ScreenToClient(m_calendar, &ptScreen);
        return ptScreen;
    }
    const CalendarGeometry& Geometry() const { return m_calendar.MonthBlock().m_geometry; }

    CWinApp m_app;
};

} // namespace

TEST_F(CalendarMouse, ArrowsPageOnThePressAndOnEveryMoveOverThem)
{
    m_calendar.ShowMonth(1, 2027);
    ::UpdateWindow(m_calendar);
    const POINT ptBack = Centre(Geometry().m_back.m_rcHit);
    const POINT ptForward = Centre(Geometry().m_forward.m_rcHit);

    Click(ptBack);
    EXPECT_EQ((CalendarMonth{12, 2026}), m_calendar.DisplayedMonth()) << "January back to December";
    EXPECT_EQ(2, CellOf(CalendarDate{2026, 12, 1})) << "the grid follows at once";
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

TEST_F(CalendarMouse, PressAndDragMoveOneSelectedDateAndTheReleaseNotifiesOnce)
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

    const CalendarDate expected{2027, 1, 2};
    EXPECT_EQ(expected, m_calendar.Selection().m_dtStart);
    EXPECT_EQ(expected, m_calendar.Selection().m_dtEnd);
    EXPECT_EQ(std::vector<UINT>{NM_CLICK}, m_host.m_codes);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ((CalendarMonth{12, 2026}), m_calendar.DisplayedMonth()) << "a neighbour's date does not page";
}

TEST_F(CalendarMouse, ADoubleClickOnADateGivesClickThenDoubleClick)
{
    ASSERT_NE(0u, ::GetClassLongPtrA(m_calendar, GCL_STYLE) & CS_DBLCLKS) << "the second press comes as a double click";
    const POINT pt = CellCentre({2026, 12, 22});
    Click(pt);
    Send(WM_LBUTTONDBLCLK, pt);
    Send(WM_LBUTTONUP, pt, 0);
    EXPECT_EQ((std::vector<UINT>{NM_CLICK, NM_DBLCLK}), m_host.m_codes);
    EXPECT_EQ((CalendarDate{2026, 12, 22}), m_calendar.Selection().m_dtStart);
    EXPECT_EQ(nullptr, ::GetCapture()) << "a double click captures nothing";

    m_host.m_codes.clear();
    Send(WM_LBUTTONDBLCLK, Centre(Geometry().m_back.m_rcHit));
    EXPECT_TRUE(m_host.m_codes.empty());
}

TEST_F(CalendarMouse, ThePickerOpensCentredOnThePressAndTheReleasePicksTheRowLevelWithThePointer)
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
    const POINT ptCentre = ToClient({(rcPicker.left + rcPicker.right) / 2, (rcPicker.top + rcPicker.bottom) / 2});
    EXPECT_EQ(ptTitle.x, ptCentre.x);
    EXPECT_EQ(ptTitle.y, ptCentre.y);
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->CentreMonth());
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->HighlightedMonth()) << "the middle row is under the pointer";

    // Left of the list, level with its third row: October, November, December 2026, ...
    const int nRowHeight = pPicker->RowHeight();
    POINT ptClientTop{0, 0};
    ::ClientToScreen(*pPicker, &ptClientTop);
    const POINT ptThirdRow = ToClient({rcPicker.left - 30, ptClientTop.y + 2 * nRowHeight + nRowHeight / 2});
    Post(WM_MOUSEMOVE, ptThirdRow);
    EXPECT_EQ((CalendarMonth{12, 2026}), pPicker->HighlightedMonth());
    EXPECT_EQ((CalendarMonth{1, 2027}), pPicker->CentreMonth()) << "level with the list: no scrolling";
    // On the screen: the third row white on black, the rest black on white.
    const RECT rcHost = m_host.GetWindowRect();
    const RECT rcShot{std::min(rcHost.left, rcPicker.left), std::min(rcHost.top, rcPicker.top),
                      std::max(rcHost.right, rcPicker.right), std::max(rcHost.bottom, rcPicker.bottom)};
    const std::vector<std::uint32_t> shot = Screenshot(rcShot, "calendar-picker.png");
    auto screenAt = [&](int x, int y) {
        return shot[static_cast<size_t>(y - rcShot.top) * (rcShot.right - rcShot.left) + (x - rcShot.left)];
    };
    EXPECT_EQ(0x000000u, screenAt(ptClientTop.x + 2, ptClientTop.y + 2 * nRowHeight + 1));
    EXPECT_EQ(0xFFFFFFu, screenAt(ptClientTop.x + 2, ptClientTop.y + 3 * nRowHeight + 1));
    EXPECT_EQ(0xFFFFFFu, screenAt(ptClientTop.x + 2, ptClientTop.y + nRowHeight + 1));
    const HWND hPicker = *pPicker;
    Post(WM_LBUTTONUP, ptThirdRow, 0);

    EXPECT_FALSE(m_calendar.IsPickerOpen());
    EXPECT_EQ(nullptr, m_calendar.Picker());
    EXPECT_FALSE(::IsWindow(hPicker));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ((CalendarMonth{12, 2026}), m_calendar.DisplayedMonth());
    EXPECT_TRUE(m_host.m_codes.empty());
}

TEST_F(CalendarMouse, ThePointerHeldAboveThePickerScrollsItEarlierOnTheTicks)
{
    m_calendar.ShowMonth(6, 2026);
    ::UpdateWindow(m_calendar);
    // Nothing is pumped here: only the ticks below reach the picker.
    Send(WM_LBUTTONDOWN, Centre(Geometry().m_rcTitleHit));
    ASSERT_NE(nullptr, m_calendar.Picker());
    CMonthPickerWnd& picker = *m_calendar.Picker();
    POINT ptClientTop{0, 0};
    ::ClientToScreen(picker, &ptClientTop);

    // The ticks of the calendar's timer as its loop hands them over.
    auto tick = [&](int nAbove) {
        MSG msg{};
        msg.hwnd = m_calendar;
        msg.message = WM_TIMER;
        msg.wParam = 1001;
        msg.pt = {ptClientTop.x, ptClientTop.y - nAbove};
        m_app.PreTranslateMessage(&msg);
    };
    for (int i = 0; i < 9; ++i)
        tick(10);
    EXPECT_EQ((CalendarMonth{6, 2026}), picker.CentreMonth());
    tick(10);
    EXPECT_EQ((CalendarMonth{5, 2026}), picker.CentreMonth()) << "the tenth tick 10 pixels out";
    for (int i = 0; i < 5; ++i)
        tick(20);
    EXPECT_EQ((CalendarMonth{3, 2026}), picker.CentreMonth()) << "five ticks 20 pixels out: two months";

    const HWND hPicker = picker;
    m_calendar.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hPicker)) << "the picker goes with the calendar";
    EXPECT_FALSE(m_calendar.IsPickerOpen());
}
