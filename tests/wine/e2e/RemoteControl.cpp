// A Wine program for the run-script test and the resident benchmark: finds a Tempiva started by
// someone else in this Wine session, answers its message boxes with OK and sends it a command.
// Usage: tempiva_remote wait | hotkey | hover | exit   (exit code 0 when done, 1 when no Tempiva answered)
// hover rests the pointer on the open panel, so that it stays open.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"

#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HWND hMain = nullptr;
    // The first-run greeting comes before the main dialog.
    const bool bFound = WaitUntil(
        [&] {
            for (HWND hWnd : ProcessWindows(0))
                if (IsMessageBox(hWnd) && WindowText(hWnd) == "Tempiva")
                    PressButton(hWnd, IDOK);
            return (hMain = FindMainDialog(0)) != nullptr;
        },
        60000);
    if (!bFound)
        return 1;
    const std::string strCommand = argv[1];
    if (strCommand == "hotkey")
        return ::PostMessageA(hMain, WM_HOTKEY, 1, 0) ? 0 : 1;
    if (strCommand == "exit")
        return ::PostMessageA(hMain, WM_COMMAND, ID_APP_EXIT, 0) ? 0 : 1;
    if (strCommand != "hover")
        return 0;
    // The panel: a visible tool window of the process that owns the main dialog.
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hMain, &dwPid);
    HWND hPanel = nullptr;
    WaitUntil(
        [&] {
            for (HWND hWnd : ProcessWindows(dwPid))
                if (::IsWindowVisible(hWnd) &&
                    (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0)
                    hPanel = hWnd;
            return hPanel != nullptr;
        },
        10000);
    RECT rc{};
    return hPanel != nullptr && ::GetWindowRect(hPanel, &rc) &&
                   ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2)
               ? 0
               : 1;
}
