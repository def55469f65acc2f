// The time table end to end: TIME TABLE... from the panel's menu lists the file's tasks, a task
// added in the dialog is saved on OK and falls due without a restart, and EXIT while the
// dialogs run ends the program and leaves TimeTable.ini as it was. Both dialogs are the README's.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/LocalSeconds.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>

namespace {

constexpr DWORD kWaitMs = 10000;
// Time enough to fill in the dialogs before the new task's notice.
constexpr ULONGLONG kNoticeInSeconds = 25;

// Reserved tasks of a past date and examples of a coming year: none falls due during a test.
const std::string kTimeTable =
    "[TIMETABLE_RESERVE]\r\n"
    "2020 01 01  * 00 00  * 05      *      *  \"Tempiva を起動しました\"\r\n"
    "2020 01 01  * 00 00  * 10      *      *  \"\"\r\n"
    "[TIMETABLE]\r\n"
    "2030  *  * 02 09 00 30 30 FF0000      *  \"月曜日です|今週の予定を確認しましょう\"\r\n"
    "2030  *  *  * 17 30 00 20      *      *  \"本日もお疲れさまでした\\n戸締まりを確認してください\" "
    "\"C:\\Windows\\Media\\chimes.wav\"\r\n"
    "2030 12 25  * 09 00 00 15 FFFFFF B00000  \"メリークリスマス！\"\r\n"
    "2030 12 31  * 23 59 10  *      *      *  \"まもなく新年です\"\r\n";

LRESULT Send(HWND hDialog, int nId, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(::GetDlgItem(hDialog, nId), uMsg, wParam, lParam);
}

class TimeTableEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SetCursorPos(0, 0);
        m_folder.Write("TimeTable.ini", kTimeTable);
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F21 << 16) + "\r\n");
        ASSERT_TRUE(m_program.Start());
        m_hMain = m_program.WaitForMainDialog(kWaitMs);
        ASSERT_NE(nullptr, m_hMain);
    }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};

} // namespace

TEST_F(TimeTableEndToEnd, ATaskAddedInTheDialogFallsDueWithoutARestart)
{
    ChooseFromPanelMenu(m_program, m_hMain, {VK_UP, VK_UP, VK_UP, VK_RETURN}); // TIME TABLE...
    HWND hTable = WaitForDialog(m_program, "タイムテーブル");
    ASSERT_NE(nullptr, hTable);
    // The hot key closes the panel, so that only the new task's notice can open one.
    ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
    ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).empty(); }, kWaitMs));
    EXPECT_EQ(6, Send(hTable, IDC_TASK_LIST, LVM_GETITEMCOUNT));

    ::PostMessageA(hTable, WM_COMMAND, IDC_TASK_ADD, 0);
    HWND hTask = WaitForDialog(m_program, "タスク");
    ASSERT_NE(nullptr, hTask);
    // Due at the start of a coming minute, shown kNoticeInSeconds from now, for 5 seconds.
    ULONGLONG nNotice = SecondsNow() + kNoticeInSeconds;
    nNotice += nNotice % 60 == 0 ? 1 : 0; // a lead of 60 seconds is not offered
    const SYSTEMTIME stDue = FromSeconds((nNotice / 60 + 1) * 60);
    const int nLead = static_cast<int>((nNotice / 60 + 1) * 60 - nNotice);
    // Entry 0 of each combo is "*": the value n is entry n + 1.
    const std::pair<int, int> choices[] = {{IDC_TASK_HOUR, stDue.wHour},
                                           {IDC_TASK_MINUTE, stDue.wMinute},
                                           {IDC_TASK_LEAD, nLead},
                                           {IDC_TASK_SHOW, 5}};
    for (const auto& [nId, nValue] : choices)
        Send(hTask, nId, CB_SETCURSEL, static_cast<WPARAM>(nValue + 1));
    Send(hTask, IDC_TASK_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("会議が始まります|第2会議室へ"));
    ::Sleep(1000); // the controls' first paint
    Screenshot(ClientOnScreen(hTask), "task-dialog.png");
    ::PostMessageA(hTask, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hTask); }, kWaitMs));
    EXPECT_EQ(7, Send(hTable, IDC_TASK_LIST, LVM_GETITEMCOUNT));
    EXPECT_EQ(6, Send(hTable, IDC_TASK_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    ::Sleep(500);
    Screenshot(ClientOnScreen(hTable), "timetable-dialog.png");
    ::PostMessageA(hTable, WM_COMMAND, IDOK, 0);

    // The save follows the dialog's end in the same command; a message the main dialog answers
    // after it comes back to its loop. (Reading the file meanwhile could hold up its replacement.)
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hTable); }, kWaitMs));
    DWORD_PTR nReply = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &nReply));
    char szLine[128];
    std::snprintf(szLine, sizeof szLine, "   *  *  *  * %02u %02u %02d 05      *      *  \"", stDue.wHour,
                  stDue.wMinute, nLead);
    EXPECT_EQ(kTimeTable + szLine + "会議が始まります|第2会議室へ\"\r\n",
              m_folder.Read("TimeTable.ini").value_or("<missing>"));

    const DWORD nUntilNoticeMs = static_cast<DWORD>((nNotice - std::min(nNotice, SecondsNow()) + 3) * 1000);
    ASSERT_TRUE(WaitUntil([&] { return ToolWindows(m_program).size() == 2; }, nUntilNoticeMs))
        << "the panel with the new task's notice";
    EXPECT_GE(SecondsNow(), nNotice) << "shown before its notice moment";
}

TEST_F(TimeTableEndToEnd, ExitWhileTheDialogsRunEndsCleanlyAndLeavesTheFileAsItWas)
{
    ASSERT_TRUE(m_program.SendCommand(ID_TIMETABLE));
    HWND hTable = WaitForDialog(m_program, "タイムテーブル");
    ASSERT_NE(nullptr, hTable);
    ::PostMessageA(hTable, WM_COMMAND, IDC_TASK_ADD, 0);
    ASSERT_NE(nullptr, WaitForDialog(m_program, "タスク"));
    ChooseFromPanelMenu(m_program, m_hMain, {}, 'E');
    EXPECT_EQ(std::optional<DWORD>(0), m_program.WaitForExit(kWaitMs));
    EXPECT_EQ(kTimeTable, m_folder.Read("TimeTable.ini").value_or("<missing>"));
}
