// Starts Tempiva and the minimal resident program side by side, each in a folder of its own,
// and times each from its start to its first window (Tempiva's hidden main dialog). Then both
// stay idle, the hot key never pressed, until the file "done" appears in Tempiva's folder (or
// a minute passes), so that bench/wine/ResidentMemory.sh can read their memory meanwhile.
// Usage: resident_timing     (prints the two folders, the start-up times, then "ready")
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

double Milliseconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Start to first window, in milliseconds; negative when the window never came.
double TimeStart(CProgramUnderTest& program, const std::string& strExe,
                 const std::function<HWND()>& findWindow)
{
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    HWND hWnd = nullptr;
    if (!program.Start(strExe) || !WaitUntil([&] { return (hWnd = findWindow()) != nullptr; }, 20000))
        return -1;
    ::QueryPerformanceCounter(&t1);
    return Milliseconds(t0, t1);
}

} // namespace

int main()
{
    CScratchFolder tempivaFolder;
    CScratchFolder minimalFolder;
    // Two reserved tasks long past, so nothing comes due; a hot key no keyboard has.
    const std::string strTask = "2004 12 24  * 18 30  *  *      *      *  \"r\"\r\n";
    tempivaFolder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + strTask + strTask);
    tempivaFolder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F21 << 16) + "\r\n");

    CProgramUnderTest minimal(minimalFolder);
    CProgramUnderTest tempiva(tempivaFolder);
    const double dMinimalMs = TimeStart(minimal, ExeBesideMe("MinimalResident.exe"), [&]() -> HWND {
        for (HWND hWnd : minimal.Windows())
            if (WindowClass(hWnd) == "TempivaMinimalResident")
                return hWnd;
        return nullptr;
    });
    const double dTempivaMs =
        TimeStart(tempiva, ExeBesideMe("Tempiva.exe"), [&] { return tempiva.WaitForMainDialog(0); });
    std::printf("folders: %s %s\n", tempivaFolder.Path().c_str(), minimalFolder.Path().c_str());
    std::printf("start-up to resident: Tempiva %.0f ms, minimal %.0f ms\n", dTempivaMs, dMinimalMs);
    std::printf("ready\n");
    std::fflush(stdout);

    WaitUntil(
        [&] { return ::GetFileAttributesA(tempivaFolder.PathOf("done").c_str()) != INVALID_FILE_ATTRIBUTES; },
        60000);
    tempiva.SendCommand(ID_APP_EXIT);
    tempiva.WaitForExit(10000);
    for (HWND hWnd : minimal.Windows())
        if (WindowClass(hWnd) == "TempivaMinimalResident")
            ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    minimal.WaitForExit(10000);
    return dTempivaMs < 0 || dMinimalMs < 0 ? 1 : 0;
}
