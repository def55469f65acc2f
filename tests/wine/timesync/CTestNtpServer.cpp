#include "tests/wine/timesync/CTestNtpServer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

CTestNtpServer::CTestNtpServer(Behaviour behaviour) : m_behaviour(std::move(behaviour))
{
    m_hSocket = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{AF_INET, 0, {}, {}};
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    int nLength = sizeof address;
    if (m_hSocket == INVALID_SOCKET ||
        ::bind(m_hSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == SOCKET_ERROR ||
        ::getsockname(m_hSocket, reinterpret_cast<sockaddr*>(&address), &nLength) == SOCKET_ERROR)
    {
        ::closesocket(m_hSocket); // harmless on INVALID_SOCKET
        throw std::runtime_error("test NTP server: no loopback port");
    }
    m_nPort = ::ntohs(address.sin_port);
    m_thread = std::thread(&CTestNtpServer::Serve, this);
}

CTestNtpServer::~CTestNtpServer()
{
    m_bStop = true;
    m_thread.join();
    ::closesocket(m_hSocket);
}

std::vector<std::vector<std::uint8_t>> CTestNtpServer::Requests() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

CNtpStamp CTestNtpServer::PreciseNow()
{
    constexpr std::uint64_t kFileTimeTicksPerSecond = 10000000;
    constexpr std::uint64_t kSeconds1601To1900 = 9435484800; // from where FILETIME counts to where NTP does
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    const std::uint64_t nTicks = static_cast<std::uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
    const std::uint64_t nSeconds = nTicks / kFileTimeTicksPerSecond - kSeconds1601To1900;
    const std::uint64_t nFraction = (nTicks % kFileTimeTicksPerSecond << 32) / kFileTimeTicksPerSecond;
    return CNtpStamp(static_cast<std::uint32_t>(nSeconds), static_cast<std::uint32_t>(nFraction));
}

void CTestNtpServer::Serve()
{
    while (!m_bStop)
    {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_hSocket, &readable);
        timeval timeout{0, 20000}; // short, so that the destructor's stop is seen at once
        if (::select(0, &readable, nullptr, nullptr, &timeout) <= 0)
            continue;

        std::vector<std::uint8_t> request(512);
        sockaddr_in client{};
        int nClientLength = sizeof client;
        const int nReceived =
            ::recvfrom(m_hSocket, reinterpret_cast<char*>(request.data()), static_cast<int>(request.size()),
                       0, reinterpret_cast<sockaddr*>(&client), &nClientLength);
        const CNtpStamp received = ServerNow();
        if (nReceived < 0)
            continue; // an ICMP error of an earlier reply; nothing to answer
        request.resize(static_cast<std::size_t>(nReceived));
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_requests.push_back(request);
        }
        if (m_behaviour.bSilent || request.size() < 48)
            continue;

        ::Sleep(m_behaviour.nDelayMs);
        std::vector<std::uint8_t> reply(std::max<std::size_t>(m_behaviour.nReplyBytes, 48), 0);
        const std::uint8_t header[] = {0x1C, 2, 6, 0xEC}; // leap 0, version 3, server; stratum; poll; 2^-20 s
        std::memcpy(reply.data(), header, sizeof header);
        std::memcpy(reply.data() + 24, request.data() + 40, 8);
        for (const auto& [nOffset, stamp] : {std::pair{32, received}, {40, ServerNow()}})
            std::memcpy(reply.data() + nOffset, stamp.ToNetwork().data(), 8);
        reply.resize(m_behaviour.nReplyBytes);
        if (m_behaviour.malform)
            m_behaviour.malform(reply);
        ::sendto(m_hSocket, reinterpret_cast<const char*>(reply.data()), static_cast<int>(reply.size()), 0,
                 reinterpret_cast<const sockaddr*>(&client), nClientLength);
    }
}

CNtpStamp CTestNtpServer::ServerNow() const
{
    const CNtpStamp now = m_behaviour.clock ? m_behaviour.clock() : PreciseNow();
    return now.AddSeconds(m_behaviour.dOffsetSeconds);
}
