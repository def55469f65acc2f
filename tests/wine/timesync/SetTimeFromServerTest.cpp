// Setting the clock from a time server in-process: the real main dialog asks a loopback test
// server, decides, and shows its report on the real panel as reserved task 1's notice. The
// clock setter is a recorder and the client's clock is fixed, so offsets are exact.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/CClockSetterRecorder.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/timesync/CTestNtpServer.h"
#include "timesync/NtpClock.h"
#include "timetable/CTaskNoticeWnd.h"

#include <gtest/gtest.h>

#include <winsock.h>

#include <tuple>

namespace {

const char* const kOwnText = "reserved task 1's own text";
// " 時刻に失敗しました。" in Shift-JIS, spelt out so that the encoding itself is pinned.
const char* const kSettingFailedBytes = "\x20\x8E\x9E\x8D\x8F\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5"
                                        "\x82\xBD\x81\x42";

std::string ReservedLine(const std::string& strText)
{
    // A date long past: the tick never shows it.
    return "2000  1  1  *  0  0  0  3  *  *  \"" + strText + "\"\r\n";
}

// A client on a token that will not grant the privilege.
class CRefusedPrivilegeClient : public CSntpClient
{
public:
    BOOL EnableSetTimePrivilege() override { return FALSE; }
};

class CReportingMainDlg : public CMainDlg
{
public:
    using CMainDlg::CMainDlg;

    // The real panel shows the report; the text the panel was given and the notice's own
    // text are both kept.
    BOOL ShowClockPanel(TimeTask* pTask) override
    {
        m_reports.push_back(pTask != nullptr ? pTask->m_strText : std::string("<no task>"));
        const BOOL bResult = CMainDlg::ShowClockPanel(pTask);
        m_notices.push_back(NoticeTexts());
        return bResult;
    }

    std::vector<std::string> m_reports;
    std::vector<std::vector<std::string>> m_notices;
    bool m_bRefusePrivilege = false;

protected:
    std::unique_ptr<CSntpClient> MakeSntpClient() override
    {
        std::unique_ptr<CSntpClient> pClient =
            m_bRefusePrivilege ? std::make_unique<CRefusedPrivilegeClient>() : CMainDlg::MakeSntpClient();
        // The loopback server answers at once: only the silent one is waited for, and the
        // client's own tests time the full wait.
        pClient->m_nTimeoutMs = 500;
        return pClient;
    }

private:
    static std::vector<std::string> NoticeTexts()
    {
        std::vector<std::string> texts;
        for (CTaskNoticeWnd* pNotice : ThreadWindowsOf<CTaskNoticeWnd>())
            texts.push_back(pNotice->m_scroller.GetText());
        return texts;
    }
};

class SetTimeFromServer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().HOTKEY = static_cast<int>(VK_F13 << 16);
        TheSettings().DRAW_SEC = 1;
        TheSettings().USE_NTP = 1;
        TheSettings().SERVER[0] = "127.0.0.1";
        m_folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + ReservedLine("task 0") + ReservedLine(kOwnText) +
                                            "[TIMETABLE]\r\n");
        m_app.m_pMainWnd = &m_dlg;
    }

    void TearDown() override
    {
        if (m_dlg.IsWindow())
            m_dlg.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
        }
    }

    // A server whose clock is the client's fixed clock moved by the offset, on its own port.
    std::unique_ptr<CTestNtpServer> StartServer(double dOffsetSeconds, bool bSilent = false)
    {
        CTestNtpServer::Behaviour behaviour;
        behaviour.dOffsetSeconds = dOffsetSeconds;
        behaviour.bSilent = bSilent;
        behaviour.clock = [] { return NtpNow(); };
        auto pServer = std::make_unique<CTestNtpServer>(behaviour);
        TheSettings().PORT = pServer->Port();
        return pServer;
    }

    // SET TIME as the panel's menu sends it.
    void SetTime()
    {
        ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
        m_dlg.SendMessage(WM_COMMAND, ID_SETTIME);
    }

    void ExpectReported(const std::string& strReport)
    {
        ASSERT_EQ(std::vector<std::string>{strReport}, m_dlg.m_reports);
        ASSERT_EQ(1u, m_dlg.m_notices.size());
        EXPECT_EQ(std::vector<std::string>{strReport}, m_dlg.m_notices[0]) << "the panel shows it as a notice";
        EXPECT_EQ(kOwnText, m_dlg.m_tasks[1]->m_strText) << "the task's own text is back";
    }

    CFakeClock m_clock{LocalTime(2026, 12, 7, 10, 0, 0)};
    CClockSetterRecorder m_setter;
    CWinApp m_app;
    CScratchFolder m_folder;
    CReportingMainDlg m_dlg{m_folder.Path()};
};

} // namespace

TEST_F(SetTimeFromServer, DoesNothingUnlessUseNtpAndServer1AreSet)
{
    const auto pServer = StartServer(10.0);
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));

    TheSettings().USE_NTP = 0;
    EXPECT_FALSE(m_dlg.SetTimeFromServer());
    // SERVER2 is never a stand-in for SERVER1.
    TheSettings().USE_NTP = 1;
    TheSettings().SERVER[0].clear();
    TheSettings().SERVER[1] = "127.0.0.1";
    EXPECT_FALSE(m_dlg.SetTimeFromServer());
    m_dlg.SendMessage(WM_COMMAND, ID_SETTIME);

    EXPECT_TRUE(pServer->Requests().empty());
    EXPECT_TRUE(m_dlg.m_reports.empty());
    EXPECT_TRUE(m_setter.m_times.empty());
}

