// The main dialog in-process: start-up and its failures, the tick, EXIT while a dialog runs modally.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "app/SettingsStore.h"
#include "config/CConfigDlg.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/TimerSteps.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <functional>
#include <tuple>

namespace {

constexpr UINT kTestVirtualKey = VK_F13;

std::string Task(const std::string& strText, const char* pszWhen = "   *  *  *  * 12 00")
{
    return std::string(pszWhen) + "  *  *      *      *  \"" + strText + "\"\r\n";
}
std::string AnyTimeTask(const std::string& strText) { return Task(strText, "   *  *  *  *  *  *"); }

class CAliveDialog : public CDialog
{
public:
    explicit CAliveDialog(bool& bAlive) : CDialog(IDD_MAIN), m_bAlive(bAlive) { m_bAlive = true; }
    ~CAliveDialog() override { m_bAlive = false; }

private:
    bool& m_bAlive;
};

class CTestMainDlg : public CMainDlg
{
public:
    using CMainDlg::CMainDlg;

    BOOL ShowClockPanel(TimeTask* pTask) override
    {
        m_shown.push_back(pTask != nullptr ? pTask->m_strText : std::string("<hot key>"));
        return TRUE;
    }
    BOOL SetTimeFromServer() override { return ++m_nTimeSettings; }
    void RealTick() { CMainDlg::RunTaskTick(); }

    std::vector<std::string> m_shown;
    int m_nTimeSettings = 0;
    std::vector<ULONGLONG> m_ticks;
    size_t m_nTicksWanted = 0;
    bool m_bMakeConfig = false;
    int m_nConfigDialogsMade = 0;
    bool m_bConfigAlive = false;
    CDialog* m_pConfig = nullptr;

protected:
    BOOL RunTaskTick() override
    {
        m_ticks.push_back(::GetTickCount64());
        if (m_ticks.size() == m_nTicksWanted)
            ::PostQuitMessage(0);
        return TRUE;
    }
    std::unique_ptr<CDialog> MakeConfigDialog() override
    {
        if (!m_bMakeConfig)
            return nullptr;
        ++m_nConfigDialogsMade;
        auto pDialog = std::make_unique<CAliveDialog>(m_bConfigAlive);
        m_pConfig = pDialog.get();
        return pDialog;
    }
};

class CRecordingSoundPlayer : public ISoundPlayer
{
public:
    BOOL Play(const char* pszSound, HMODULE hModule, DWORD dwFlags) override
    {
        m_calls.emplace_back(pszSound, hModule, dwFlags);
        return FALSE; // as for a file that is not there
    }
    std::vector<std::tuple<std::string, HMODULE, DWORD>> m_calls;
};

class MainDlg : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().HOTKEY = static_cast<int>(kTestVirtualKey << 16);
        WriteTimeTable(Task("r0") + Task("r1"));
        ASSERT_TRUE(m_other.Create(IDD_MAIN));
        m_app.m_pMainWnd = &m_dlg; // its end ends the loop
    }

    // A quit posted by one test's EXIT must not end the next test's loop.
    void TearDown() override
    {
        ::UnregisterHotKey(m_other.m_hWnd, 1);
        if (m_dlg.IsWindow())
            m_dlg.DestroyWindow();
        DiscardMessages();
    }

    void WriteTimeTable(const std::string& strReserve, const std::string& strTasks = "")
    {
        m_folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + strReserve + "[TIMETABLE]\r\n" + strTasks);
    }

    // CONFIG as the menu posts it, with a step run once its dialog is up, inside its modal loop.
    void RunConfig(const std::function<void(CDialog&)>& step)
    {
        m_dlg.m_bMakeConfig = true;
        CTimerSteps steps({[&] {
            if (!m_dlg.m_bConfigAlive || !m_dlg.m_pConfig->IsWindow())
                return false;
            step(*m_dlg.m_pConfig);
            return true;
        }});
        m_dlg.PostMessage(WM_COMMAND, ID_CONFIG);
        m_app.Run();
    }

    CWinApp m_app;
    CScratchFolder m_folder;
    CFakeMessageBox m_box;
    CTestMainDlg m_dlg{m_folder.Path()};
    CDialog m_other{IDD_MAIN}; // another program's window, to take the hot key
};

} // namespace

