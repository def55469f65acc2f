// The SNTP request we send, the checks a reply must pass before its time is believed, and the
// clock offset from the four timestamps. CSntpClient does the socket work around these.
#pragma once

#include "timesync/CNtpStamp.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr std::size_t kSntpPacketBytes = 48;
// A reply may carry a key identifier and a digest after the 48 bytes; we read and ignore them.
constexpr std::size_t kSntpReplyBufferBytes = 68;

struct SntpResult
{
    int leapIndicator = 0;
    int stratum = 0;
    CNtpStamp originateTime;   // T1: our request's transmit time, echoed by the server
    CNtpStamp receiveTime;     // T2
    CNtpStamp transmitTime;    // T3
    CNtpStamp destinationTime; // T4: our clock when the reply became readable
    double clockOffset = 0.0;  // seconds; positive when our clock is behind
};

// Why a reply is refused. Each of these is a datagram that must not move the clock: a stray
// or forged one, a server that does not know the time, or one that told us to go away.
enum class SntpReplyCheck
{
    Accepted,
    TooShort,       // fewer than 48 bytes
    NotFromServer,  // mode other than 4
    Unsynchronised, // leap indicator 3
    BadStratum,     // 0 (a kiss-o'-death) or above 15
    NoTransmitTime, // zero transmit timestamp
    NotOurRequest,  // originate timestamp is not the transmit time we sent
};

// All zero but the first byte (leap 0, version 3, client mode) and the transmit timestamp.
std::array<std::uint8_t, kSntpPacketBytes> BuildSntpRequest(const CNtpStamp& transmit);

// Checks the reply against the request that carried requestTransmit; when it passes, fills
// the result with its fields, the destination time and the offset.
SntpReplyCheck ReadSntpReply(std::span<const std::uint8_t> reply, const CNtpStamp& requestTransmit,
                             const CNtpStamp& destination, SntpResult& result);

// ((T2 - T1) + (T3 - T4)) / 2: the path delay cancels when it is the same both ways.
double SntpClockOffset(const CNtpStamp& t1, const CNtpStamp& t2, const CNtpStamp& t3, const CNtpStamp& t4);
