// A Tempiva under test in a folder of its own, and what the end-to-end tests look for in it.
#pragma once

#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

inline constexpr DWORD kWaitMs = 10000;
inline constexpr char kPastTask[] = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";
inline const std::string kPastReserved = std::string(kPastTask) + kPastTask; // never due nor run at start-up

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
    CWindowPicture picture(rc);
    const auto still = [&] {
        before = std::move(picture.pixels);
        ::Sleep(100);
        picture = CWindowPicture(rc);
        const std::vector<std::uint32_t>& pixels = picture.pixels;
        return !pixels.empty() && pixels == before &&
               std::ranges::count(pixels, pixels[0]) < std::ssize(pixels);
    };
    WaitUntil(still, kWaitMs);
    picture.Save(strName);
}

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override { ::SetCursorPos(0, 0); } // the pointer out of the program's way
    void TearDown() override { Exit(); }            // which must end the program with 0

    void Start(const std::string& strSettings = "", const std::string& strTasks = "",
               const std::string& strReserved = kPastReserved, int nHotKey = VK_F20 << 16,
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

    std::vector<HWND> VisibleWindows(const std::string& strText, const std::string& strClass = "#32770") const
    {
        std::vector<HWND> found;
        for (HWND hWnd : m_program.Windows())
            if (::IsWindowVisible(hWnd) && WindowClass(hWnd) == strClass && WindowText(hWnd) == strText)
                found.push_back(hWnd);
        return found;
    }

    HWND WaitForWindow(const std::string& strText, const std::string& strClass = "#32770",
                       DWORD nTimeoutMs = kWaitMs) const
    {
        std::vector<HWND> found;
        WaitUntil([&] { return !(found = VisibleWindows(strText, strClass)).empty(); }, nTimeoutMs);
        return found.empty() ? nullptr : found[0];
    }

    // Answers the program's message box, whose text must be strExpected, after its picture if named.
    void ExpectMessageAndAnswer(const std::string& strExpected, const char* pszPicture = nullptr)
    {
        const HWND hBox = WaitForWindow("Tempiva");
        ASSERT_NE(nullptr, hBox) << "no message box; expected: " << strExpected;
        EXPECT_EQ(strExpected, WindowText(::GetDlgItem(hBox, 0xFFFF))); // the box's text
        if (pszPicture != nullptr)
            PictureWhenStill(hBox, pszPicture, true);
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hBox); }, kWaitMs));
    }

    // The LCD face's fixed 151 x 72 in a dialog frame: the calendar and notices are topmost too.
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

    // The tool windows from the top down once there are nWindows of them; none if they never come.
    std::vector<HWND> WaitForToolWindows(size_t nWindows) const
    {
        std::vector<HWND> windows;
        if (!WaitUntil([&] { return (windows = ToolWindows(m_program.Pid())).size() == nWindows; }, kWaitMs))
            return {};
        std::ranges::sort(windows, {}, [](HWND hWnd) { return WindowRect(hWnd).top; });
        return windows;
    }

    // Opens the panel by the hot key unless it is open and works its context menu by keys: from
    // the end, VK_UP reaches &EXIT, CONFIG..., TIME TABLE...
    void ChooseFromPanelMenu(const std::vector<UINT>& keyDowns) const
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
    }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};