struct SetCase
{
    double dOffsetSeconds;
    const char* pszShown;
    // The fixed clock reads 10:00:00.000, taken as 10:00:00.0005 (the middle of its
    // millisecond); the stamp's fraction is rounded to the millisecond.
    SYSTEMTIME stSet;
};

class SetTimeFromServerSets : public SetTimeFromServer, public ::testing::WithParamInterface<SetCase>
{
};

TEST_P(SetTimeFromServerSets, ToAFreshReadingPlusTheOffsetAndReportsTheComputedOffset)
{
    const SetCase& c = GetParam();
    const auto pServer = StartServer(c.dOffsetSeconds);
    SetTime();
    ExpectReported(std::string(" 時刻を合わせました。\n ") + c.pszShown + " 秒補正しました。");
    ASSERT_EQ(1u, m_setter.m_times.size());
    const SYSTEMTIME& st = m_setter.m_times[0];
    const SYSTEMTIME& want = c.stSet;
    EXPECT_EQ(std::make_tuple(want.wYear, want.wMonth, want.wDay, want.wHour, want.wMinute, want.wSecond,
                              want.wMilliseconds),
              std::make_tuple(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds));
}

SYSTEMTIME At(WORD wHour, WORD wMinute, WORD wSecond, WORD wMilliseconds)
{
    SYSTEMTIME st = LocalTime(2026, 12, 7, wHour, wMinute, wSecond);
    st.wMilliseconds = wMilliseconds;
    return st;
}

// +3599.9996 prints as 3600.000, yet it is under the hour and is set.
INSTANTIATE_TEST_SUITE_P(Offsets, SetTimeFromServerSets,
                         ::testing::Values(SetCase{3599.9996, "3600.000", At(11, 0, 0, 0)},
                                           SetCase{0.0004, "0.000", At(10, 0, 0, 1)},
                                           SetCase{-0.25, "-0.250", At(9, 59, 59, 751)}));

class SetTimeFromServerRefuses : public SetTimeFromServer, public ::testing::WithParamInterface<double>
{
};

TEST_P(SetTimeFromServerRefuses, AnHourOffEitherWayAndLeavesTheClockAlone)
{
    const auto pServer = StartServer(GetParam());
    SetTime();
    ExpectReported(" １時間以上ずれています。手動で調整して下さい。");
    EXPECT_TRUE(m_setter.m_times.empty());
}

// Exactly an hour counts as too much.
INSTANTIATE_TEST_SUITE_P(Offsets, SetTimeFromServerRefuses, ::testing::Values(-3600.0, 3600.0, 7200.0));

// Without the privilege nothing is tried; a token without the right still switches "on",
// and then the system refuses the time.
TEST_F(SetTimeFromServer, ARefusedPrivilegeGivesTheThirdMessageWithoutAnAttempt)
{
    const auto pServer = StartServer(2.0);
    m_dlg.m_bRefusePrivilege = true;
    SetTime();
    ExpectReported(kSettingFailedBytes);
    EXPECT_TRUE(m_setter.m_times.empty());
}

TEST_F(SetTimeFromServer, ARefusedSettingGivesTheThirdMessage)
{
    const auto pServer = StartServer(2.0);
    CClockSetterRecorder refusing(FALSE);
    SetTime();
    ExpectReported(kSettingFailedBytes);
    EXPECT_EQ(1u, refusing.m_times.size());
}

TEST_F(SetTimeFromServer, ASilentServerIsReportedWithTheTimeOutCode)
{
    const auto pServer = StartServer(0.0, true);
    SetTime();
    ExpectReported(" 時刻に失敗しました。\n Failed to retreive time from NTP server, GetLastError returned 10060\n");
    EXPECT_EQ(1u, pServer->Requests().size());
    EXPECT_TRUE(m_setter.m_times.empty());
}

// The report as the user sees it: the notice standing on the panel (the README's picture).
TEST_F(SetTimeFromServer, TheReportStandsOnThePanel)
{
    const auto pServer = StartServer(1.25);
    SetTime();
    ASSERT_NE(nullptr, m_dlg.Panel());
    const std::vector<CTaskNoticeWnd*> notices = ThreadWindowsOf<CTaskNoticeWnd>();
    ASSERT_EQ(1u, notices.size());
    const HWND hNotice = notices[0]->m_hWnd;
    PumpMessages(2500); // the text scrolls in and comes to rest
    RECT rcPanel{};
    RECT rcNotice{};
    ::GetWindowRect(m_dlg.Panel()->m_hWnd, &rcPanel);
    ::GetWindowRect(hNotice, &rcNotice);
    EXPECT_EQ(rcPanel.top, rcNotice.bottom);
    RECT rcAll = rcPanel;
    rcAll.top = rcNotice.top;
    EXPECT_FALSE(Screenshot(rcAll, "panel-clockset.png").empty());
}
