// The time table and task dialogs in-process, opened from the main dialog on a test TimeTable.ini.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "framework/CComboBox.h"
#include "framework/CListCtrl.h"
#include "framework/CWinApp.h"
#include "framework/WholeFile.h"
#include "res/resource.h"
#include "tests/wine/support/FailingFileSystem.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/TimerSteps.h"
#include "tests/wine/support/WindowPicture.h"
#include "timetable/CTaskDlg.h"
#include "timetable/CTimeTableDlg.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <tuple>

namespace {

// Quoted words, a trailing backslash, a year and a month no combo offers, a sound, other sections.
const std::string kFile = ReadWholeFile(TEMPIVA_TEST_DATA "TimeTable.ini").value();

CListCtrl& List()
{
    return ControlOf<CListCtrl>(ShowingWindowOf<CTimeTableDlg>()->m_hWnd, IDC_TASK_LIST);
}

std::function<bool()> InTaskDialog(std::function<void(CTaskDlg&)> action, int nButton = IDOK)
{
    return [action, nButton] {
        CTaskDlg* pDialog = ShowingWindowOf<CTaskDlg>();
        return pDialog != nullptr && (action(*pDialog), pDialog->PostMessage(WM_COMMAND, nButton), true);
    };
}

std::function<bool()> InTimeTable(std::function<void(CTimeTableDlg&)> action)
{
    return [action] {
        CTimeTableDlg* pDialog = ShowingWindowOf<CTimeTableDlg>();
        return pDialog != nullptr && ShowingWindowOf<CTaskDlg>() == nullptr && ::IsWindowEnabled(pDialog->m_hWnd) &&
               (action(*pDialog), true);
    };
}

void Choose(CTaskDlg& dialog, int nComboId, const std::string& strEntry)
{
    CComboBox& combo = ControlOf<CComboBox>(dialog.m_hWnd, nComboId);
    EXPECT_NE(CB_ERR, combo.SetCurSel(combo.FindStringExact(-1, strEntry))) << strEntry;
}

std::string Shown(const CTaskDlg& dialog, int nId)
{
    char szText[300] = {};
    ::GetDlgItemTextA(dialog.m_hWnd, nId, szText, sizeof szText);
    return szText;
}

// The main dialog without panels: a notice is recorded instead.
class CRecordingMainDlg : public CMainDlg
{
public:
    using CMainDlg::CMainDlg;
    BOOL ShowClockPanel(TimeTask* pTask) override
    {
        m_shown.push_back(pTask != nullptr ? pTask->m_strText : "");
        return TRUE;
    }
    std::vector<std::string> m_shown;
};

class TimeTableDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().HOTKEY = static_cast<int>(VK_F14 << 16);
        m_folder.Write("TimeTable.ini", kFile);
    }
    void TearDown() override
    {
        m_main.SendMessage(WM_COMMAND, ID_APP_EXIT);
        DiscardMessages();
    }

    void RunTimeTableCommand(std::vector<std::function<bool()>> steps)
    {
        ASSERT_TRUE(m_main.IsWindow() || m_main.Create(IDD_MAIN));
        CTimerSteps timer(std::move(steps));
        m_main.SendMessage(WM_COMMAND, ID_TIMETABLE);
        EXPECT_TRUE(timer.AllDone()) << "the dialog ended before all steps ran";
    }

    CWinApp m_app;
    CScratchFolder m_folder;
    CFakeMessageBox m_box{IDYES};
    CRecordingMainDlg m_main{m_folder.Path()};
};

} // namespace

