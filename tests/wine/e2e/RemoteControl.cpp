// A Wine program for the run-script test: finds a Tempiva started by someone else in this
// Wine session, answers its message boxes with OK and sends it EXIT.
// Usage: tempiva_remote wait | hotkey | hover | exit   (exit code 0 when done, 1 when no Tempiva answered)
// hover rests the pointer on the open panel, so that it stays open.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    ::EnumChildWindows(hWnd, [](HWND hChild, LPARAM l) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(l)->push_back(hChild);
        return TRUE;
    }, lParam);
    return TRUE;
}

HWND FindMainDialog()
{
    std::vector<HWND> windows;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND hWnd : windows)
        if (WindowClass(hWnd) == "#32770" && WindowText(hWnd) == "Tempiva" && !::IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

// Presses OK on Tempiva's message boxes (the first-run greeting comes before the dialog).
void AnswerMessageBoxes()
{
    std::vector<HWND> windows;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND hWnd : windows)
        if (::IsWindowVisible(hWnd) && WindowClass(hWnd) == "#32770" && WindowText(hWnd) == "Tempiva" &&
            ::GetDlgItem(hWnd, 0xFFFF) != nullptr)
            CMessageBoxView(hWnd).Press(IDOK);
}

// The panel: a visible top-level tool window of the process that owns the main dialog.
bool HoverOverPanel()
{
    HWND hMain = FindMainDialog();
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hMain, &dwPid);
    HWND hPanel = nullptr;
    WaitUntil(
        [&] {
            for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            {
                DWORD dwOwner = 0;
                ::GetWindowThreadProcessId(hWnd, &dwOwner);
                if (dwOwner == dwPid && ::IsWindowVisible(hWnd) &&
                    (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0)
                    hPanel = hWnd;
            }
            return hPanel != nullptr;
        },
        10000);
    RECT rc{};
    return hPanel != nullptr && ::GetWindowRect(hPanel, &rc) &&
           ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HWND hMain = nullptr;
    const bool bFound = WaitUntil(
        [&] {
            AnswerMessageBoxes();
            return (hMain = FindMainDialog()) != nullptr;
        },
        60000);
    if (!bFound)
        return 1;
    if (std::strcmp(argv[1], "hotkey") == 0)
        return ::PostMessageA(hMain, WM_HOTKEY, 1, 0) ? 0 : 1;
    if (std::strcmp(argv[1], "hover") == 0)
        return HoverOverPanel() ? 0 : 1;
    if (std::strcmp(argv[1], "exit") != 0)
        return 0;
    return ::PostMessageA(hMain, WM_COMMAND, ID_APP_EXIT, 0) ? 0 : 1;
}
