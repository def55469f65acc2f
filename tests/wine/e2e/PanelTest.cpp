// The clock panel end to end: the hot key, its corner, auto-hide by the pointer, colours.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr DWORD kWaitMs = 10000;

std::string Task(const char* pszWhen, const std::string& strText)
{
    return std::string(pszWhen) + "  \"" + strText + "\"\r\n";
}

const char* const kTimed = "   *  *  *  * 12 00  *  *      *      *";
const char* const kStartUpOneSecond = "   *  *  *  *  *  *  * 01      *      *";

RECT WorkArea()
{
    RECT rc{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

// The panel as the screen shows it, saved beside the tests.
std::vector<std::uint32_t> Screenshot(HWND hWnd, const std::string& strName, int& nWidth)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    nWidth = rc.right - rc.left;
    return Screenshot(rc, strName);
}

// The entrance animation and the first paint take a moment: capture until the face is there.
std::vector<std::uint32_t> ScreenshotWhenPainted(HWND hWnd, const std::string& strName, int& nWidth)
{
    std::vector<std::uint32_t> pixels;
    WaitUntil(
        [&] {
            pixels = Screenshot(hWnd, strName, nWidth);
            return pixels.size() > 4u * static_cast<size_t>(nWidth) && pixels[3u * nWidth + 3] == 0xFFFFFFu &&
                   pixels[static_cast<size_t>(3 + 20) * nWidth + 3 + 140] != 0xFFFFFFu;
        },
        kWaitMs);
    return pixels;
}

class ClockPanel : public ::testing::Test
{
protected:
    void Start(const std::string& strReserve, const std::string& strSettings = "")
    {
        m_folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + strReserve + "[TIMETABLE]\r\n");
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F20 << 16) + "\r\n" + strSettings);
        ASSERT_TRUE(m_program.Start());
        m_hMain = m_program.WaitForMainDialog(kWaitMs);
        ASSERT_NE(nullptr, m_hMain);
    }
    void HotKey() { ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0); }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};

} // namespace

TEST_F(ClockPanel, TheHotKeyOpensItFlushInTheBottomRightCornerAndClosesIt)
{
    ::SetCursorPos(0, 0);
    Start(Task(kTimed, "r0") + Task(kTimed, "r1"));
    HotKey();
    HWND hPanel = WaitForPanel(m_program);
    ASSERT_NE(nullptr, hPanel);
    RECT rc{};
    ::GetWindowRect(hPanel, &rc);
    const RECT work = WorkArea();
    EXPECT_EQ(work.right, rc.right);
    EXPECT_EQ(work.bottom, rc.bottom);
    EXPECT_EQ(157, rc.right - rc.left) << "151 x 72 and the dialog frame";
    EXPECT_EQ(78, rc.bottom - rc.top);
    EXPECT_NE(hPanel, ::GetForegroundWindow()) << "the panel must not take the focus";

    int nWidth = 0;
    const std::vector<std::uint32_t> pixels = ScreenshotWhenPainted(hPanel, "panel-default.png", nWidth);
    EXPECT_EQ(0xB3B78Bu, pixels[static_cast<size_t>(3 + 20) * nWidth + 3 + 140]) << "the LCD background";

    HotKey();
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hPanel); }, kWaitMs)) << "a second hot key closes it";
    HotKey();
    EXPECT_NE(nullptr, WaitForPanel(m_program)) << "and a third opens a new one";
}

TEST_F(ClockPanel, ItStaysWhileThePointerRestsOnItAndHidesWhenItLeaves)
{
    // A start-up task with a show time of one second opens the panel at once.
    const RECT work = WorkArea();
    ::SetCursorPos(work.right - 40, work.bottom - 30);
    Start(Task(kStartUpOneSecond, "") + Task(kTimed, "r1"));
    HWND hPanel = WaitForPanel(m_program);
    ASSERT_NE(nullptr, hPanel);
    ::Sleep(2500);
    EXPECT_TRUE(::IsWindowVisible(hPanel)) << "closed although the pointer was on it";
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hPanel); }, 3000)) << "still open with the pointer away";
}

TEST_F(ClockPanel, ShowsTheConfiguredColours)
{
    ::SetCursorPos(0, 0);
    Start(Task(kTimed, "r0") + Task(kTimed, "r1"), "RGB_BACK=202830\r\nRGB_ON=40FF60\r\nRGB_OFF=28343C\r\n");
    HotKey();
    HWND hPanel = WaitForPanel(m_program);
    ASSERT_NE(nullptr, hPanel);
    int nWidth = 0;
    const std::vector<std::uint32_t> pixels = ScreenshotWhenPainted(hPanel, "panel-green.png", nWidth);
    EXPECT_EQ(0x202830u, pixels[static_cast<size_t>(3 + 20) * nWidth + 3 + 140]);
    EXPECT_EQ(0x40FF60u, pixels[static_cast<size_t>(3 + 13) * nWidth + 3 + 63]) << "the date dash";
}
