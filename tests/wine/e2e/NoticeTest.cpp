// A task falling due end to end: at its notice moment the panel opens with the task's notice
// just above it, also when its sound file is missing, and both go after its show time.
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/LocalSeconds.h"

#include <cstdio>

namespace {

// Time enough for the program to start and read the task.
constexpr int kNoticeInSeconds = 3;

using TaskNotice = ProgramTest;

} // namespace

TEST_F(TaskNotice, OpensThePanelAtItsSecondAndClosesAfterItsShowTime)
{
    // Due at the start of a coming minute; the lead puts the notice kNoticeInSeconds from now.
    const ULONGLONG nNotice = SecondsNow() + kNoticeInSeconds;
    const ULONGLONG nDue = (nNotice / 60 + 1) * 60;
    const SYSTEMTIME st = FromSeconds(nDue);
    char szTask[192];
    std::snprintf(szTask, sizeof szTask,
                  "%4u %2u %2u  * %2u %2u %2u  2 40FF60 202830  \"A first page|and a second\" "
                  "\"C:\\missing\\gone.wav\"\r\n",
                  st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, static_cast<unsigned>(nDue - nNotice));
    Start(std::string(kPastTask) + kPastTask, szTask);
    const std::vector<HWND> windows = WaitForToolWindows(m_program, 2, (kNoticeInSeconds + 3) * 1000);
    ASSERT_EQ(2u, windows.size());
    const ULONGLONG nShownAt = SecondsNow();
    EXPECT_GE(nShownAt, nNotice) << "shown before its notice moment";
    EXPECT_LE(nShownAt, nNotice + 1) << "shown late";
    const RECT rcPanel = WindowRect(windows[0]);
    const RECT rcNotice = WindowRect(windows[1]);
    EXPECT_EQ(rcPanel.top, rcNotice.bottom) << "the notice's lowest row lies just above the panel";
    EXPECT_EQ(rcPanel.left, rcNotice.left);
    EXPECT_EQ(rcPanel.right, rcNotice.right);

    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, 5000)) << "open past its show time";
    EXPECT_GE(SecondsNow(), nShownAt + 1) << "closed before its show time";
}
