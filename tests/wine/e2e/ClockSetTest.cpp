// SET TIME end to end: the command asks the time server once, and the report of a clock it
// will not move by two hours comes up on the panel as a notice. (The texts are pinned
// in-process, where the notice can be read.)
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/timesync/CTestNtpServer.h"

using ClockSetting = ProgramTest;

TEST_F(ClockSetting, SetTimeAsksTheServerOnceAndReportsOnThePanel)
{
    CTestNtpServer::Behaviour twoHoursOff;
    twoHoursOff.dOffsetSeconds = 7200.0;
    CTestNtpServer server(twoHoursOff);
    Start(std::string(kPastTask) + kPastTask, "",
          "[NTP]\r\nUSE_NTP=1\r\nSERVER1=127.0.0.1\r\nPORT=" + std::to_string(server.Port()) + "\r\n");
    ASSERT_TRUE(m_program.SendCommand(ID_SETTIME));
    EXPECT_EQ(2u, WaitForToolWindows(m_program, 2).size()) << "the panel with the report";
    EXPECT_EQ(1u, server.Requests().size());
}
