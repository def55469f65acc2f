// The calendar window as the hot key opens it, on the real main dialog and panel.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "calendar/CCalendarWnd.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/calendar/CalendarHost.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/WindowPicture.h"
#include "tests/wine/support/ThreadWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

class CalendarWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().HOTKEY = static_cast<int>(VK_F17 << 16);
        TheSettings().DRAW_SEC = 1;
        TheSettings().FONT_NAME = "ＭＳ Ｐゴシック";
        TheSettings().RGB_ON = RGB(0, 0, 96);
        m_app.m_pMainWnd = &m_dlg;
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // The hot key's road: the panel without a task, and the calendar with it.
    void Open(const std::string& strHolidays = TEMPIVA_TEST_DATA "Holiday.ini")
    {
        const std::string strTimeTable = m_folder.PathOf("TimeTable.ini");
        ASSERT_TRUE(::CopyFileA(TEMPIVA_TEST_DATA "Reserves.ini", strTimeTable.c_str(), FALSE));
        ASSERT_TRUE(::CopyFileA(strHolidays.c_str(), m_folder.PathOf("Holiday.ini").c_str(), FALSE));
        ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
        ASSERT_TRUE(m_dlg.ShowClockPanel(nullptr));
        ASSERT_EQ(1u, ThreadWindowsOf<CCalendarWnd>().size());
        m_pWnd = ThreadWindowsOf<CCalendarWnd>()[0];
    }

    CCalendarCtrl& Calendar() const { return m_pWnd->m_calendar; }
    RECT Text(const CalendarDate& date) const { return ::Text(Calendar(), date); }
    RECT Fill(const CalendarDate& date) const { return ::Fill(Calendar(), date); }

    CFakeClock m_clock{LocalTime(2026, 12, 16, 10, 0, 0)};
    CWinApp m_app;
    CScratchFolder m_folder;
    CMainDlg m_dlg{m_folder.Path()};
    CCalendarWnd* m_pWnd = nullptr;
};

} // namespace

TEST_F(CalendarWindow, ShowsTodaysMonthWithTodaySelectedAndEveryDateInItsColour)
{
    Open();
    const AppSettings& settings = TheSettings();
    const CWindowPicture picture(Calendar().m_hWnd, PictureSource::PrintClient);
    picture.Save("calendar-window.png");
    EXPECT_EQ((CalendarMonth{12, 2026}), Calendar().DisplayedMonth());
    ASSERT_EQ(0, CellOf(Calendar(), {2026, 11, 29}));

    const CalendarDate today{2026, 12, 16};
    ExpectFramed(picture, Fill(today));
    EXPECT_EQ(settings.RGB_ON, picture.At(Fill(today).left + 1, Fill(today).top + 1)) << "selected: inverted";
    const CalendarGeometry& g = Calendar().MonthBlock().m_geometry;
    EXPECT_EQ(settings.RGB_OFF, picture.At(g.m_rcTitleHit.left + 2, g.m_rcTitleBand.bottom - 3)) << "the title band";
    EXPECT_EQ(settings.RGB_BACK, picture.At(g.m_rcTitleBand.right, g.m_rcTitleBand.top + 2)) << "it ends short";
    EXPECT_GT(picture.Count(settings.RGB_ON, {g.m_rcGrid.left, g.m_nWeekdayTop, g.m_rcGrid.right, g.m_nGridTop}), 0)
        << "the weekday titles";

    const std::tuple<CalendarDate, COLORREF, const char*> expected[] = {
        {{2026, 12, 15}, settings.RGB_ON, "a plain weekday"},
        {{2026, 12, 12}, settings.RGB_SATURDAY, "a Saturday"},
        {{2026, 12, 13}, settings.RGB_SUNDAY, "a Sunday"},
        {{2026, 12, 3}, RGB(0, 192, 0), "a holiday: the first matching entry"},
        {{2026, 12, 24}, settings.RGB_SUNDAY, "a holiday without a colour of its own"},
        {{2026, 12, 27}, RGB(255, 128, 0), "a holiday on a Sunday"},
        {today, RGB(0, 160, 255), "a holiday selected: the mark's colour"},
        {{2026, 11, 30}, settings.RGB_OFF, "a weekday of the month before"},
        {{2027, 1, 4}, settings.RGB_OFF, "a weekday of the month after"},
        {{2027, 1, 9}, settings.RGB_SATURDAY, "a Saturday of the month after keeps its mark"},
    };
    for (const auto& [date, crText, pszWhy] : expected)
        EXPECT_GT(picture.Count(crText, Text(date)), 3) << pszWhy;
    EXPECT_EQ(0, picture.Count(RGB(192, 0, 192), Text({2026, 12, 3}))) << "the second match";

    // Fitted around its calendar, standing on the panel's top edge, flush with its right edge.
    const RECT rcPanel = m_dlg.Panel()->GetWindowRect();
    const RECT rcWnd = m_pWnd->GetWindowRect();
    EXPECT_EQ(rcPanel.top, rcWnd.bottom);
    EXPECT_EQ(rcPanel.right, rcWnd.right);
    const SIZE size = Calendar().MeasureTotal();
    EXPECT_EQ(size.cx, m_pWnd->GetClientRect().right);
    EXPECT_EQ(size.cy, m_pWnd->GetClientRect().bottom);
}

