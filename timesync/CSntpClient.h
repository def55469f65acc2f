// One SNTP exchange over UDP: a request, one reply within the time-out, its checks and the
// clock offset. Made for one clock setting and dropped after it; blocks the calling thread.
#pragma once

#include "framework/Handle.h"
#include "timesync/SntpPacket.h"

#include <windows.h>

#include <cstdint>

class CSntpClient
{
public:
    CSntpClient() = default;
    virtual ~CSntpClient() = default;
    CSntpClient(const CSntpClient&) = delete;
    CSntpClient& operator=(const CSntpClient&) = delete;

    // Host is a name or a dotted address. On failure GetLastError tells why: the socket
    // error, WSAETIMEDOUT (10060) when no reply came in time, or ERROR_INVALID_DATA (13) for a
    // reply that failed its checks. A failed result is partly filled and not to be used.
    bool GetServerTime(const char* pszHost, SntpResult& result, std::uint16_t nPort = 123);

    // Sets the system clock to a UTC stamp, with the system-time privilege switched on for
    // that one call only. False when the privilege or the setting was refused.
    BOOL SetClientTime(const CNtpStamp& stamp);
    // Virtual so that a test can play a token that refuses the privilege.
    virtual BOOL EnableSetTimePrivilege();
    void RestoreSetTimePrivilege();

    std::uint32_t m_nTimeoutMs = 5000;

private:
    // 0 or the failure code; the socket is closed before the caller sets the last error, so
    // closing cannot overwrite it.
    int Exchange(const char* pszHost, std::uint16_t nPort, SntpResult& result) const;

    CHandle m_hToken;
    TOKEN_PRIVILEGES m_privileges{};
    bool m_bPrivilegeSet = false;
};
