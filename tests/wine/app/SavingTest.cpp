// Saving survives what a resident program meets over months, and the end of the session before EXIT.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "app/SettingsStore.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/FailingFileSystem.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/TimerSteps.h"
#include "timetable/TaskFile.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const std::string kTask = "   *  *  *  * 12 00  *  *      *      *  \"noon\"\r\n";
const std::string kTimeTable = "[TIMETABLE_RESERVE]\r\n" + kTask + kTask + "[TIMETABLE]\r\n";
// More than one write's worth, so that a save takes several writes.
const std::string kForeignSection = "[MINE]\r\n; " + std::string(150 * 1024, 'x') + "\r\nKEEP=1\r\n";

class Saving : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().m_strIniPath = m_folder.PathOf("Tempiva.ini");
        TheSettings().HOTKEY = static_cast<int>(VK_F14 << 16);
    }

    std::string Read(const char* pszName) const { return m_folder.Read(pszName).value_or("<missing>"); }

    // Fails each write step in turn until the save gets through: every failure leaves the old file whole.
    template <typename Save> void CutShortAtEveryStep(const char* pszName, const std::string& strOld, Save save)
    {
        for (int nStep = 1;; ++nStep)
        {
            SCOPED_TRACE(nStep);
            ASSERT_LT(nStep, 20) << "the save never got through";
            m_folder.Write(pszName, strOld);
            CFailingFileSystem disk(nStep, 0);
            const BOOL bSaved = save();
            const DWORD dwError = ::GetLastError();
            EXPECT_FALSE(m_folder.Read(std::string(pszName) + ".new").has_value());
            if (bSaved)
            {
                EXPECT_GE(nStep, 5) << "open, two writes or more, flush and move: each can fail";
                return;
            }
            EXPECT_EQ(ERROR_DISK_FULL, dwError);
            ASSERT_EQ(strOld, Read(pszName)) << "a failed save must leave the old file";
        }
    }

    CWinApp m_app;
    CScratchFolder m_folder;
    CFakeMessageBox m_box;
};

} // namespace

TEST_F(Saving, CutShortAtAnyStepOrByAReadErrorASaveLeavesTheOldFileWhole)
{
    TheSettings().DRAW_SEC = 777;
    CutShortAtEveryStep("Tempiva.ini", "[TEMPIVA]\r\nDRAW_SEC=1\r\n" + kForeignSection, [] { return SaveSettings(); });
    const std::string strFile = Read("Tempiva.ini");
    EXPECT_NE(std::string::npos, strFile.find("DRAW_SEC=777\r\n"));
    EXPECT_EQ(std::string::npos, strFile.find("DRAW_SEC=1\r\n"));
    EXPECT_NE(std::string::npos, strFile.find(kForeignSection)) << "what is not ours stays";

    const std::string strPath = m_folder.PathOf("TimeTable.ini");
    TaskList tasks;
    m_folder.Write("TimeTable.ini", "[TIMETABLE]\r\n" + kTask);
    ASSERT_TRUE(LoadTaskSection(strPath, tasks, "TIMETABLE"));
    CutShortAtEveryStep("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n[TIMETABLE]\r\n" + kForeignSection,
                        [&] { return SaveTaskSections(strPath, {{"TIMETABLE_RESERVE", {tasks[0].get()}}, {"TIMETABLE", {}}}); });
    EXPECT_EQ("[TIMETABLE_RESERVE]\r\n" + kTask + "[TIMETABLE]\r\n" + kForeignSection, Read("TimeTable.ini"));

    // The second read fails: what came before it is not the whole file.
    const std::string strOld = "[TIMETABLE]\r\n" + kTask + kForeignSection;
    m_folder.Write("TimeTable.ini", strOld);
    m_folder.Write("Tempiva.ini", strOld);
    {
        CFailingFileSystem disk(0, 2);
        EXPECT_FALSE(SaveTaskSection(strPath, {tasks[0].get()}, "TIMETABLE"));
        disk.m_nReads = disk.m_nWriteSteps = 0;
        EXPECT_FALSE(SaveSettings());
        EXPECT_EQ(0, disk.m_nWriteSteps);
    }
    EXPECT_EQ(strOld, Read("TimeTable.ini"));
    EXPECT_EQ(strOld, Read("Tempiva.ini"));
}

TEST_F(Saving, AFailedSaveAfterADialogsOkOrOnTheFirstRunIsReportedOnceWithItsPath)
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    for (const auto& [nCommand, pszFile] : {std::pair{ID_TIMETABLE, "TimeTable.ini"}, {ID_CONFIG, "Tempiva.ini"}})
    {
        SCOPED_TRACE(pszFile);
        m_box.m_texts.clear();
        m_folder.Write("TimeTable.ini", kTimeTable);
        CMainDlg dlg(m_folder.Path());
        ASSERT_TRUE(dlg.Create(IDD_MAIN));
        {
            CFailingFileSystem disk(4, 0); // the move
            CTimerSteps confirm({AnswerDialog(IDOK)});
            dlg.SendMessage(WM_COMMAND, nCommand);
        }
        ASSERT_EQ(1u, m_box.m_texts.size());
        EXPECT_EQ(0u, m_box.m_texts[0].find(m_folder.PathOf(pszFile) + " を保存できませんでした。\n"));
        EXPECT_GT(m_box.m_texts[0].size(), m_folder.PathOf(pszFile).size() + 30) << "and the system's reason";
        EXPECT_TRUE(dlg.IsWindow()) << "the program goes on";
        dlg.SendMessage(WM_COMMAND, ID_APP_EXIT);
    }
    // A folder in the file's place: nothing is read (a first run), and the save cannot replace it.
    const std::string strIni = m_folder.PathOf("Tempiva.ini");
    m_box.m_texts.clear();
    ASSERT_TRUE(::CreateDirectoryA(strIni.c_str(), nullptr));
    LoadSettingsFrom(strIni);
    ASSERT_EQ(2u, m_box.m_texts.size()) << "the first-run greeting, then the failure";
    EXPECT_EQ(0u, m_box.m_texts[1].find(strIni + " を保存できませんでした。\n")) << m_box.m_texts[1];
    ::RemoveDirectoryA(strIni.c_str());
}

TEST_F(Saving, TheEndOfTheSessionSavesTheSettingsAsExitWould)
{
    m_folder.Write("TimeTable.ini", kTimeTable);
    {
        CMainDlg dlg(m_folder.Path());
        ASSERT_TRUE(dlg.Create(IDD_MAIN));
        TheSettings().DRAW_SEC = 321;
        // As the system does at logoff: ask every top-level window, then tell each.
        const std::vector<CWnd*> windows = ThreadWindowsOf<CWnd>();
        ASSERT_FALSE(windows.empty());
        for (CWnd* pWnd : windows)
            EXPECT_TRUE(pWnd->SendMessage(WM_QUERYENDSESSION));
        for (CWnd* pWnd : windows)
            pWnd->SendMessage(WM_ENDSESSION, TRUE);
        EXPECT_NE(std::string::npos, Read("Tempiva.ini").find("DRAW_SEC=321\r\n"));
        // The program ends as the CONFIG road ends it: the main dialog goes, nothing else.
        dlg.DestroyWindow();
    }
    EXPECT_TRUE(ThreadWindowsOf<CWnd>().empty()) << "the hidden owner must go with the main dialog";
    EXPECT_TRUE(m_box.m_texts.empty());
}
