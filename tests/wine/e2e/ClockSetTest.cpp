// Setting the clock end to end, on the two roads that cannot move it: SET TIME with a server
// that never answers, and the start-up run of reserved task 1 against a server two hours
// off. Either way the report comes up on the panel as a notice. (The texts themselves are
// pinned in-process, where the notice can be read.)
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/timesync/CTestNtpServer.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWaitMs = 10000;
const char* const kPastTask = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";
const char* const kStartUpTask = "   *  *  *  *  *  *  *  5      *      *  \"\"\r\n";

CTestNtpServer::Behaviour Answering(double dOffsetSeconds, bool bSilent)
{
    CTestNtpServer::Behaviour behaviour;
    behaviour.dOffsetSeconds = dOffsetSeconds;
    behaviour.bSilent = bSilent;
    return behaviour;
}

class ClockSetting : public ::testing::Test
{
protected:
    void Start(const CTestNtpServer& server, const char* pszReserved1)
    {
        ::SetCursorPos(0, 0);
        m_folder.Write("TimeTable.ini",
                       std::string("[TIMETABLE_RESERVE]\r\n") + kPastTask + pszReserved1 + "[TIMETABLE]\r\n");
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F19 << 16) +
                                          "\r\n[NTP]\r\nUSE_NTP=1\r\nSERVER1=127.0.0.1\r\nPORT=" +
                                          std::to_string(server.Port()) + "\r\n");
        ASSERT_TRUE(m_program.Start());
        ASSERT_NE(nullptr, m_program.WaitForMainDialog(kWaitMs));
    }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    // The panel with one notice on it: the report.
    bool WaitForReport(DWORD nTimeoutMs) const
    {
        return WaitUntil([&] { return ToolWindows(m_program).size() == 2; }, nTimeoutMs);
    }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
};

} // namespace

TEST_F(ClockSetting, SetTimeWithASilentServerReportsAfterTheFiveSecondWait)
{
    CTestNtpServer server(Answering(0.0, true));
    Start(server, kPastTask);
    const ULONGLONG nAskedAt = ::GetTickCount64();
    ASSERT_TRUE(m_program.SendCommand(ID_SETTIME));
    ASSERT_TRUE(WaitForReport(kWaitMs));
    EXPECT_GE(::GetTickCount64() - nAskedAt, 4900u) << "reported before the reply time-out";
    EXPECT_EQ(1u, server.Requests().size()) << "one request, no retry";
}

TEST_F(ClockSetting, TheStartUpRunOfReservedTask1AsksAtStartAndReportsTheRefusal)
{
    CTestNtpServer server(Answering(7200.0, false));
    Start(server, kStartUpTask);
    ASSERT_TRUE(WaitForReport(kWaitMs));
    EXPECT_EQ(1u, server.Requests().size());
}
