// An idle Tempiva keeps the libraries of the panel, dialogs and sounds unloaded; the hot key's
// panel loads those it needs on its first use.
#include "tests/wine/e2e/ProgramWindows.h"

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

bool HasModule(DWORD dwPid, std::string strName)
{
    CHandle hSnapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, dwPid));
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    for (BOOL bMore = ::Module32First(hSnapshot, &entry); bMore; bMore = ::Module32Next(hSnapshot, &entry))
        if (lower(entry.szModule) == lower(strName))
            return true;
    return false;
}

} // namespace

TEST(Residence, TheHotKeyLoadsWhatAnIdleTempivaLeftUnloaded)
{
    CScratchFolder folder;
    const std::string strTask = "2004 12 24  * 18 30  *  *      *      *  \"r\"\r\n";
    folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + strTask + strTask);
    folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F17 << 16) + "\r\n");
    CProgramUnderTest program(folder);
    ASSERT_TRUE(program.Start());
    HWND hMain = program.WaitForMainDialog(10000);
    ASSERT_NE(nullptr, hMain);
    ASSERT_TRUE(HasModule(program.Pid(), "user32.dll")) << "the snapshot must see the program's modules";
    for (const char* pszIdle : {"comctl32.dll", "shell32.dll", "winmm.dll", "comdlg32.dll"})
        EXPECT_FALSE(HasModule(program.Pid(), pszIdle)) << pszIdle;

    ::PostMessageA(hMain, WM_HOTKEY, 1, 0);
    EXPECT_NE(nullptr, WaitForPanel(program));
    // The LCD's recoloured bitmaps and the taskbar's place.
    for (const char* pszUsed : {"comctl32.dll", "shell32.dll"})
        EXPECT_TRUE(HasModule(program.Pid(), pszUsed)) << pszUsed;
    ExitProgram(program, 10000);
}
