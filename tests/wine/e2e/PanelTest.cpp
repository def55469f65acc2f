// The clock panel end to end, opened by the hot key and by tasks falling due.
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/LocalSeconds.h"

#include <tlhelp32.h>

#include <cstdio>

namespace {

bool HasModule(DWORD dwPid, const char* pszName)
{
    CHandle hSnapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, dwPid));
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = ::Module32First(hSnapshot, &entry); bMore; bMore = ::Module32Next(hSnapshot, &entry))
        if (::lstrcmpiA(entry.szModule, pszName) == 0)
            return true;
    return false;
}

// Rests the pointer on windows[nPointed] (in the screen's corner past the last) and fails at once
// when one of them closes before the time is up.
void ExpectOpenPointedAt(size_t nPointed, DWORD nMs, const std::vector<HWND>& windows, const char* pszOn)
{
    const RECT rc = nPointed < windows.size() ? WindowRect(windows[nPointed]) : RECT{};
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    const auto closed = [&] { return std::ranges::any_of(windows, [](HWND h) { return !::IsWindow(h); }); };
    EXPECT_FALSE(WaitUntil(closed, nMs)) << "closed although the pointer was on " << pszOn;
}

using ClockPanel = ProgramTest;
using TaskNotice = ProgramTest;

} // namespace

TEST_F(ClockPanel, TheHotKeyOpensItWithTheCalendarAndOnlyThenLoadsTheLibrariesAnIdleTempivaLeaves)
{
    Start("RGB_BACK=202830\r\nRGB_ON=40FF60\r\nRGB_OFF=28343C\r\n");
    const DWORD dwPid = m_program.Pid();
    for (const char* pszIdle : {"comctl32.dll", "shell32.dll", "winmm.dll", "comdlg32.dll"})
        EXPECT_FALSE(HasModule(dwPid, pszIdle)) << pszIdle;

    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    const std::vector<HWND> windows = WaitForToolWindows(2);
    ASSERT_EQ(2u, windows.size());
    ASSERT_EQ(FindPanel(), windows[1]) << "the calendar stands on the panel";
    for (const char* pszUsed : {"comctl32.dll", "shell32.dll"}) // recoloured bitmaps, the taskbar's place
        EXPECT_TRUE(HasModule(dwPid, pszUsed)) << pszUsed;
    const RECT rcPanel = WindowRect(windows[1]);
    EXPECT_EQ(WorkArea().right, rcPanel.right);
    EXPECT_EQ(WorkArea().bottom, rcPanel.bottom);
    EXPECT_NE(windows[1], ::GetForegroundWindow()) << "the panel must not take the focus";

    CWindowPicture picture(rcPanel); // the face's background and the date's dash, inside the 3-pixel frame
    const auto coloured = [&] {
        picture = CWindowPicture(rcPanel);
        return picture.At(143, 23) == RGB(0x20, 0x28, 0x30) && picture.At(66, 16) == RGB(0x40, 0xFF, 0x60);
    };
    EXPECT_TRUE(WaitUntil(coloured, kWaitMs)) << std::hex << picture.At(143, 23) << " " << picture.At(66, 16);
    picture.Save("panel-green.png");

    ExpectOpenPointedAt(0, 10600, windows, "the calendar"); // the hot key's panel tests it every ten seconds
    ::SetCursorPos(0, 0);
    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    const auto closed = [&] { return ToolWindows(dwPid).empty(); };
    EXPECT_TRUE(WaitUntil(closed, 3000)) << "a second hot key closes both, long before the next hide check";
    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    EXPECT_EQ(2u, WaitForToolWindows(2).size()) << "and a third opens them anew";
}

TEST_F(TaskNotice, TwoDueInOneSecondHangBelowThePanelInATopCornerAndStayWhilePointedAtPastTheShowTime)
{
    // Due at the start of a coming minute, noticed 3 s from now: time to start and read the tasks.
    const ULONGLONG nNotice = SecondsNow() + 3;
    const ULONGLONG nDue = (nNotice / 60 + 1) * 60;
    const SYSTEMTIME st = FromSeconds(nDue);
    char szWhen[64];
    std::snprintf(szWhen, sizeof szWhen, "%4u %2u %2u  * %2u %2u %2u  2", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, static_cast<unsigned>(nDue - nNotice));
    const std::string strFirst = // colours of its own and a sound file that is not there
        " 40FF60 202830  \"A first page|and a second\" \"C:\\missing\\gone.wav\"\r\n";
    Start("DISP_POS=1\r\n", szWhen + strFirst + szWhen + "      *      *  \"Second\"\r\n");
    const std::vector<HWND> windows = WaitForToolWindows(3);
    ASSERT_EQ(3u, windows.size());
    const ULONGLONG nShownAt = SecondsNow();
    EXPECT_GE(nShownAt, nNotice) << "shown before its notice moment";
    EXPECT_LE(nShownAt, nNotice + 1) << "shown late";
    // From the top: the panel in the corner, then its notices, each hanging from the one above.
    const RECT rcPanel = WindowRect(windows[0]);
    EXPECT_EQ(FindPanel(), windows[0]);
    EXPECT_EQ(WorkArea().top, rcPanel.top);
    EXPECT_EQ(WorkArea().right, rcPanel.right);
    for (size_t i = 1; i < windows.size(); ++i) {
        const RECT rcNotice = WindowRect(windows[i]);
        EXPECT_EQ(WindowRect(windows[i - 1]).bottom, rcNotice.top) << "notice " << i;
        EXPECT_EQ(rcPanel.left, rcNotice.left);
        EXPECT_EQ(rcPanel.right, rcNotice.right);
    }

    ExpectOpenPointedAt(3, 1000, windows, "none of them, within the show time"); // shown 2 s; each end tests
    ExpectOpenPointedAt(0, 1500, windows, "the panel");
    ExpectOpenPointedAt(2, 2000, windows, "the notice");
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program.Pid()).empty(); }, 4000))
        << "still open with the pointer away";
}
