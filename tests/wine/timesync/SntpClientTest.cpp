// The SNTP exchange over real UDP on loopback, against a server the test runs itself.
#include "tests/wine/support/CClockSetterRecorder.h"
#include "tests/wine/support/SocketsEnvironment.h"
#include "tests/wine/timesync/CTestNtpServer.h"
#include "timesync/CSntpClient.h"

#include <gtest/gtest.h>

#include <winsock.h>

#include <cmath>
#include <functional>

namespace {

// Wall time since a start, in seconds.
double SecondsSince(ULONGLONG nStartMs)
{
    return static_cast<double>(::GetTickCount64() - nStartMs) / 1000.0;
}

// Nothing here may set the clock; the recorder proves that nothing tried.
class SntpClient : public ::testing::Test
{
protected:
    void TearDown() override { EXPECT_TRUE(m_setter.m_times.empty()); }

    // The exchange with the last error it left, read at once.
    bool Ask(const char* pszHost, std::uint16_t nPort, SntpResult& result, DWORD& nError)
    {
        ::SetLastError(0);
        const bool bOk = m_client.GetServerTime(pszHost, result, nPort);
        nError = ::GetLastError();
        return bOk;
    }

    CClockSetterRecorder m_setter;
    CSntpClient m_client;
};

constexpr int kAttempts = 3;
constexpr double kQuickPathSeconds = 0.010;
// The clock seam reads whole milliseconds.
constexpr double kClockStepSeconds = 0.001;

struct OffsetCase
{
    const char* pszHost;
    double dOffsetSeconds;
    unsigned nDelayMs;
    std::size_t nReplyBytes;
};

struct BadReply
{
    const char* pszWhat;
    std::function<void(std::vector<std::uint8_t>&)> malform;
    DWORD nExpectedError;
};

} // namespace

TEST_F(SntpClient, MeasuresTheServersOffsetWithinFiveMilliseconds)
{
    const OffsetCase cases[] = {
        {"127.0.0.1", 12.345, 0, 48},
        {"127.0.0.1", 12.345, 300, 48}, // the server's own delay is not offset
        {"localhost", -0.25, 0, 68},    // a name, and a reply with key identifier and digest
        {"127.0.0.1", -3599.5, 0, 68},
    };
    for (const OffsetCase& c : cases)
    {
        SCOPED_TRACE(c.dOffsetSeconds);
        SCOPED_TRACE(c.nDelayMs);
        // A thread switch under Wine can hold one leg of a loopback exchange by several
        // milliseconds; as a real client would, judge the offset on an exchange whose path
        // was quick, and hold every exchange to the bound its path delay sets.
        for (int nAttempt = 0; nAttempt < kAttempts; ++nAttempt)
        {
            CTestNtpServer server({c.dOffsetSeconds, c.nDelayMs, false, c.nReplyBytes, nullptr, {}});
            SntpResult result;
            DWORD nError = 0;
            ASSERT_TRUE(Ask(c.pszHost, server.Port(), result, nError)) << nError;
            const double dPathSeconds = result.destinationTime.DiffSeconds(result.originateTime) -
                                        result.transmitTime.DiffSeconds(result.receiveTime);
            EXPECT_NEAR(c.dOffsetSeconds, result.clockOffset, dPathSeconds / 2 + kClockStepSeconds);
            EXPECT_EQ(2, result.stratum);
            EXPECT_EQ(0, result.leapIndicator);
            EXPECT_GE(result.destinationTime.DiffSeconds(result.originateTime), c.nDelayMs / 1000.0 - 0.002);

            // One request, of the client kind, whose transmit time is the originate we used.
            const auto requests = server.Requests();
            ASSERT_EQ(1u, requests.size());
            ASSERT_EQ(48u, requests[0].size());
            EXPECT_EQ(0x1B, requests[0][0]);
            EXPECT_EQ(result.originateTime, CNtpStamp::FromNetwork(&requests[0][40]));
            EXPECT_NEAR(0.0, CTestNtpServer::PreciseNow().DiffSeconds(result.originateTime), 1.0);
            if (dPathSeconds <= kQuickPathSeconds)
            {
                EXPECT_NEAR(c.dOffsetSeconds, result.clockOffset, 0.005);
                break;
            }
            EXPECT_LT(nAttempt + 1, kAttempts) << "no quick exchange in " << kAttempts;
        }
    }
}