// The time change goes to top-level windows only: the window passes it on to its calendar.
TEST_F(CalendarWindow, InATopCornerItLiesBelowThePanelAndATimeChangeMovesTodaysFrameAtOnce)
{
    TheSettings().DISP_POS = 1;
    Open();
    const RECT rcPanel = m_dlg.Panel()->GetWindowRect();
    const RECT rcWnd = m_pWnd->GetWindowRect();
    EXPECT_EQ(rcPanel.bottom, rcWnd.top);
    EXPECT_EQ(rcPanel.right, rcWnd.right);
    RECT rcWork{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_LE(rcWnd.bottom, rcWork.bottom);

    ExpectFramed(CWindowPicture(Calendar().m_hWnd, PictureSource::ClientNow), Fill({2026, 12, 16}));
    m_clock.m_stLocal = LocalTime(2026, 12, 17, 0, 0, 1);
    ::SendMessageA(m_pWnd->m_hWnd, WM_TIMECHANGE, 0, 0);
    const CWindowPicture screen(Calendar().m_hWnd, PictureSource::ClientNow);
    ExpectFramed(screen, Fill({2026, 12, 17}));
    EXPECT_EQ(TheSettings().RGB_BACK, screen.At(Fill({2026, 12, 17}).left + 1, Fill({2026, 12, 17}).top + 1))
        << "a frame, not a fill";
    EXPECT_EQ(0, screen.Count(kTodayFrame, Fill({2026, 12, 15})));
}

// The README's picture: November 2026 with the shipped Holiday.ini (3 and 23 November).
TEST_F(CalendarWindow, PictureOfAMonthWithHolidaysFromTheShippedFile)
{
    m_clock.m_stLocal = LocalTime(2026, 11, 18, 9, 41, 27);
    Open(TEMPIVA_SHIPPED_HOLIDAYS);
    const CWindowPicture picture(Calendar().m_hWnd, PictureSource::PrintClient);
    EXPECT_GT(picture.Count(RGB(255, 0, 0), Text({2026, 11, 23})), 3) << "Labour Thanksgiving Day in its colour";

    PumpMessages(800, [] { return HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0; }); // what is left to paint
    RECT rcAll = m_dlg.Panel()->GetWindowRect();
    const RECT rcWnd = m_pWnd->GetWindowRect();
    rcAll.top = rcWnd.top;
    rcAll.left = std::min(rcAll.left, rcWnd.left);
    EXPECT_FALSE(Screenshot(rcAll, "panel-calendar.png").empty());
}
