// Drives the real main dialog as a user who never restarts it (hot-key panels, then notices); at the
// marks it reports the private memory on Wine's trace stream, which SoakTest.sh reads.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

// Private memory: Wine leaves PrivateUsage 0 but keeps the same figure, the commit charge, in PagefileUsage.
void Mark(const char* pszWhat, int nCount)
{
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof pmc);
    std::fprintf(stderr, "soak-mark %04lx %s %d %llu\n", ::GetCurrentProcessId(), pszWhat, nCount,
                 static_cast<unsigned long long>(pmc.PagefileUsage / 1024));
    std::fflush(stderr);
}

void Settle()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const int nCycles = std::atoi(argv[1]);
    const int nNotices = std::atoi(argv[2]);
    std::set<int> marks;
    for (int i = 3; i < argc; ++i)
        marks.insert(std::atoi(argv[i]));

    CWinApp app;
    CScratchFolder folder;
    CFakeMessageBox box;
    const std::string strTask = "   *  *  *  *  *  *  *  5      *      *  \"Soak|notice\"\r\n";
    folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + strTask + strTask + "[TIMETABLE]\r\n");
    folder.Write("Holiday.ini", "[HOLIDAY]\r\n   *  1  1 FF0000 \"New Year\"\r\n");
    TheSettings() = AppSettings{};
    TheSettings().HOTKEY = static_cast<int>(VK_F13 << 16);
    TheSettings().DRAW_SEC = 1;

    CMainDlg dlg(folder.Path());
    if (!dlg.Create(IDD_MAIN))
        return 1;
    app.m_pMainWnd = &dlg;

    for (int nCycle = 1; nCycle <= nCycles; ++nCycle)
    {
        for (int nPress = 0; nPress < 2; ++nPress) // the panel with its calendar, then away
        {
            dlg.SendMessage(WM_HOTKEY, 1);
            Settle();
        }
        if (marks.count(nCycle))
            Mark("cycles", nCycle);
    }
    TimeTask& task = *dlg.m_tasks[0];
    for (int nNotice = 1; nNotice <= nNotices; ++nNotice)
    {
        dlg.ShowClockPanel(&task);
        Settle();
        if (nNotice % 10 == 0) // a new panel every ten notices
            dlg.SendMessage(WM_HOTKEY, 1);
        if (marks.count(nNotice))
            Mark("notices", nNotice);
    }
    dlg.SendMessage(WM_COMMAND, ID_APP_EXIT);
    return 0;
}
