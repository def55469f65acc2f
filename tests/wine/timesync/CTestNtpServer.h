// An SNTP server on a loopback port, on its own thread: it answers with its precise clock moved by an
// offset, after a delay, through a malformation, or not at all.
#pragma once

#include "timesync/CNtpStamp.h"

#include <winsock.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CTestNtpServer
{
public:
    struct Behaviour
    {
        double dOffsetSeconds = 0.0;
        unsigned nDelayMs = 0; // between stamping the receipt and stamping the reply
        bool bSilent = false;
        std::size_t nReplyBytes = 48;
        std::function<void(std::vector<std::uint8_t>&)> malform = nullptr; // applied to the finished reply
        std::function<CNtpStamp()> clock = nullptr; // before the offset; this machine's precise time unless set
    };

    explicit CTestNtpServer(Behaviour behaviour);
    ~CTestNtpServer();

    std::uint16_t Port() const { return m_nPort; }
    std::vector<std::vector<std::uint8_t>> Requests() const;

    // This machine's UTC time to 100 ns, not through the clock seam.
    static CNtpStamp PreciseNow();

private:
    void Serve();
    CNtpStamp ServerNow() const;

    Behaviour m_behaviour;
    SOCKET m_hSocket = INVALID_SOCKET;
    std::uint16_t m_nPort = 0;
    std::atomic<bool> m_bStop{false};
    mutable std::mutex m_lock;
    std::vector<std::vector<std::uint8_t>> m_requests;
    std::thread m_thread;
};
