// Tasks falling due end to end: the panel opens at the notice moment with the task's notice
// above it, stacks a second notice, and closes after the show time; a missing sound file
// breaks nothing; thirty notices of one second stand in columns inside the work area.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/LocalSeconds.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

constexpr DWORD kWaitMs = 10000;
constexpr int kNoticeInSeconds = 5;
// Reserved tasks of a past date: never due, never run at start-up.
const char* const kReserved = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n"
                              "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";

// A task due at the start of a coming minute whose notice comes kNoticeInSeconds from now.
struct CDueTask
{
    ULONGLONG nNoticeAt = 0;
    std::string strWhen; // the ten fields up to the colours
};

CDueTask DueSoon(int nShowSeconds)
{
    const ULONGLONG nNow = SecondsNow();
    const ULONGLONG nNotice = nNow + kNoticeInSeconds;
    // The due minute comes after the notice, so the lead is at least one second.
    const ULONGLONG nDue = (nNotice / 60 + 1) * 60;
    const SYSTEMTIME st = FromSeconds(nDue);
    char szWhen[96];
    std::snprintf(szWhen, sizeof szWhen, "%4u %2u %2u  * %2u %2u %2u %2d", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute, static_cast<unsigned>(nDue - nNotice), nShowSeconds);
    return {nNotice, szWhen};
}

// Bottom to top: the panel first, then its notices as they stack upwards.
std::vector<HWND> Stack(const CProgramUnderTest& program)
{
    std::vector<HWND> windows = ToolWindows(program);
    std::sort(windows.begin(), windows.end(),
              [](HWND a, HWND b) { return WindowRect(a).bottom > WindowRect(b).bottom; });
    return windows;
}

// Thirty start-up tasks: a busy minute's thirty notices, all at once.
std::string ThirtyStartUpTasks()
{
    const char* const colours[] = {"     *      *", "40FF60 202830", "FFFFFF A03020", "202020 F0D040"};
    const char* const texts[] = {" 朝会 第2会議室", " 田中さんに電話", " 資料を印刷", " 薬を飲む"};
    std::string strTasks;
    for (int i = 0; i < 30; ++i)
        strTasks += std::string("* * * * * * 0 120 ") + colours[i % 4] + " \"" + (i < 9 ? "0" : "") +
                    std::to_string(i + 1) + texts[i % 4] + "\"\r\n";
    return strTasks;
}

class TaskNotices : public ::testing::Test
{
protected:
    void Start(const std::string& strTasks, const std::string& strSettings = "")
    {
        ::SetCursorPos(0, 0);
        m_folder.Write("TimeTable.ini", std::string("[TIMETABLE_RESERVE]\r\n") + kReserved + "[TIMETABLE]\r\n" + strTasks);
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F21 << 16) + "\r\n" + strSettings);
        ASSERT_TRUE(m_program.Start());
        ASSERT_NE(nullptr, m_program.WaitForMainDialog(kWaitMs));
    }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
};

} // namespace

TEST_F(TaskNotices, TheDueTaskOpensThePanelAtItsSecondAndItClosesAfterItsShowTime)
{
    const CDueTask task = DueSoon(3);
    Start(task.strWhen + " 40FF60 202830  \"A first page|and a second\"\r\n");
    ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 2; }, (kNoticeInSeconds + 3) * 1000));
    const ULONGLONG nShownAt = SecondsNow();
    EXPECT_GE(nShownAt, task.nNoticeAt) << "shown before its notice moment";
    EXPECT_LE(nShownAt, task.nNoticeAt + 1) << "shown late";

    const std::vector<HWND> stack = Stack(m_program);
    const RECT rcPanel = WindowRect(stack[0]);
    const RECT rcNotice = WindowRect(stack[1]);
    EXPECT_EQ(rcPanel.top, rcNotice.bottom) << "the notice's lowest row lies just above the panel";
    EXPECT_EQ(rcPanel.left, rcNotice.left);
    EXPECT_EQ(rcPanel.right, rcNotice.right);

    // Three seconds of show time, the pointer away: the panel and its notice go.
    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, 6000));
    EXPECT_GE(SecondsNow(), nShownAt + 2) << "closed before its show time";
    EXPECT_TRUE(m_program.IsRunning());
}