TEST_F(MainDlg, StartUpTasksTakeTheirRoadsAndTheTickRunsWithPeriodDelay)
{
    TheSettings().DELAY = 50;
    m_dlg.m_nTicksWanted = 11;
    // A third reserved line is an ordinary task, and moves to the time table on save.
    const std::string strReserve = AnyTimeTask("reserved 0") + AnyTimeTask("reserved 1");
    WriteTimeTable(strReserve + Task("r2"), AnyTimeTask("third") + Task("timed"));
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    EXPECT_EQ((std::vector<std::string>{"reserved 0", "third"}), m_dlg.m_shown);
    EXPECT_EQ(1, m_dlg.m_nTimeSettings) << "reserved task 1 sets the clock instead of showing";
    std::vector<int> protectedFlags;
    for (const auto& pTask : m_dlg.m_tasks)
        protectedFlags.push_back(pTask->m_bProtected);
    EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 0}), protectedFlags);
    EXPECT_FALSE(m_dlg.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(m_box.m_texts.empty());
    m_dlg.SaveTimeTable();
    EXPECT_EQ("[TIMETABLE_RESERVE]\r\n" + strReserve + "[TIMETABLE]\r\n" + Task("r2") + AnyTimeTask("third") +
                  Task("timed"),
              m_folder.Read("TimeTable.ini").value());
    m_app.Run();
    ASSERT_EQ(11u, m_dlg.m_ticks.size());
    const ULONGLONG nElapsedMs = m_dlg.m_ticks.back() - m_dlg.m_ticks.front();
    // Ten periods, each re-armed after the tick: never shorter, and not wildly longer.
    EXPECT_GE(nElapsedMs, 10u * 50u - 20u);
    EXPECT_LE(nElapsedMs, 10u * 50u * 4u);

    m_dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_TRUE(m_dlg.IsWindow()) << "Enter never closes the resident dialog";
    m_dlg.SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_FALSE(m_dlg.IsWindow());
}

TEST_F(MainDlg, AHotKeyTakenElsewhereTooFewReservedTasksOrABadHolidayFileEndTheStart)
{
    ASSERT_TRUE(::RegisterHotKey(m_other.m_hWnd, 1, 0, kTestVirtualKey));
    EXPECT_FALSE(m_dlg.Create(IDD_MAIN));
    ASSERT_LE(2u, m_box.m_texts.size());
    EXPECT_EQ("ホットキーの設定に失敗しました。\n既に別のアプリケーションで使用している可能性があります\n", m_box.m_texts[0]);
    EXPECT_EQ("ホットキーの設定をして下さい。", m_box.m_texts[1]);
    EXPECT_EQ(0, TheSettings().HOTKEY);
    for (const std::string& strReserve : {std::string(), Task("only one")})
    {
        m_box.m_texts.clear();
        CTestMainDlg dlg(m_folder.Path());
        WriteTimeTable(strReserve);
        EXPECT_FALSE(dlg.Create(IDD_MAIN));
        EXPECT_FALSE(dlg.IsWindow());
        EXPECT_EQ(std::vector<std::string>{"ERROR: Time Table Format error\nファイル：" +
                                           m_folder.PathOf("TimeTable.ini") +
                                           "\nセクション：[TIMETABLE_RESERVE]\n理由：予約タスクが2つ必要です"},
                  m_box.m_texts);
    }
    m_box.m_texts.clear();
    WriteTimeTable(Task("r0") + Task("r1"));
    m_folder.Write("Holiday.ini", "[HOLIDAY]\r\n   *  1  1\r\n");
    CTestMainDlg dlg(m_folder.Path());
    EXPECT_FALSE(dlg.Create(IDD_MAIN));
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_EQ(1u, m_box.m_texts.size());
}

