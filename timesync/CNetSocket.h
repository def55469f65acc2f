// A blocking IPv4 socket over Windows Sockets 1.1 that throws a CWSocketException for every
// failure. One object owns one socket and closes it when destroyed; CSntpClient is its user.
// The application starts Windows Sockets once; this class never starts or stops it.
#pragma once

#include <winsock.h>

#include <cstdint>

class CNetSocket
{
public:
    CNetSocket() = default;
    virtual ~CNetSocket() { Close(); }
    CNetSocket(const CNetSocket&) = delete;
    CNetSocket& operator=(const CNetSocket&) = delete;

    void Create(bool bDatagram);
    // A host name or dotted address; for a datagram socket this fixes the peer of Send and
    // Receive, and the port's ICMP errors come back on Receive.
    void Connect(const char* pszHost, std::uint16_t nPort);
    void Connect(const sockaddr* pAddress, int nAddressLength);
    // One send; a partial send is not repeated.
    int Send(const void* pBuffer, int nLength);
    // One recv, at least 1 byte: an error, or 0 for a close or an empty datagram, throws.
    int Receive(void* pBuffer, int nCapacity);
    // false when the time ran out first; 0 ms polls.
    bool WaitReadable(std::uint32_t nTimeoutMs);
    // SO_ERROR: an error the stack holds for the socket (reading it clears it), else 0.
    int TakePendingError();
    void Close();
    bool IsCreated() const { return m_hSocket != INVALID_SOCKET; }

private:
    SOCKET m_hSocket = INVALID_SOCKET;
};