TEST_F(SntpClient, SilenceGivesUpAfterFiveSecondsWithTimedOut)
{
    CTestNtpServer server({0.0, 0, true, 48, nullptr, {}});
    SntpResult result;
    DWORD nError = 0;
    const ULONGLONG nStartMs = ::GetTickCount64();
    EXPECT_FALSE(Ask("127.0.0.1", server.Port(), result, nError));
    const double dSeconds = SecondsSince(nStartMs);
    EXPECT_EQ(static_cast<DWORD>(WSAETIMEDOUT), nError);
    EXPECT_GE(dSeconds, 4.95);
    EXPECT_LT(dSeconds, 6.0);
    EXPECT_EQ(1u, server.Requests().size()) << "no second try";
}

TEST_F(SntpClient, RefusesRepliesThatCannotBeTrusted)
{
    // Which replies the checks refuse is proven on the packets themselves; here, that a refused
    // one fails the exchange, and the datagrams only a socket can bring.
    const BadReply cases[] = {
        {"client mode", [](auto& r) { r[0] = 0x1B; }, ERROR_INVALID_DATA},
        {"empty datagram", [](auto& r) { r.clear(); }, ERROR_INVALID_DATA},
        {"69 bytes, more than the buffer", [](auto& r) { r.resize(69); }, WSAEMSGSIZE},
    };
    for (const BadReply& bad : cases)
    {
        SCOPED_TRACE(bad.pszWhat);
        CTestNtpServer server({1800.0, 0, false, 48, bad.malform, {}});
        SntpResult result;
        DWORD nError = 0;
        const ULONGLONG nStartMs = ::GetTickCount64();
        EXPECT_FALSE(Ask("127.0.0.1", server.Port(), result, nError));
        EXPECT_EQ(bad.nExpectedError, nError);
        EXPECT_LT(SecondsSince(nStartMs), 1.0) << "refused when it came, not after the time-out";
    }
}

TEST_F(SntpClient, ReportsAnUnreachablePortWithItsCode)
{
    // A port that was free a moment ago: the loopback answers the request with ICMP port
    // unreachable. Windows reports it on the next read as WSAECONNRESET; Wine holds it as the
    // socket's error, WSAECONNREFUSED. Either way it is the port's answer, not a time-out.
    std::uint16_t nPort = 0;
    {
        CTestNtpServer server({});
        nPort = server.Port();
    }
    SntpResult result;
    DWORD nError = 0;
    const ULONGLONG nStartMs = ::GetTickCount64();
    EXPECT_FALSE(Ask("127.0.0.1", nPort, result, nError));
    EXPECT_TRUE(nError == WSAECONNRESET || nError == WSAECONNREFUSED) << nError;
    EXPECT_LT(SecondsSince(nStartMs), 1.0);
}

TEST_F(SntpClient, WaitsForALateReplyWithoutSpinning)
{
    // Replies 30 ms late against prompt ones: a wait that polled would keep the thread busy
    // for most of that (about 8 ms of this thread's time an exchange, measured); one that
    // sleeps costs next to nothing more than a prompt exchange does.
    constexpr int kExchanges = 16;
    const auto busyMs = [this](unsigned nDelayMs) {
        CTestNtpServer server({0.0, nDelayMs, false, 48, nullptr, {}});
        const auto threadMs = [] {
            FILETIME ftCreated, ftExited, ftKernel, ftUser;
            ::GetThreadTimes(::GetCurrentThread(), &ftCreated, &ftExited, &ftKernel, &ftUser);
            const auto ms = [](const FILETIME& ft) {
                return (static_cast<LONGLONG>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) / 10000;
            };
            return ms(ftKernel) + ms(ftUser);
        };
        const LONGLONG nBeforeMs = threadMs();
        for (int i = 0; i < kExchanges; ++i)
        {
            SntpResult result;
            DWORD nError = 0;
            EXPECT_TRUE(Ask("127.0.0.1", server.Port(), result, nError)) << nError;
        }
        return threadMs() - nBeforeMs;
    };
    const LONGLONG nPromptMs = busyMs(0);
    EXPECT_LT(busyMs(30) - nPromptMs, 4 * kExchanges);
}
