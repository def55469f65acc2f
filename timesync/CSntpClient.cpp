#include "timesync/CSntpClient.h"

#include "framework/Seams.h"
#include "timesync/CNetSocket.h"
#include "timesync/CWSocketException.h"
#include "timesync/NtpClock.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

// Windows makes a connected UDP socket readable when the port answered with ICMP "port
// unreachable", and recv then fails with the code. Wine only keeps the error as SO_ERROR
// and never wakes select, so the wait goes in short slices that look for it in between.
constexpr std::uint32_t kWaitSliceMs = 100;
// Under Wine the first blocking select of a process can wake several milliseconds after the
// reply came, and each millisecond T4 comes late is half a millisecond of offset error. A
// near server answers well within this, so for that long the wait goes in 1 ms slices: T4
// is at most about a millisecond late, and the thread sleeps instead of polling a core busy.
constexpr std::uint32_t kFineWaitForMs = 20;
constexpr std::uint32_t kFineSliceMs = 1;

// 0 and the reply is readable, WSAETIMEDOUT, or the error the stack holds for the socket.
int WaitForReply(CNetSocket& socket, std::uint32_t nTimeoutMs)
{
    const ULONGLONG nStart = ::GetTickCount64();
    try
    {
        for (;;)
        {
            const ULONGLONG nElapsedMs = ::GetTickCount64() - nStart;
            const auto nLeftMs =
                static_cast<std::uint32_t>(nElapsedMs < nTimeoutMs ? nTimeoutMs - nElapsedMs : 0);
            const bool bFine = nElapsedMs < kFineWaitForMs && nLeftMs > 0;
            const std::uint32_t nSliceMs = std::min(nLeftMs, bFine ? kFineSliceMs : kWaitSliceMs);
            if (socket.WaitReadable(nSliceMs))
                return 0;
            // Not in the fine slices: the first getsockopt of a process is slow enough under
            // Wine to delay T4 in its turn.
            if (bFine)
                continue;
            if (const int nError = socket.TakePendingError(); nError != 0)
                return nError;
            if (nLeftMs == nSliceMs)
                return WSAETIMEDOUT;
        }
    }
    catch (CWSocketException* pException)
    {
        // A wait that fails in itself is no better than silence: either way no reply came.
        pException->Delete();
        return WSAETIMEDOUT;
    }
}

} // namespace

bool CSntpClient::GetServerTime(const char* pszHost, SntpResult& result, std::uint16_t nPort)
{
    const int nError = Exchange(pszHost, nPort, result);
    if (nError != 0)
    {
        ::SetLastError(static_cast<DWORD>(nError));
        return false;
    }
    return true;
}

int CSntpClient::Exchange(const char* pszHost, std::uint16_t nPort, SntpResult& result) const
{
    try
    {
        CNetSocket socket;
        socket.Create(true);
        socket.Connect(pszHost, nPort);
        const CNtpStamp sent = NtpNow();
        const auto request = BuildSntpRequest(sent);
        socket.Send(request.data(), static_cast<int>(request.size()));
        if (const int nError = WaitForReply(socket, m_nTimeoutMs); nError != 0)
            return nError;
        // T4 before reading: the time the reply spends in our buffer is not path delay.
        const CNtpStamp arrived = NtpNow();
        std::array<std::uint8_t, kSntpReplyBufferBytes> reply{};
        const int nReceived = socket.Receive(reply.data(), static_cast<int>(reply.size()));
        const std::span<const std::uint8_t> datagram(reply.data(), static_cast<std::size_t>(nReceived));
        if (ReadSntpReply(datagram, sent, arrived, result) != SntpReplyCheck::Accepted)
            return ERROR_INVALID_DATA;
        return 0;
    }
    catch (CWSocketException* pException)
    {
        const int nError = pException->m_nErrorCode;
        pException->Delete();
        // An empty datagram makes recv return 0 with no error code: a reply too short to use.
        return nError != 0 ? nError : ERROR_INVALID_DATA;
    }
}

BOOL CSntpClient::SetClientTime(const CNtpStamp& stamp)
{
    BOOL bResult = FALSE;
    if (EnableSetTimePrivilege())
        bResult = ClockSetter().SetUtcTime(ToSystemTimeStruct(stamp.ToSystemTime()));
    // Keep the setter's failure code: switching the privilege off must not replace it.
    const DWORD dwError = ::GetLastError();
    RestoreSetTimePrivilege();
    ::SetLastError(dwError);
    return bResult;
}

BOOL CSntpClient::EnableSetTimePrivilege()
{
    HANDLE hToken = nullptr;
    m_bPrivilegeSet = false;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken))
    {
        // A system without privileges has nothing to switch on.
        if (::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
        {
            ::SetLastError(0);
            return TRUE;
        }
        return FALSE;
    }
    m_hToken = CHandle(hToken);
    m_privileges = TOKEN_PRIVILEGES{};
    if (!::LookupPrivilegeValueA(nullptr, "SeSystemtimePrivilege", &m_privileges.Privileges[0].Luid))
        return FALSE;
    m_privileges.Privileges[0].Attributes |= SE_PRIVILEGE_ENABLED;
    m_privileges.PrivilegeCount = 1;
    m_bPrivilegeSet = true;
    // TRUE also when the token lacks the privilege: the clock setting then fails and says so.
    return ::AdjustTokenPrivileges(m_hToken, FALSE, &m_privileges, 0, nullptr, nullptr);
}

void CSntpClient::RestoreSetTimePrivilege()
{
    if (m_bPrivilegeSet)
    {
        m_privileges.Privileges[0].Attributes &= ~static_cast<DWORD>(SE_PRIVILEGE_ENABLED);
        ::AdjustTokenPrivileges(m_hToken, FALSE, &m_privileges, 0, nullptr, nullptr);
        m_bPrivilegeSet = false;
    }
    m_hToken.Close();
}
