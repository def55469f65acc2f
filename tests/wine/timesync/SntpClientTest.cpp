// The SNTP exchange over real UDP on loopback, against the test's own server; the socket layer's errors.
#include "tests/wine/support/CClockSetterRecorder.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/timesync/CTestNtpServer.h"
#include "timesync/CSntpClient.h"
#include "timesync/CWSocketException.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

class SntpClient : public ::testing::Test
{
protected:
    void TearDown() override { EXPECT_TRUE(m_setter.m_times.empty()) << "nothing here may set the clock"; }

    bool Ask(const char* pszHost, std::uint16_t nPort, SntpResult& result)
    {
        ::SetLastError(0);
        const bool bOk = m_client.GetServerTime(pszHost, result, nPort);
        m_nError = ::GetLastError();
        return bOk;
    }

    CClockSetterRecorder m_setter;
    CSntpClient m_client;
    DWORD m_nError = 0;
};

} // namespace

TEST_F(SntpClient, MeasuresTheServersOffsetWithinFiveMilliseconds)
{
    constexpr int kAttempts = 3;
    // {host, offset, server's delay (not offset), reply bytes (68: with key identifier and digest)}
    const std::tuple<const char*, double, unsigned, std::size_t> cases[] = {{"127.0.0.1", 12.345, 300, 48},
                                                                             {"localhost", -0.25, 0, 68}};
    for (const auto& [pszHost, dOffsetSeconds, nDelayMs, nReplyBytes] : cases)
    {
        SCOPED_TRACE(dOffsetSeconds);
        // A thread switch under Wine can hold a leg of the exchange for milliseconds: judge the offset on a
        // quick exchange, as a real client would, and hold every one to the bound its path delay sets.
        for (int nAttempt = 0; nAttempt < kAttempts; ++nAttempt)
        {
            CTestNtpServer server({dOffsetSeconds, nDelayMs, false, nReplyBytes, nullptr, {}});
            SntpResult result;
            ASSERT_TRUE(Ask(pszHost, server.Port(), result)) << m_nError;
            const double dPathSeconds = result.destinationTime.DiffSeconds(result.originateTime) -
                                        result.transmitTime.DiffSeconds(result.receiveTime);
            EXPECT_NEAR(dOffsetSeconds, result.clockOffset, dPathSeconds / 2 + 0.001); // seam's millisecond
            EXPECT_EQ(2, result.stratum);
            EXPECT_EQ(0, result.leapIndicator);
            EXPECT_GE(result.destinationTime.DiffSeconds(result.originateTime), nDelayMs / 1000.0 - 0.002);
            const auto requests = server.Requests();
            ASSERT_EQ(1u, requests.size());
            ASSERT_EQ(48u, requests[0].size());
            EXPECT_EQ(0x1B, requests[0][0]);
            EXPECT_EQ(result.originateTime, CNtpStamp::FromNetwork(&requests[0][40]));
            EXPECT_NEAR(0.0, CTestNtpServer::PreciseNow().DiffSeconds(result.originateTime), 1.0);
            if (dPathSeconds <= 0.010)
            {
                EXPECT_NEAR(dOffsetSeconds, result.clockOffset, 0.005);
                break;
            }
            EXPECT_LT(nAttempt + 1, kAttempts) << "no quick exchange in " << kAttempts;
        }
    }
}

TEST_F(SntpClient, FailsWithTheCauseAsSoonAsItIsKnown)
{
    // The refusals themselves are proven on the packets. A closed port answers with ICMP port
    // unreachable: Windows reports WSAECONNRESET at the next read, Wine WSAECONNREFUSED.
    // {what, server, least and most seconds taken, errors allowed, port closed}
    using Behaviour = CTestNtpServer::Behaviour;
    const std::tuple<const char*, Behaviour, double, double, std::vector<DWORD>, bool> cases[] = {
        {"silence", {.bSilent = true}, 4.95, 6.0, {WSAETIMEDOUT}, false},
        {"client mode", {.malform = [](auto& r) { r[0] = 0x1B; }}, 0, 1.0, {ERROR_INVALID_DATA}, false},
        {"empty datagram", {.nReplyBytes = 0}, 0, 1.0, {ERROR_INVALID_DATA}, false},
        {"69 bytes, more than the buffer", {.nReplyBytes = 69}, 0, 1.0, {WSAEMSGSIZE}, false},
        {"closed port", {}, 0, 1.0, {WSAECONNRESET, WSAECONNREFUSED}, true},
    };
    for (const auto& [pszWhat, behaviour, dMinSeconds, dMaxSeconds, errors, bPortClosed] : cases)
    {
        SCOPED_TRACE(pszWhat);
        std::optional<CTestNtpServer> server(std::in_place, behaviour);
        const std::uint16_t nPort = server->Port();
        if (bPortClosed)
            server.reset();
        SntpResult result;
        const ULONGLONG nStartMs = ::GetTickCount64();
        EXPECT_FALSE(Ask("127.0.0.1", nPort, result));
        const double dSeconds = static_cast<double>(::GetTickCount64() - nStartMs) / 1000.0;
        EXPECT_EQ(1, std::count(errors.begin(), errors.end(), m_nError)) << m_nError;
        EXPECT_GE(dSeconds, dMinSeconds);
        EXPECT_LT(dSeconds, dMaxSeconds);
        if (server)
        {
            EXPECT_EQ(1u, server->Requests().size()) << "no second try";
        }
    }
}

TEST_F(SntpClient, WaitsForALateReplyWithoutSpinning)
{
    // Replies 30 ms late against prompt ones: a polling wait costs about 8 ms of thread time an exchange
    // (measured); one that sleeps, next to nothing more than a prompt exchange.
    constexpr int kExchanges = 16;
    const auto busyMs = [this](unsigned nDelayMs) {
        CTestNtpServer server({0.0, nDelayMs, false, 48, nullptr, {}});
        const auto threadMs = [] {
            FILETIME ft[4];
            ::GetThreadTimes(::GetCurrentThread(), &ft[0], &ft[1], &ft[2], &ft[3]);
            const auto ticks = [](const FILETIME& f) { return ULONGLONG{f.dwHighDateTime} << 32 | f.dwLowDateTime; };
            return static_cast<LONGLONG>((ticks(ft[2]) + ticks(ft[3])) / 10000); // kernel and user
        };
        const LONGLONG nBeforeMs = threadMs();
        for (int i = 0; i < kExchanges; ++i)
        {
            SntpResult result;
            EXPECT_TRUE(Ask("127.0.0.1", server.Port(), result)) << m_nError;
        }
        return threadMs() - nBeforeMs;
    };
    const LONGLONG nPromptMs = busyMs(0);
    EXPECT_LT(busyMs(30) - nPromptMs, 4 * kExchanges);
}

TEST(NetSocket, ExceptionTextIsTheSystemsCutToTheBuffer)
{
    const std::string strFull = CWSocketException(ERROR_INVALID_DATA).GetErrorMessage();
    ASSERT_GT(strFull.size(), 4u);
    char szShort[5];
    UINT nHelp = 77;
    EXPECT_TRUE(CWSocketException(ERROR_INVALID_DATA).GetErrorMessage(szShort, sizeof szShort, &nHelp));
    EXPECT_EQ(0u, nHelp);
    EXPECT_EQ(strFull.substr(0, 4), szShort) << "capacity counts the terminator";

    const CWSocketException unknown(0x2FFF1234);
    char szText[64] = "not cleared";
    EXPECT_FALSE(unknown.GetErrorMessage(szText, sizeof szText));
    EXPECT_STREQ("", szText);
    EXPECT_EQ("", unknown.GetErrorMessage());
}
