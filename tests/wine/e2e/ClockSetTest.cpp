// SET TIME end to end, from the settings' server to the panel; the report's texts are pinned in-process.
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/timesync/CTestNtpServer.h"

using ClockSetting = ProgramTest;

TEST_F(ClockSetting, SetTimeAsksTheServerOnceAndReportsOnThePanel)
{
    CTestNtpServer server({.dOffsetSeconds = 7200.0}); // two hours off
    Start("[NTP]\r\nUSE_NTP=1\r\nSERVER1=127.0.0.1\r\nPORT=" + std::to_string(server.Port()) + "\r\n");
    ASSERT_TRUE(m_program.SendCommand(ID_SETTIME));
    EXPECT_EQ(2u, WaitForToolWindows(2).size()) << "the panel with the report";
    EXPECT_EQ(1u, server.Requests().size());
}
