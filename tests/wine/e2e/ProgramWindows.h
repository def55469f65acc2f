// What the end-to-end tests look for in the program under test: its first-run greeting, its
// visible tool windows (the panel, its notices, the calendar) and an orderly end through EXIT.
#pragma once

#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The greeting of a first start, before Tempiva.ini exists.
inline constexpr char kFirstRunText[] = "ホットキーを \"CapsLock\" に割り当てます。\nホットキーで時計が出ます。\n"
                                        "設定は時計パネル上で右クリック！";

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

// The panel among the calendar and the notices, which are topmost tool windows too: the
// LCD face's fixed 151 x 72 in a dialog frame.
inline HWND FindPanel(const CProgramUnderTest& program)
{
    for (HWND hWnd : ToolWindows(program))
    {
        const RECT rc = WindowRect(hWnd);
        if ((::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) && rc.right - rc.left == 157 &&
            rc.bottom - rc.top == 78)
            return hWnd;
    }
    return nullptr;
}

inline HWND WaitForPanel(const CProgramUnderTest& program, DWORD nTimeoutMs = 10000)
{
    HWND hPanel = nullptr;
    WaitUntil([&] { return (hPanel = FindPanel(program)) != nullptr; }, nTimeoutMs);
    return hPanel;
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

inline HWND WaitForConfigDialog(const CProgramUnderTest& program, DWORD nTimeoutMs = 10000)
{
    HWND hDialog = nullptr;
    WaitUntil([&] { return (hDialog = FindWindowOf(program, "#32770", "Tempiva 設定")) != nullptr; },
              nTimeoutMs);
    return hDialog;
}

// EXIT, and the program must end with 0.
inline void ExitProgram(CProgramUnderTest& program, DWORD nTimeoutMs)
{
    if (!program.IsRunning())
        return;
    program.SendCommand(ID_APP_EXIT);
    EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit(nTimeoutMs));
}
