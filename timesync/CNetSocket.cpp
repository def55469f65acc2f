#include "timesync/CNetSocket.h"

#include "timesync/CWSocketException.h"

#include <cstring>

void CNetSocket::Create(bool bDatagram)
{
    m_hSocket = ::socket(AF_INET, bDatagram ? SOCK_DGRAM : SOCK_STREAM, 0);
    if (m_hSocket == INVALID_SOCKET)
        ThrowSocketError();
}

void CNetSocket::Connect(const char* pszHost, std::uint16_t nPort)
{
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = ::htons(nPort);
    // A dotted address needs no name service: only a name goes to gethostbyname.
    address.sin_addr.s_addr = ::inet_addr(pszHost);
    if (address.sin_addr.s_addr == INADDR_NONE)
    {
        const hostent* pHost = ::gethostbyname(pszHost);
        if (pHost == nullptr || pHost->h_addr_list[0] == nullptr)
            ThrowSocketError();
        std::memcpy(&address.sin_addr, pHost->h_addr_list[0], sizeof address.sin_addr);
    }
    Connect(reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

void CNetSocket::Connect(const sockaddr* pAddress, int nAddressLength)
{
    if (::connect(m_hSocket, pAddress, nAddressLength) == SOCKET_ERROR)
        ThrowSocketError();
}

int CNetSocket::Send(const void* pBuffer, int nLength)
{
    const int nSent = ::send(m_hSocket, static_cast<const char*>(pBuffer), nLength, 0);
    if (nSent == SOCKET_ERROR)
        ThrowSocketError();
    return nSent;
}

int CNetSocket::Receive(void* pBuffer, int nCapacity)
{
    const int nReceived = ::recv(m_hSocket, static_cast<char*>(pBuffer), nCapacity, 0);
    if (nReceived < 1)
        ThrowSocketError();
    return nReceived;
}

bool CNetSocket::WaitReadable(std::uint32_t nTimeoutMs)
{
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(m_hSocket, &readable);
    timeval timeout;
    timeout.tv_sec = static_cast<long>(nTimeoutMs / 1000);
    timeout.tv_usec = static_cast<long>(nTimeoutMs % 1000 * 1000);
    const int nReady = ::select(0, &readable, nullptr, nullptr, &timeout);
    if (nReady == SOCKET_ERROR)
        ThrowSocketError();
    return nReady > 0 && FD_ISSET(m_hSocket, &readable);
}

int CNetSocket::TakePendingError()
{
    int nError = 0;
    int nLength = sizeof nError;
    if (::getsockopt(m_hSocket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&nError), &nLength) ==
        SOCKET_ERROR)
        ThrowSocketError();
    return nError;
}

void CNetSocket::Close()
{
    if (!IsCreated())
        return;
    // Nothing useful can follow a failed close: the handle is gone either way.
    ::closesocket(m_hSocket);
    m_hSocket = INVALID_SOCKET;
}