TEST_F(TimeTableDialogs, TheListShowsTheTaskColoursAndAddAndEditWorkOnCopiesThatOkWritesExactly)
{
    // Lunch is shown at 11:59:50, ten seconds before noon, at every tick of that second.
    CFakeClock clock(LocalTime(2026, 12, 8, 11, 59, 50));
    clock.m_stLocal.wDayOfWeek = 2; // Tuesday
    TheSettings().DELAY = 20;
    TheSettings().RGB_BACK = RGB(0x20, 0x28, 0x30);
    TheSettings().RGB_ON = RGB(0x40, 0xFF, 0x60);
    std::vector<std::string>& shown = m_main.m_shown;
    const auto ticked = [&shown] { return !shown.empty(); };
    RunTimeTableCommand(
        {ticked, InTimeTable([](CTimeTableDlg& dialog) {
             const CListCtrl& list = List();
             ASSERT_EQ(4, list.GetItemCount());
             EXPECT_EQ("火", list.GetItemText(2, 2));
             EXPECT_EQ("Lunch\\nnow", list.GetItemText(2, 9));
             EXPECT_EQ("13", list.GetItemText(3, 1));
             EXPECT_EQ("C:\\sounds\\chime.wav", list.GetItemText(3, 10));
             EXPECT_EQ(-1, list.GetSelectedItem());
             const CWindowPicture picture(list.m_hWnd, PictureSource::PrintClient);
             // The task's own colours in row 2, the settings' in row 3, none beside them.
             using Row = std::tuple<int, COLORREF, COLORREF>; // the row, its background and its text colour
             for (const auto& [nRow, crBack, crText] :
                  {Row{2, RGB(0, 0, 255), RGB(255, 0, 0)}, Row{3, RGB(0x20, 0x28, 0x30), RGB(0x40, 0xFF, 0x60)}})
             {
                 RECT rc{LVIR_BOUNDS, 8, 0, 0}; // the code and the column, as the message takes them
                 ::SendMessageA(list.m_hWnd, LVM_GETSUBITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc));
                 const int nArea = (rc.right - rc.left) * (rc.bottom - rc.top);
                 EXPECT_GT(picture.Count(crBack, rc), nArea / 2) << nRow;
                 EXPECT_GT(picture.Count(crText, rc), 10) << nRow << ": the word in the text colour";
                 EXPECT_EQ(0, picture.Count(crBack, RECT{rc.left - 20, rc.top, rc.left - 2, rc.bottom})) << nRow;
             }
             dialog.PostMessage(WM_COMMAND, IDC_TASK_ADD);
         }),
         InTaskDialog([](CTaskDlg&) {}, IDCANCEL),
         InTimeTable([](CTimeTableDlg& dialog) {
             EXPECT_EQ(4, List().GetItemCount());
             dialog.PostMessage(WM_COMMAND, IDC_TASK_ADD);
         }),
         InTaskDialog([](CTaskDlg& dialog) {
             // A new task: on the minute, 5 seconds early, 10 seconds long, the rest any.
             const std::pair<int, const char*> fields[] = {{IDC_TASK_YEAR, "*"},   {IDC_TASK_WEEKDAY, "*"},
                                                          {IDC_TASK_HOUR, "*"},   {IDC_TASK_MINUTE, "00"},
                                                          {IDC_TASK_LEAD, "05"}, {IDC_TASK_SHOW, "10"}};
             for (const auto& [nId, pszText] : fields)
                 EXPECT_EQ(pszText, Shown(dialog, nId)) << nId;
             Choose(dialog, IDC_TASK_WEEKDAY, "土");
             Choose(dialog, IDC_TASK_HOUR, "07");
             ::SetDlgItemTextA(dialog.m_hWnd, IDC_TASK_TEXT, "Up\\nnow\\tplease");
         }),
         InTimeTable([](CTimeTableDlg& dialog) {
             EXPECT_EQ(5, List().GetItemCount());
             EXPECT_EQ(4, List().GetSelectedItem());
             EXPECT_EQ("Up\\nnow\\tplease", List().GetItemText(4, 9));
             List().SelectItem(3);
             // Enter edits, wherever the focus is.
             ::PostMessageA(dialog.GetDlgItem(IDOK), WM_KEYDOWN, VK_RETURN, 0);
         }),
         InTaskDialog([](CTaskDlg& dialog) {
             EXPECT_EQ("2004", Shown(dialog, IDC_TASK_YEAR));
             EXPECT_EQ("13", Shown(dialog, IDC_TASK_MONTH));
             EXPECT_EQ("09", Shown(dialog, IDC_TASK_WEEKDAY));
             EXPECT_EQ("C:\\sounds\\chime.wav", Shown(dialog, IDC_TASK_SOUND));
             Choose(dialog, IDC_TASK_MINUTE, "45");
         }),
         InTimeTable([](CTimeTableDlg& dialog) {
             EXPECT_EQ(3, List().GetSelectedItem());
             List().SelectItem(2);
             dialog.PostMessage(WM_COMMAND, IDC_TASK_EDIT);
         }),
         InTaskDialog([](CTaskDlg& dialog) { ::SetDlgItemTextA(dialog.m_hWnd, IDC_TASK_TEXT, "new"); }),
         InTimeTable([&shown](CTimeTableDlg&) { shown.clear(); }), ticked,
         InTimeTable([&shown](CTimeTableDlg& dialog) {
             EXPECT_EQ("Lunch\nnow", shown.back()) << "the edited copy is not in force yet";
             dialog.PostMessage(WM_COMMAND, IDOK);
         })});
    std::string strExpected = kFile;
    strExpected.replace(strExpected.find("2004 13  * 09 08 30"), 19, "2004 13  * 09 08 45");
    strExpected.replace(strExpected.find("\"Lunch\\nnow\""), 12, "\"new\"");
    strExpected.insert(strExpected.find("[OTHER]"),
                       "   *  *  * 07 07 00 05 10      *      *  \"Up\\nnow\\tplease\"\r\n");
    EXPECT_EQ(strExpected, m_folder.Read("TimeTable.ini").value());
    ASSERT_EQ(5u, m_main.m_tasks.size());
    EXPECT_EQ(45, m_main.m_tasks[3]->m_nMinute) << "the main list is the new one";
    EXPECT_EQ("Up\nnow\tplease", m_main.m_tasks[4]->m_strText);
    EXPECT_TRUE(m_box.m_texts.empty());
    shown.clear();
    PumpMessages(5000, ticked);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ("new", shown.front()) << "the next tick runs on the new list";
}

