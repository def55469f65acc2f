// The clock panel end to end. The hot key opens it flush in the work area's corner, in the
// settings' colours, with the calendar standing on it, and only then loads the libraries an
// idle Tempiva leaves unloaded. The pointer on the panel, a notice or the calendar keeps them
// open past the auto-hide test; once it leaves, they go.
#include "tests/wine/e2e/ProgramWindows.h"

#include <tlhelp32.h>

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

void PointAt(HWND hWnd)
{
    const RECT rc = WindowRect(hWnd);
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

// Fails at once when the windows close before the time is up.
void ExpectOpenFor(DWORD nMs, const std::vector<HWND>& windows, const char* pszPointedAt)
{
    const auto closed = [&] {
        return std::any_of(windows.begin(), windows.end(), [](HWND h) { return !::IsWindow(h); });
    };
    EXPECT_FALSE(WaitUntil(closed, nMs)) << "closed although the pointer was on " << pszPointedAt;
}

using ClockPanel = ProgramTest;

} // namespace

TEST_F(ClockPanel, TheHotKeyOpensItWithTheCalendarAndClosesThem)
{
    Start(std::string(kPastTask) + kPastTask, "", "RGB_BACK=202830\r\nRGB_ON=40FF60\r\nRGB_OFF=28343C\r\n");
    const DWORD dwPid = m_program.Pid();
    ASSERT_TRUE(HasModule(dwPid, "user32.dll")) << "the snapshot must see the program's modules";
    for (const char* pszIdle : {"comctl32.dll", "shell32.dll", "winmm.dll", "comdlg32.dll"})
        EXPECT_FALSE(HasModule(dwPid, pszIdle)) << pszIdle;

    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    const std::vector<HWND> windows = WaitForToolWindows(m_program, 2);
    ASSERT_EQ(2u, windows.size());
    ASSERT_EQ(FindPanel(m_program), windows[0]);
    // The LCD's recoloured bitmaps and the taskbar's place.
    for (const char* pszUsed : {"comctl32.dll", "shell32.dll"})
        EXPECT_TRUE(HasModule(dwPid, pszUsed)) << pszUsed;
    const RECT rcPanel = WindowRect(windows[0]);
    EXPECT_EQ(WorkArea().right, rcPanel.right);
    EXPECT_EQ(WorkArea().bottom, rcPanel.bottom);
    EXPECT_NE(windows[0], ::GetForegroundWindow()) << "the panel must not take the focus";

    // The face's background and the date's dash, inside the frame of 3 pixels.
    std::vector<std::uint32_t> pixels;
    const auto at = [&](int x, int y) {
        return pixels[static_cast<size_t>(3 + y) * (rcPanel.right - rcPanel.left) + 3 + x];
    };
    EXPECT_TRUE(WaitUntil(
        [&] {
            pixels = Screenshot(rcPanel, "panel-green.png");
            return at(140, 20) == 0x202830u && at(63, 13) == 0x40FF60u;
        },
        kWaitMs))
        << std::hex << at(140, 20) << " " << at(63, 13);

    // The hot key's panel tests the pointer every ten seconds.
    PointAt(windows[1]);
    ExpectOpenFor(10600, windows, "the calendar");
    ::SetCursorPos(0, 0);
    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, kWaitMs))
        << "a second hot key closes both";
    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    EXPECT_EQ(2u, WaitForToolWindows(m_program, 2).size()) << "and a third opens them anew";
}

TEST_F(ClockPanel, ThePointerOnTheNoticeOrThePanelKeepsThemPastTheShowTimeAndTheyGoWhenItLeaves)
{
    // Reserved task 0 runs at start-up: its notice on the panel, shown for one second, under
    // the pointer.
    ::SetCursorPos(WorkArea().right - 40, WorkArea().bottom - 30);
    Start("   *  *  *  *  *  *  * 01      *      *  \"Stays|while pointed at\"\r\n" + std::string(kPastTask));
    const std::vector<HWND> windows = WaitForToolWindows(m_program, 2);
    ASSERT_EQ(2u, windows.size());
    EXPECT_EQ(WindowRect(windows[0]).top, WindowRect(windows[1]).bottom) << "the notice stands on the panel";
    ExpectOpenFor(1500, windows, "the panel");
    PointAt(windows[1]);
    ExpectOpenFor(1500, windows, "the notice");
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, 3000))
        << "still open with the pointer away";
}
