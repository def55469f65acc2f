// sntp_query HOST PORT [SECONDS]: one SNTP exchange, printing the offset, the round trip and the wall
// time, to compare with another client's. With SECONDS, the clock seam (never the machine's clock)
// runs that far behind, so the offset should grow by as much.
#include "framework/Seams.h"
#include "timesync/CSntpClient.h"

#include <winsock.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The real UTC time moved back, truncated to the millisecond as GetSystemTime is.
class CLaggingClock : public IClock
{
public:
    explicit CLaggingClock(double dSeconds) : m_nBehindTicks(static_cast<LONGLONG>(dSeconds * 1e7)) {}
    SYSTEMTIME GetLocalTime() override { return GetUtcTime(); }
    SYSTEMTIME GetUtcTime() override
    {
        FILETIME ft;
        ::GetSystemTimeAsFileTime(&ft);
        const ULONGLONG nTicks = (ULONGLONG{ft.dwHighDateTime} << 32 | ft.dwLowDateTime) - m_nBehindTicks;
        ft = {static_cast<DWORD>(nTicks), static_cast<DWORD>(nTicks >> 32)};
        SYSTEMTIME st;
        ::FileTimeToSystemTime(&ft, &st);
        return st;
    }

private:
    LONGLONG m_nBehindTicks;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4)
    {
        std::fputs("usage: sntp_query HOST PORT [SECONDS_BEHIND]\n", stderr);
        return 2;
    }
    CLaggingClock clock(argc == 4 ? std::atof(argv[3]) : 0.0);
    CClockScope useClock(clock);
    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(1, 1), &wsa) != 0)
    {
        std::fputs("sntp_query: no Windows Sockets\n", stderr);
        return 1;
    }
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    CSntpClient client;
    SntpResult result;
    ::QueryPerformanceCounter(&start);
    const bool bOk = client.GetServerTime(argv[1], result, static_cast<std::uint16_t>(std::atoi(argv[2])));
    const DWORD nError = ::GetLastError();
    ::QueryPerformanceCounter(&end);
    ::WSACleanup();
    const double dWallMs = static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
    if (!bOk)
    {
        std::printf("error=%lu wall_ms=%.3f\n", static_cast<unsigned long>(nError), dWallMs);
        return 1;
    }
    const double dDelay = result.destinationTime.DiffSeconds(result.originateTime) -
                          result.transmitTime.DiffSeconds(result.receiveTime);
    std::printf("offset=%.6f delay=%.6f stratum=%d wall_ms=%.3f\n", result.clockOffset, dDelay,
                result.stratum, dWallMs);
    return 0;
}
