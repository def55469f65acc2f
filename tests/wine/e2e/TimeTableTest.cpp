// The time table end to end: from the panel's menu to the saved file, and EXIT while both dialogs run.
#include "tests/wine/e2e/ProgramWindows.h"

#include <commctrl.h>

namespace {

// Reserved tasks of a past date and examples of a coming year: none falls due during a test.
const std::string kReserved = "2020 01 01  * 00 00  * 05      *      *  \"Tempiva を起動しました\"\r\n"
                              "2020 01 01  * 00 00  * 10      *      *  \"\"\r\n";
const std::string kTasks =
    "2030  *  * 02 09 00 30 30 FF0000      *  \"月曜日です|今週の予定を確認しましょう\"\r\n"
    "2030  *  *  * 17 30 00 20      *      *  \"本日もお疲れさまでした\\n戸締まりを確認してください\" "
    "\"C:\\Windows\\Media\\chimes.wav\"\r\n"
    "2030 12 25  * 09 00 00 15 FFFFFF B00000  \"メリークリスマス！\"\r\n"
    "2030 12 31  * 23 59 10  *      *      *  \"まもなく新年です\"\r\n";

LRESULT Send(HWND hDialog, int nId, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(::GetDlgItem(hDialog, nId), uMsg, wParam, lParam);
}

using TimeTable = ProgramTest;

} // namespace

TEST_F(TimeTable, ATaskAddedInTheDialogsIsSavedOnOkAndExitWhileTheyRunSavesNothing)
{
    Start("", kTasks, kReserved);
    const std::string strSaved =
        "[TIMETABLE_RESERVE]\r\n" + kReserved + "[TIMETABLE]\r\n" + kTasks +
        "   *  *  *  * 09 30 10 05      *      *  \"会議が始まります|第2会議室へ\"\r\n";
    for (const bool bExit : {false, true}) {
        if (bExit) // TIME TABLE... from the panel, which then stays open for EXIT
            ChooseFromPanelMenu({VK_UP, VK_UP, VK_UP, VK_RETURN});
        else
            ASSERT_TRUE(m_program.SendCommand(ID_TIMETABLE));
        HWND hTable = WaitForWindow("タイムテーブル");
        ASSERT_NE(nullptr, hTable);
        EXPECT_EQ(bExit ? 7 : 6, Send(hTable, IDC_TASK_LIST, LVM_GETITEMCOUNT));
        ::PostMessageA(hTable, WM_COMMAND, IDC_TASK_ADD, 0);
        HWND hTask = WaitForWindow("タスク");
        ASSERT_NE(nullptr, hTask);
        if (bExit) {
            ChooseFromPanelMenu({VK_UP, VK_RETURN}); // EXIT
            EXPECT_EQ(std::optional<DWORD>(0), m_program.WaitForExit(kWaitMs));
            EXPECT_EQ(strSaved, m_folder.Read("TimeTable.ini").value_or("<missing>"));
            break;
        }
        for (const auto& [nId, nValue] : // entry 0 of each combo is "*": the value n is entry n + 1
             {std::pair{IDC_TASK_HOUR, 9}, {IDC_TASK_MINUTE, 30}, {IDC_TASK_LEAD, 10}, {IDC_TASK_SHOW, 5}})
            Send(hTask, nId, CB_SETCURSEL, static_cast<WPARAM>(nValue + 1));
        Send(hTask, IDC_TASK_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("会議が始まります|第2会議室へ"));
        PictureWhenStill(hTask, "task-dialog.png");
        ::PostMessageA(hTask, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hTask); }, kWaitMs));
        EXPECT_EQ(6, Send(hTable, IDC_TASK_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED))
            << "the new task, selected";
        PictureWhenStill(hTable, "timetable-dialog.png");
        ::PostMessageA(hTable, WM_COMMAND, IDOK, 0);
        // Saved in the command that ends it: written once the main dialog answers (polling could hold it up).
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(hTable); }, kWaitMs));
        ASSERT_TRUE(::SendMessageTimeoutA(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, nullptr));
        EXPECT_EQ(strSaved, m_folder.Read("TimeTable.ini").value_or("<missing>"));
    }
}
