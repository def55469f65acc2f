// Timed runs under Wine: the cost of one LCD Draw and of one UpdateDigits plus repaint, and
// the CPU time a resident Tempiva.exe uses in a minute with the panel closed and open.
// Usage: panel_timing [--resident]   (the resident run takes two minutes)
#include "framework/Gdi.h"
#include "panel/CClockST.h"
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

void TimeDrawing()
{
    CClockST clock;
    clock.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOPREFIX, 0, 0, 151, 72, nullptr, nullptr);
    clock.Start(IDB_LCD_FACE, IDB_LCD_LARGE, IDB_LCD_SMALL);
    CClientDC dc(clock.m_hWnd);
    constexpr int kRounds = 2000;
    LARGE_INTEGER t0, t1, t2;
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < kRounds; ++i)
        clock.Draw(dc);
    ::GdiFlush();
    ::QueryPerformanceCounter(&t1);
    for (int i = 0; i < kRounds; ++i)
    {
        clock.UpdateDigits();
        ::UpdateWindow(clock.m_hWnd);
    }
    ::GdiFlush();
    ::QueryPerformanceCounter(&t2);
    std::printf("Draw: %.1f us; UpdateDigits + repaint: %.1f us (mean of %d)\n", Seconds(t0, t1) * 1e6 / kRounds,
                Seconds(t1, t2) * 1e6 / kRounds, kRounds);
}

double CpuSeconds(HANDLE hProcess)
{
    FILETIME create, exit, kernel, user;
    ::GetProcessTimes(hProcess, &create, &exit, &kernel, &user);
    auto toSeconds = [](const FILETIME& ft) {
        return static_cast<double>((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 1e7;
    };
    return toSeconds(kernel) + toSeconds(user);
}

void TimeResident()
{
    CScratchFolder folder;
    folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n"
                                  "   *  *  *  * 12 00  *  *      *      *  \"r0\"\r\n"
                                  "   *  *  *  * 12 00  *  *      *      *  \"r1\"\r\n");
    folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F21 << 16) + "\r\n");
    CProgramUnderTest program(folder);
    if (!program.Start())
        return;
    HWND hMain = program.WaitForMainDialog(10000);
    ::Sleep(2000);
    const double c0 = CpuSeconds(program.Process());
    ::Sleep(60000);
    const double c1 = CpuSeconds(program.Process());
    // The hot key's panel hides after ten seconds unless the pointer is on it.
    ::SetCursorPos(1270, 1010);
    ::PostMessageA(hMain, WM_HOTKEY, 1, 0);
    ::Sleep(1000);
    const double c2 = CpuSeconds(program.Process());
    ::Sleep(60000);
    const double c3 = CpuSeconds(program.Process());
    std::printf("resident CPU per minute: panel closed %.3f s, panel open %.3f s\n", c1 - c0, c3 - c2);
    program.SendCommand(ID_APP_EXIT);
    program.WaitForExit(10000);
}

} // namespace

int main(int argc, char** argv)
{
    TimeDrawing();
    if (argc > 1 && std::string(argv[1]) == "--resident")
        TimeResident();
    return 0;
}
