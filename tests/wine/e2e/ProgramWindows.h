// What the end-to-end tests look for in the program under test: its first-run greeting, its
// visible tool windows (the panel, its notices, the calendar) and an orderly end through EXIT.
#pragma once

#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

inline constexpr DWORD kWaitMs = 10000;
// The greeting of a first start, before Tempiva.ini exists.
inline constexpr char kFirstRunText[] =
    "ホットキーを \"CapsLock\" に割り当てます。\nホットキーで時計が出ます。\n"
    "設定は時計パネル上で右クリック！";
// A reserved task of a past date: never due, never run at start-up.
inline constexpr char kPastTask[] = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";

inline std::vector<HWND> ToolWindows(const CProgramUnderTest& program)
{
    std::vector<HWND> windows;
    for (HWND hWnd : program.Windows())
        if (::IsWindowVisible(hWnd) && (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            windows.push_back(hWnd);
    return windows;
}

inline RECT WindowRect(HWND hWnd)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

inline RECT WorkArea()
{
    RECT rc{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

// The panel among the calendar and the notices, which are topmost tool windows too: the
// LCD face's fixed 151 x 72 in a dialog frame.
inline HWND FindPanel(const CProgramUnderTest& program)
{
    for (HWND hWnd : ToolWindows(program)) {
        const RECT rc = WindowRect(hWnd);
        if ((::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) && rc.right - rc.left == 157 &&
            rc.bottom - rc.top == 78)
            return hWnd;
    }
    return nullptr;
}

// The panel and its companions, once there are nWindows tool windows; the panel first.
inline std::vector<HWND> WaitForToolWindows(const CProgramUnderTest& program, size_t nWindows,
                                            DWORD nTimeoutMs = kWaitMs)
{
    std::vector<HWND> windows;
    if (!WaitUntil([&] { return (windows = ToolWindows(program)).size() == nWindows; }, nTimeoutMs))
        return {};
    const HWND hPanel = FindPanel(program);
    std::stable_partition(windows.begin(), windows.end(), [&](HWND hWnd) { return hWnd == hPanel; });
    return windows;
}

// The program's window of this class and caption, visible, or none.
inline HWND FindWindowOf(const CProgramUnderTest& program, const std::string& strClass,
                         const std::string& strCaption)
{
    for (HWND hWnd : program.Windows())
        if (::IsWindowVisible(hWnd) && WindowClass(hWnd) == strClass && WindowText(hWnd) == strCaption)
            return hWnd;
    return nullptr;
}

// The program's visible dialog with this caption, once it is up.
inline HWND WaitForDialog(const CProgramUnderTest& program, const std::string& strCaption)
{
    HWND hDialog = nullptr;
    WaitUntil([&] { return (hDialog = FindWindowOf(program, "#32770", strCaption)) != nullptr; }, kWaitMs);
    return hDialog;
}

// Opens the panel with the hot key unless it is open, right-clicks it and works its menu by
// keys: from the end, VK_UP reaches &EXIT, CONFIG..., TIME TABLE...; the mnemonic 'E' is &EXIT.
inline void ChooseFromPanelMenu(const CProgramUnderTest& program, HWND hMain,
                                const std::vector<UINT>& keyDowns, char chMnemonic = 0)
{
    if (FindPanel(program) == nullptr)
        ::PostMessageA(hMain, WM_HOTKEY, 1, 0);
    HWND hPanel = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hPanel = FindPanel(program)) != nullptr; }, kWaitMs));
    ::PostMessageA(hPanel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hPanel), MAKELPARAM(400, 400));
    HWND hMenu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMenu = FindWindowOf(program, "#32768", "")) != nullptr; }, kWaitMs));
    for (const UINT nKey : keyDowns)
        ::PostMessageA(hMenu, WM_KEYDOWN, nKey, 0);
    if (chMnemonic != 0)
        ::PostMessageA(hMenu, WM_CHAR, static_cast<WPARAM>(chMnemonic), 0);
}

// The client area on the screen: without a window manager nobody draws the caption.
inline RECT ClientOnScreen(HWND hWnd)
{
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// A picture for the README, once painted: two looks a moment apart agree and show more than
// one colour.
inline std::vector<std::uint32_t> ScreenshotWhenStill(const RECT& rc, const std::string& strName)
{
    std::vector<std::uint32_t> before;
    std::vector<std::uint32_t> pixels;
    WaitUntil(
        [&] {
            before = std::move(pixels);
            ::Sleep(100);
            pixels = Screenshot(rc, strName);
            return !pixels.empty() && pixels == before &&
                   std::count(pixels.begin(), pixels.end(), pixels[0]) <
                       static_cast<std::ptrdiff_t>(pixels.size());
        },
        kWaitMs);
    return pixels;
}

// EXIT, and the program must end with 0.
inline void ExitProgram(CProgramUnderTest& program)
{
    if (!program.IsRunning())
        return;
    program.SendCommand(ID_APP_EXIT);
    EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit(kWaitMs));
}

// A Tempiva in a folder of its own, the pointer out of its way; it must end with 0 on EXIT.
class ProgramTest : public ::testing::Test
{
protected:
    void Start(const std::string& strReserved, const std::string& strTasks = "",
               const std::string& strSettings = "", int nHotKey = VK_F20 << 16,
               const std::string& strFirstArgument = "")
    {
        m_folder.Write("TimeTable.ini",
                       "[TIMETABLE_RESERVE]\r\n" + strReserved + "[TIMETABLE]\r\n" + strTasks);
        m_folder.Write("Tempiva.ini",
                       "[TEMPIVA]\r\nHOTKEY=" + std::to_string(nHotKey) + "\r\n" + strSettings);
        ASSERT_TRUE(m_program.Start(ExeBesideMe("Tempiva.exe"), strFirstArgument));
        m_hMain = m_program.WaitForMainDialog(kWaitMs);
        ASSERT_NE(nullptr, m_hMain);
    }
    void SetUp() override { ::SetCursorPos(0, 0); }
    void TearDown() override { ExitProgram(m_program); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};
