// For the run-script and release-package tests and the resident benchmark: finds a Tempiva started by
// someone else in this Wine session, answers its message boxes with OK and sends it a command; hover rests
// the pointer on the open panel, so that it stays open.
// Usage: tempiva_remote wait | hotkey | hover | exit   (exit code 0 when done, 1 when no Tempiva answered)
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HWND hMain = nullptr;
    const bool bFound = WaitUntil(
        [&] {
            for (HWND hWnd : ProcessWindows(0)) // the first-run greeting comes before the main dialog
                if (::IsWindowVisible(hWnd) && WindowClass(hWnd) == "#32770" && WindowText(hWnd) == "Tempiva")
                    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
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
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hMain, &dwPid);
    std::vector<HWND> panel;
    RECT rc{};
    const bool bPointed = WaitUntil([&] { return !(panel = ToolWindows(dwPid)).empty(); }, 10000) &&
                          ::GetWindowRect(panel[0], &rc) &&
                          ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    return bPointed ? 0 : 1;
}
