// A Wine program for the run-script test: finds a Tempiva started by someone else in this
// Wine session, answers its message boxes with OK and sends it EXIT.
// Usage: tempiva_remote wait | hotkey | exit     (exit code 0 when done, 1 when no Tempiva answered)
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
    if (std::strcmp(argv[1], "exit") != 0)
        return 0;
    return ::PostMessageA(hMain, WM_COMMAND, ID_APP_EXIT, 0) ? 0 : 1;
}
