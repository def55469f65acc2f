// The calendar end to end: the hot key opens it above the panel, and the pointer resting on
// it keeps both open past the auto-hide test.
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr DWORD kWaitMs = 10000;
constexpr DWORD kAutoHideMs = 10000;
const char* const kPastTask = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";

class Calendar : public ::testing::Test
{
protected:
    // Opens the panel with the hot key; the panel and the calendar window, once both are up.
    void OpenWithHotKey(const std::string& strSettings = "")
    {
        m_folder.Write("TimeTable.ini", std::string("[TIMETABLE_RESERVE]\r\n") + kPastTask + kPastTask +
                                            "[TIMETABLE]\r\n");
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F18 << 16) + "\r\n" + strSettings);
        ASSERT_TRUE(m_program.Start());
        m_hMain = m_program.WaitForMainDialog(kWaitMs);
        ASSERT_NE(nullptr, m_hMain);
        ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
        ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 2; }, kWaitMs));
        m_hPanel = FindPanel(m_program);
        ASSERT_NE(nullptr, m_hPanel);
        for (HWND hWnd : ToolWindows(m_program))
            if (hWnd != m_hPanel)
                m_hCalendar = hWnd;
    }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
    HWND m_hPanel = nullptr;
    HWND m_hCalendar = nullptr;
};

} // namespace

TEST_F(Calendar, TheHotKeyOpensItStandingOnThePanel)
{
    ::SetCursorPos(0, 0);
    OpenWithHotKey();
    const RECT rcPanel = WindowRect(m_hPanel);
    const RECT rcCalendar = WindowRect(m_hCalendar);
    EXPECT_EQ(rcPanel.top, rcCalendar.bottom);
    EXPECT_EQ(rcPanel.right, rcCalendar.right);
    EXPECT_GT(rcCalendar.bottom - rcCalendar.top, 100) << "a month's grid";
    ::Sleep(1000); // the entrance animations
    RECT rcAll = rcPanel;
    rcAll.top = rcCalendar.top;
    rcAll.left = std::min(rcPanel.left, rcCalendar.left);
    const std::vector<std::uint32_t> pixels = Screenshot(rcAll, "calendar-today.png");
    // Today is selected and framed in dark red: a frame of a cell's size is on the screen.
    const auto nFramePixels = std::count(pixels.begin(), pixels.end(), 0x840000u);
    EXPECT_GT(nFramePixels, 40);
    EXPECT_LT(nFramePixels, 200) << "one framed date";

    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(m_hPanel) && !::IsWindow(m_hCalendar); }, kWaitMs))
        << "the second hot key closes both";
}

TEST_F(Calendar, InATopCornerItHangsBelowThePanelOnTheScreen)
{
    ::SetCursorPos(0, 0);
    OpenWithHotKey("DISP_POS=1\r\n");
    const RECT rcPanel = WindowRect(m_hPanel);
    const RECT rcCalendar = WindowRect(m_hCalendar);
    EXPECT_EQ(rcPanel.bottom, rcCalendar.top);
    EXPECT_EQ(rcPanel.right, rcCalendar.right);
    RECT rcWork{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    RECT rcInside{};
    ::IntersectRect(&rcInside, &rcCalendar, &rcWork);
    EXPECT_TRUE(::EqualRect(&rcInside, &rcCalendar)) << "wholly inside the work area";
}

TEST_F(Calendar, ThePointerRestingOnItKeepsBothOpenPastTheAutoHideTest)
{
    ::SetCursorPos(0, 0);
    OpenWithHotKey();
    const RECT rcCalendar = WindowRect(m_hCalendar);
    ::SetCursorPos((rcCalendar.left + rcCalendar.right) / 2, (rcCalendar.top + rcCalendar.bottom) / 2);
    ::Sleep(kAutoHideMs + 1500);
    EXPECT_TRUE(::IsWindowVisible(m_hPanel));
    EXPECT_TRUE(::IsWindowVisible(m_hCalendar));
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(m_hPanel) && !::IsWindow(m_hCalendar); }, kAutoHideMs + 3000))
        << "still open with the pointer away";
}
