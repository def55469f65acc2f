// The socket layer on loopback: its waits and the text of its exception.
#include "tests/wine/support/Stopwatch.h"
#include "tests/wine/timesync/CTestNtpServer.h"
#include "timesync/CNetSocket.h"
#include "timesync/CWSocketException.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(NetSocket, WaitReadableHonoursItsMillisecondsAndSeesAReply)
{
    CTestNtpServer silent({0.0, 0, true, 48, nullptr, {}});
    CNetSocket socket;
    socket.Create(true);
    socket.Connect("127.0.0.1", silent.Port());

    CStopwatch watch;
    EXPECT_FALSE(socket.WaitReadable(0));
    EXPECT_LT(watch.Seconds(), 0.1) << "0 ms polls";

    watch = CStopwatch();
    EXPECT_FALSE(socket.WaitReadable(1500));
    const double dWaited = watch.Seconds();
    EXPECT_GE(dWaited, 1.45) << "1500 ms is 1 s and 500000 us, not 1 s";
    EXPECT_LT(dWaited, 2.0);

    CTestNtpServer answering({});
    CNetSocket client;
    client.Create(true);
    client.Connect("127.0.0.1", answering.Port());
    std::uint8_t request[48] = {0x1B};
    EXPECT_EQ(48, client.Send(request, sizeof request));
    EXPECT_TRUE(client.WaitReadable(5000));
    std::uint8_t reply[68] = {};
    EXPECT_EQ(48, client.Receive(reply, sizeof reply));
    EXPECT_EQ(0x1C, reply[0]);
}

TEST(NetSocket, ExceptionTextIsTheSystemsCutToTheBuffer)
{
    const CWSocketException known(ERROR_INVALID_DATA);
    const std::string strFull = known.GetErrorMessage();
    ASSERT_GT(strFull.size(), 4u);

    char szShort[5];
    UINT nHelp = 77;
    EXPECT_TRUE(known.GetErrorMessage(szShort, sizeof szShort, &nHelp));
    EXPECT_EQ(0u, nHelp);
    EXPECT_EQ(strFull.substr(0, 4), szShort) << "capacity counts the terminator";

    const CWSocketException unknown(0x2FFF1234);
    char szText[64];
    std::memset(szText, 'x', sizeof szText);
    EXPECT_FALSE(unknown.GetErrorMessage(szText, sizeof szText));
    EXPECT_STREQ("", szText);
    EXPECT_EQ("", unknown.GetErrorMessage());
}