TEST_F(TimeTableDialogs, DeleteAsksRefusesAReservedTaskAndCancelAfterAnyChangeWritesNothing)
{
    const auto pressDelete = [](int nRow) {
        return InTimeTable([nRow](CTimeTableDlg& dialog) {
            List().SelectItem(nRow);
            // The key works wherever the focus is: here on OK, which it must not press.
            ::PostMessageA(dialog.GetDlgItem(IDOK), WM_KEYDOWN, VK_DELETE, 0);
        });
    };
    const auto expectRows = [this](int nRows, int nSelected, size_t nBoxes) {
        return InTimeTable([this, nRows, nSelected, nBoxes](CTimeTableDlg&) {
            EXPECT_EQ(nRows, List().GetItemCount());
            EXPECT_EQ(nSelected, List().GetSelectedItem());
            EXPECT_EQ(nBoxes, m_box.m_texts.size());
            m_box.m_nAnswer = IDYES; // only the first delete is answered No
        });
    };
    CFailingFileSystem disk(0, 0); // counts the writes
    m_box.m_nAnswer = IDNO;
    RunTimeTableCommand({pressDelete(2), expectRows(4, 2, 1),
                         InTimeTable([](CTimeTableDlg& d) { d.PostMessage(WM_COMMAND, IDC_TASK_ADD); }),
                         InTaskDialog([](CTaskDlg&) {}), InTimeTable([](CTimeTableDlg& dialog) {
                             List().SelectItem(2);
                             dialog.PostMessage(WM_COMMAND, IDC_TASK_EDIT);
                         }),
                         InTaskDialog([](CTaskDlg& dialog) {
                             ::SetDlgItemTextA(dialog.m_hWnd, IDC_TASK_TEXT, "changed");
                         }),
                         pressDelete(1), expectRows(5, 1, 3), pressDelete(4), expectRows(4, 3, 4), pressDelete(2),
                         expectRows(3, 2, 5),
                         InTimeTable([](CTimeTableDlg& d) { d.PostMessage(WM_COMMAND, IDCANCEL); })});
    const std::string strAsk = "選択されているタスクを削除します。よろしいですか？";
    EXPECT_EQ((std::vector<std::string>{strAsk, strAsk, "このタスクは保護タスクなので削除できません"}),
              std::vector<std::string>(m_box.m_texts.begin(), m_box.m_texts.begin() + 3));
    EXPECT_EQ((std::vector<UINT>{MB_YESNO, MB_YESNO, MB_OK}),
              std::vector<UINT>(m_box.m_types.begin(), m_box.m_types.begin() + 3));
    EXPECT_EQ(kFile, m_folder.Read("TimeTable.ini").value());
    EXPECT_EQ(0, disk.m_nWriteSteps);
    ASSERT_EQ(4u, m_main.m_tasks.size());
    EXPECT_EQ("Lunch\nnow", m_main.m_tasks[2]->m_strText);
}