TEST_F(MainDlg, ExitDuringTheModalConfigDialogCancelsItAndFreesItAfterItsLoop)
{
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    RunConfig([this](CDialog& config) {
        m_dlg.SendMessage(WM_COMMAND, ID_CONFIG); // only brings the open one to the front
        EXPECT_TRUE(config.IsWindow());
        m_dlg.SendMessage(WM_COMMAND, ID_APP_EXIT);
        EXPECT_TRUE(m_dlg.m_bConfigAlive) << "freed while its modal loop still runs";
    });
    EXPECT_EQ(1, m_dlg.m_nConfigDialogsMade);
    EXPECT_FALSE(m_dlg.m_bConfigAlive);
    EXPECT_FALSE(m_dlg.IsWindow());
    EXPECT_TRUE(m_box.m_texts.empty()) << "no hot key re-registration after EXIT";
}

TEST_F(MainDlg, AKeyTakenWhileConfigRunsEndsTheProgramButTheFileKeepsTheUsersKey)
{
    const std::string strHotKeyLine = "HOTKEY=" + std::to_string(kTestVirtualKey << 16) + "\r\n";
    m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\n" + strHotKeyLine);
    ASSERT_TRUE(LoadSettingsFrom(m_folder.PathOf("Tempiva.ini")));
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    // Another program takes the key meanwhile; the user changes a setting the file must keep, then cancels.
    RunConfig([this](CDialog& config) {
        EXPECT_TRUE(::RegisterHotKey(m_other.m_hWnd, 1, 0, kTestVirtualKey));
        TheSettings().DRAW_SEC = 321;
        config.EndDialog(IDCANCEL);
    });
    EXPECT_FALSE(m_dlg.IsWindow());
    const std::vector<std::string> expected = {kHotKeyRefusedText, "ホットキーの設定ができないので終了します。"};
    EXPECT_EQ(expected, m_box.m_texts);
    EXPECT_EQ(0, TheSettings().HOTKEY);
    SaveSettings();
    const std::string strFile = m_folder.Read("Tempiva.ini").value_or("");
    EXPECT_NE(std::string::npos, strFile.find(strHotKeyLine)) << strFile;
    EXPECT_NE(std::string::npos, strFile.find("DRAW_SEC=321\r\n")) << strFile;
}

TEST_F(MainDlg, TheTickShowsAtTheLeadAndAsksForTheSoundOnceWithItsFlags)
{
    CFakeClock clock(LocalTime(2026, 12, 7, 11, 59, 58));
    CRecordingSoundPlayer player;
    CSoundPlayerScope sound(player);
    const std::string strPast = Task("", "2020  1  1  *  0  0");
    WriteTimeTable(strPast + strPast, "   *  *  *  * 12 00 01  *      *      *  \"lunch\" \"C:\\missing\\gone.wav\"\r\n");
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    m_dlg.m_shown.clear();
    // Four ticks a second from 11:59:58 to 12:00:01, as with DELAY 250.
    for (WORD wSecond : {58, 59, 0, 1})
    {
        clock.m_stLocal = LocalTime(2026, 12, 7, wSecond >= 58 ? 11 : 12, wSecond >= 58 ? 59 : 0, wSecond);
        clock.m_stLocal.wDayOfWeek = 1;
        for (int i = 0; i < 4; ++i)
            m_dlg.RealTick();
    }
    EXPECT_EQ(std::vector<std::string>(4, "lunch"), m_dlg.m_shown) << "shown on every tick of 11:59:59";
    const std::vector<std::tuple<std::string, HMODULE, DWORD>> expected = {
        {"C:\\missing\\gone.wav", nullptr, SND_FILENAME | SND_ASYNC}};
    EXPECT_EQ(expected, player.m_calls);
}