TEST_F(TaskNotices, ASecondTaskOfTheSameSecondStacksItsNoticeOnTop)
{
    const CDueTask task = DueSoon(30);
    Start(task.strWhen + " 40FF60 202830  \"First task\"\r\n" + task.strWhen +
          "      *      *  \"Second task|stacked on top\"\r\n");
    ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 3; }, (kNoticeInSeconds + 3) * 1000));
    const std::vector<HWND> stack = Stack(m_program);
    EXPECT_EQ(WindowRect(stack[0]).top, WindowRect(stack[1]).bottom);
    EXPECT_EQ(WindowRect(stack[1]).top, WindowRect(stack[2]).bottom);

    ::Sleep(1500); // the entrance animations
    RECT rcAll = WindowRect(stack[0]);
    rcAll.top = WindowRect(stack[2]).top;
    const std::vector<std::uint32_t> pixels = Screenshot(rcAll, "panel-notices.png");
    const int nWidth = rcAll.right - rcAll.left;
    // The older notice keeps its own background; the newer uses the settings' default.
    // Inside the frame (3 pixels) and the control's margin (5 across, 2 down).
    const int nOlderRow = WindowRect(stack[1]).top - rcAll.top + 8;
    EXPECT_EQ(0x202830u, pixels[static_cast<size_t>(nOlderRow) * nWidth + nWidth - 12]);
}

TEST_F(TaskNotices, AMissingSoundFileStillShowsTheNotice)
{
    const CDueTask task = DueSoon(2);
    Start(task.strWhen + "      *      *  \"No sound\" \"C:\\missing\\gone.wav\"\r\n");
    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 2; }, (kNoticeInSeconds + 3) * 1000));
    EXPECT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, 6000));
    EXPECT_TRUE(m_program.IsRunning());
}

TEST_F(TaskNotices, InATopCornerNoticesStackDownwardsBelowThePanel)
{
    const CDueTask task = DueSoon(30);
    Start(task.strWhen + "      *      *  \"First\"\r\n" + task.strWhen + "      *      *  \"Second\"\r\n",
          "DISP_POS=1\r\n");
    ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 3; }, (kNoticeInSeconds + 3) * 1000));
    std::vector<HWND> stack = ToolWindows(m_program);
    std::sort(stack.begin(), stack.end(), [](HWND a, HWND b) { return WindowRect(a).top < WindowRect(b).top; });
    RECT rcWork{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_EQ(rcWork.top, WindowRect(stack[0]).top) << "the panel sits in the top corner";
    EXPECT_EQ(WindowRect(stack[0]).bottom, WindowRect(stack[1]).top) << "the first notice right under the panel";
    EXPECT_EQ(WindowRect(stack[1]).bottom, WindowRect(stack[2]).top) << "the newer one under it";
    EXPECT_EQ(WindowRect(stack[0]).right, WindowRect(stack[2]).right);
}

class BusyMinute : public TaskNotices, public ::testing::WithParamInterface<int>
{
};

TEST_P(BusyMinute, ThirtyNoticesOfOneSecondAllStayInsideTheWorkArea)
{
    const int nCorner = GetParam();
    Start(ThirtyStartUpTasks(), "DISP_POS=" + std::to_string(nCorner) + "\r\nDRAW_SEC=20\r\n");
    ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 31; }, 20000));
    const HWND hPanel = FindPanel(m_program);
    ASSERT_NE(nullptr, hPanel);
    RECT rcWork{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    RECT rcAll = WindowRect(hPanel);
    std::set<LONG> columns;
    for (HWND hWnd : ToolWindows(m_program))
    {
        const RECT rc = WindowRect(hWnd);
        RECT rcCommon{};
        ::IntersectRect(&rcCommon, &rc, &rcWork);
        EXPECT_TRUE(::EqualRect(&rcCommon, &rc)) << "wholly inside: " << rc.left << ", " << rc.top;
        columns.insert(rc.left);
        ::UnionRect(&rcAll, &rcAll, &rc);
    }
    // About 19 notices fit in 1024 rows: the second column stands beside the panel, away from
    // the screen's edge.
    ASSERT_EQ(2u, columns.size());
    const LONG nPanelLeft = WindowRect(hPanel).left;
    EXPECT_TRUE(nCorner == 3 ? *columns.begin() < nPanelLeft : *columns.rbegin() > nPanelLeft);
    if (nCorner == 3)
    {
        ::Sleep(300); // the last entrance
        Screenshot(rcAll, "notice-columns.png");
    }
}

INSTANTIATE_TEST_SUITE_P(BottomRightAndTopLeft, BusyMinute, ::testing::Values(3, 0));
