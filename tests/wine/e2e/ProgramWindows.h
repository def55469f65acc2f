// A Tempiva under test in a folder of its own, and what the end-to-end tests look for in it.
#pragma once

#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

inline constexpr DWORD kWaitMs = 10000;
// A reserved task of a past date: never due, never run at start-up.
inline constexpr char kPastTask[] = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";

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

// A picture for the README once painted: two looks a moment apart agree and show more than one
// colour. Of the client area unless asked, as no window manager draws the caption.
inline void PictureWhenStill(HWND hWnd, const std::string& strName, bool bWholeWindow = false)
{
    RECT rc = WindowRect(hWnd);
    if (!bWholeWindow) {
        ::GetClientRect(hWnd, &rc);
        ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    }
    std::vector<std::uint32_t> before;
    std::vector<std::uint32_t> pixels;
    WaitUntil(
        [&] {
            before = std::move(pixels);
            ::Sleep(100);
            pixels = Screenshot(rc, strName);
            return !pixels.empty() && pixels == before &&
                   std::count(pixels.begin(), pixels.end(), pixels[0]) < std::ssize(pixels);
        },
        kWaitMs);
}

// The pointer is kept out of the program's way; the program must end with 0 on EXIT.
class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override { ::SetCursorPos(0, 0); }
    void TearDown() override { Exit(); }

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

    void Exit()
    {
        if (m_program.IsRunning()) {
            m_program.SendCommand(ID_APP_EXIT);
            EXPECT_EQ(std::optional<DWORD>(0), m_program.WaitForExit(kWaitMs));
        }
    }

    std::vector<HWND> VisibleWindows(const std::string& strCaption,
                                     const std::string& strClass = "#32770") const
    {
        std::vector<HWND> found;
        for (HWND hWnd : m_program.Windows())
            if (::IsWindowVisible(hWnd) && WindowClass(hWnd) == strClass && WindowText(hWnd) == strCaption)
                found.push_back(hWnd);
        return found;
    }

    HWND WaitForWindow(const std::string& strCaption, const std::string& strClass = "#32770",
                       DWORD nTimeoutMs = kWaitMs) const
    {
        std::vector<HWND> found;
        WaitUntil([&] { return !(found = VisibleWindows(strCaption, strClass)).empty(); }, nTimeoutMs);
        return found.empty() ? nullptr : found[0];
    }

    // The calendar and the notices are topmost tool windows too: the panel is the LCD face's
    // fixed 151 x 72 in a dialog frame.
    HWND FindPanel() const
    {
        for (HWND hWnd : ToolWindows(m_program.Pid())) {
            const RECT rc = WindowRect(hWnd);
            if ((::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) && rc.right - rc.left == 157 &&
                rc.bottom - rc.top == 78)
                return hWnd;
        }
        return nullptr;
    }

    // The tool windows once there are nWindows of them, the panel first; none if they never come.
    std::vector<HWND> WaitForToolWindows(size_t nWindows, DWORD nTimeoutMs = kWaitMs) const
    {
        std::vector<HWND> windows;
        if (!WaitUntil([&] { return (windows = ToolWindows(m_program.Pid())).size() == nWindows; },
                       nTimeoutMs))
            return {};
        const HWND hPanel = FindPanel();
        std::stable_partition(windows.begin(), windows.end(), [&](HWND hWnd) { return hWnd == hPanel; });
        return windows;
    }

    // Opens the panel by the hot key unless it is open and works its context menu by keys: from
    // the end, VK_UP reaches &EXIT, CONFIG..., TIME TABLE...; the mnemonic 'E' is &EXIT.
    void ChooseFromPanelMenu(const std::vector<UINT>& keyDowns, char chMnemonic = 0) const
    {
        if (FindPanel() == nullptr)
            ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
        HWND hPanel = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (hPanel = FindPanel()) != nullptr; }, kWaitMs));
        ::PostMessageA(hPanel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hPanel), MAKELPARAM(400, 400));
        const HWND hMenu = WaitForWindow("", "#32768");
        ASSERT_NE(nullptr, hMenu);
        for (const UINT nKey : keyDowns)
            ::PostMessageA(hMenu, WM_KEYDOWN, nKey, 0);
        if (chMnemonic != 0)
            ::PostMessageA(hMenu, WM_CHAR, static_cast<WPARAM>(chMnemonic), 0);
    }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};
