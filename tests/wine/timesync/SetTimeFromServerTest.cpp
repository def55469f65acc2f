// SET TIME in-process: the real main dialog asks a loopback server and shows its report as reserved task
// 1's notice on the real panel. The setter records and the clock is fixed, so offsets are exact.
#include "app/AppSettings.h"
#include "app/CMainDlg.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/CClockSetterRecorder.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/WindowPicture.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/timesync/CTestNtpServer.h"
#include "timesync/NtpClock.h"
#include "timetable/CTaskNoticeWnd.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const char* const kOwnText = "reserved task 1's own text";
const char* const kSettingFailed = " 時刻に失敗しました。";
const char* const kTooFar = " １時間以上ずれています。手動で調整して下さい。";

class CRefusedPrivilegeClient : public CSntpClient
{
public:
    BOOL EnableSetTimePrivilege() override { return FALSE; }
};

class CTestMainDlg : public CMainDlg
{
public:
    using CMainDlg::CMainDlg;

    bool m_bRefusePrivilege = false;

protected:
    std::unique_ptr<CSntpClient> MakeSntpClient() override
    {
        std::unique_ptr<CSntpClient> pClient =
            m_bRefusePrivilege ? std::make_unique<CRefusedPrivilegeClient>() : CMainDlg::MakeSntpClient();
        pClient->m_nTimeoutMs = 500; // the client's own tests time the full wait
        return pClient;
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
        const auto reserved = [](const std::string& strText) { // long past: the tick never shows it
            return "2000  1  1  *  0  0  0  3  *  *  \"" + strText + "\"\r\n";
        };
        m_folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + reserved("task 0") + reserved(kOwnText) +
                                            "[TIMETABLE]\r\n");
        m_app.m_pMainWnd = &m_dlg;
    }

    // A server whose clock is the client's fixed clock moved by the offset, on its own port.
    std::unique_ptr<CTestNtpServer> StartServer(double dOffsetSeconds, bool bSilent = false)
    {
        auto pServer = std::make_unique<CTestNtpServer>(
            CTestNtpServer::Behaviour{dOffsetSeconds, 0, bSilent, 48, nullptr, [] { return NtpNow(); }});
        TheSettings().PORT = pServer->Port();
        return pServer;
    }

    CFakeClock m_clock{LocalTime(2026, 12, 7, 10, 0, 0)};
    CClockSetterRecorder m_setter;
    CWinApp m_app;
    CScratchFolder m_folder;
    CTestMainDlg m_dlg{m_folder.Path()};
};

std::string Corrected(const char* pszSeconds)
{
    return std::string(" 時刻を合わせました。\n ") + pszSeconds + " 秒補正しました。";
}

enum Twist { kNone, kSetterRefuses, kNoPrivilege, kSilentServer };
// {offset, report, time set {y, m, day of week (not compared), d, h, min, s, ms}, twist, picture}. The clock
// reads 10:00:00.000, taken as 10:00:00.0005; the stamp's fraction is rounded to the ms. wYear 0: never set.
using SetCase = std::tuple<double, std::string, SYSTEMTIME, Twist, const char*>;

class SetTimeFromServerCases : public SetTimeFromServer, public ::testing::WithParamInterface<SetCase>
{
};

} // namespace

TEST_F(SetTimeFromServer, DoesNothingUnlessUseNtpAndServer1AreSet)
{
    const auto pServer = StartServer(10.0);
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    TheSettings().USE_NTP = 0;
    EXPECT_FALSE(m_dlg.SetTimeFromServer());
    TheSettings().USE_NTP = 1;
    TheSettings().SERVER[0].clear();
    TheSettings().SERVER[1] = "127.0.0.1"; // never a stand-in for SERVER1
    EXPECT_FALSE(m_dlg.SetTimeFromServer());
    m_dlg.SendMessage(WM_COMMAND, ID_SETTIME);
    EXPECT_TRUE(pServer->Requests().empty());
    EXPECT_EQ(nullptr, m_dlg.Panel());
    EXPECT_TRUE(m_setter.m_times.empty());
}

TEST_P(SetTimeFromServerCases, SetsAFreshReadingPlusTheOffsetOrSaysWhyNotInANoticeOnThePanel)
{
    const auto& [dOffsetSeconds, strReport, stExpected, twist, pszPicture] = GetParam();
    const auto pServer = StartServer(dOffsetSeconds, twist == kSilentServer);
    m_dlg.m_bRefusePrivilege = twist == kNoPrivilege;
    CClockSetterRecorder setter(twist != kSetterRefuses);
    ASSERT_TRUE(m_dlg.Create(IDD_MAIN));
    m_dlg.SendMessage(WM_COMMAND, ID_SETTIME); // as the panel's menu sends it
    EXPECT_EQ(1u, pServer->Requests().size());
    const std::vector<CTaskNoticeWnd*> notices = ThreadWindowsOf<CTaskNoticeWnd>();
    ASSERT_EQ(1u, notices.size());
    EXPECT_EQ(strReport, notices[0]->m_scroller.GetText()) << "the panel shows it as a notice";
    EXPECT_EQ(kOwnText, m_dlg.m_tasks[1]->m_strText) << "the task's own text is back";
    ASSERT_EQ(stExpected.wYear != 0 ? 1u : 0u, setter.m_times.size());
    const auto fields = [](const SYSTEMTIME& st) {
        return std::tuple(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    };
    for (const SYSTEMTIME& stSet : setter.m_times)
        EXPECT_EQ(fields(stExpected), fields(stSet));
    const CWnd* const pPanel = m_dlg.Panel();
    ASSERT_NE(nullptr, pPanel);
    const RECT rcPanel = pPanel->GetWindowRect();
    const RECT rcNotice = notices[0]->GetWindowRect();
    EXPECT_EQ(rcPanel.top, rcNotice.bottom) << "the notice stands on the panel";
    if (pszPicture == nullptr)
        return;
    PumpMessages(2500, [&] { return ::IsWindowVisible(*pPanel) && ::IsWindowVisible(*notices[0]); });
    EXPECT_FALSE(Screenshot({rcPanel.left, rcNotice.top, rcPanel.right, rcPanel.bottom}, pszPicture).empty());
}

// +3599.9996 prints as 3600.000, yet it is under the hour and is set; exactly an hour is too much.
const SetCase kSetCases[] = {
    {3599.9996, Corrected("3600.000"), {2026, 12, 0, 7, 11, 0, 0, 0}, kNone, nullptr},
    {0.0004, Corrected("0.000"), {2026, 12, 0, 7, 10, 0, 0, 1}, kNone, nullptr},
    {-0.25, Corrected("-0.250"), {2026, 12, 0, 7, 9, 59, 59, 751}, kNone, nullptr},
    {1.2504, Corrected("1.250"), {2026, 12, 0, 7, 10, 0, 1, 251}, kNone, "panel-clockset.png"},
    {-3600.0, kTooFar, {}, kNone, nullptr},
    {3600.0, kTooFar, {}, kNone, nullptr},
    {2.0002, kSettingFailed, {2026, 12, 0, 7, 10, 0, 2, 1}, kSetterRefuses, nullptr},
    {2.0, kSettingFailed, {}, kNoPrivilege, nullptr},
    {0.0, " 時刻に失敗しました。\n Failed to retreive time from NTP server, GetLastError returned 10060\n", {},
     kSilentServer, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Offsets, SetTimeFromServerCases, ::testing::ValuesIn(kSetCases));
