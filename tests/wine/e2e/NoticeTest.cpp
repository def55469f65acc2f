// Tasks falling due end to end: at their notice moment the panel opens with their notices
// stacked from it, also when a sound file is missing, and all go after the show time.
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/LocalSeconds.h"

#include <algorithm>
#include <cstdio>

namespace {

// Time enough for the program to start and read the task.
constexpr int kNoticeInSeconds = 3;

using TaskNotice = ProgramTest;

} // namespace

TEST_F(TaskNotice, TwoDueInOneSecondOpenThePanelInATopCornerWithTheirNoticesHangingBelowUntilTheShowTime)
{
    // Due at the start of a coming minute; the lead puts the notice kNoticeInSeconds from now.
    const ULONGLONG nNotice = SecondsNow() + kNoticeInSeconds;
    const ULONGLONG nDue = (nNotice / 60 + 1) * 60;
    const SYSTEMTIME st = FromSeconds(nDue);
    char szWhen[64];
    std::snprintf(szWhen, sizeof szWhen, "%4u %2u %2u  * %2u %2u %2u  2", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, static_cast<unsigned>(nDue - nNotice));
    // The first with colours of its own and a sound file that is not there.
    Start(std::string(kPastTask) + kPastTask,
          szWhen +
              std::string(" 40FF60 202830  \"A first page|and a second\" \"C:\\missing\\gone.wav\"\r\n") +
              szWhen + "      *      *  \"Second\"\r\n",
          "DISP_POS=1\r\n");
    std::vector<HWND> windows = WaitForToolWindows(m_program, 3, (kNoticeInSeconds + 3) * 1000);
    ASSERT_EQ(3u, windows.size());
    const ULONGLONG nShownAt = SecondsNow();
    EXPECT_GE(nShownAt, nNotice) << "shown before its notice moment";
    EXPECT_LE(nShownAt, nNotice + 1) << "shown late";
    // From the top: the panel in the corner, then its notices, each hanging from the one above.
    std::sort(windows.begin(), windows.end(),
              [](HWND a, HWND b) { return WindowRect(a).top < WindowRect(b).top; });
    const RECT rcPanel = WindowRect(windows[0]);
    EXPECT_EQ(FindPanel(m_program), windows[0]);
    EXPECT_EQ(WorkArea().top, rcPanel.top);
    EXPECT_EQ(WorkArea().right, rcPanel.right);
    for (size_t i = 1; i < windows.size(); ++i) {
        const RECT rcNotice = WindowRect(windows[i]);
        EXPECT_EQ(WindowRect(windows[i - 1]).bottom, rcNotice.top) << "notice " << i;
        EXPECT_EQ(rcPanel.left, rcNotice.left);
        EXPECT_EQ(rcPanel.right, rcNotice.right);
    }

    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, 5000)) << "open past its show time";
    EXPECT_GE(SecondsNow(), nShownAt + 1) << "closed before its show time";
}
