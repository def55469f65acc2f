#include "timesync/SntpPacket.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kClientRequestHeader = 0x1B; // leap 0, version 3, mode 3
constexpr int kServerMode = 4;
constexpr int kLeapUnsynchronised = 3;
constexpr int kMaxStratum = 15;

constexpr std::size_t kOriginateOffset = 24;
constexpr std::size_t kReceiveOffset = 32;
constexpr std::size_t kTransmitOffset = 40;

} // namespace

std::array<std::uint8_t, kSntpPacketBytes> BuildSntpRequest(const CNtpStamp& transmit)
{
    std::array<std::uint8_t, kSntpPacketBytes> request{};
    request[0] = kClientRequestHeader;
    const std::array<std::uint8_t, 8> wire = transmit.ToNetwork();
    std::copy(wire.begin(), wire.end(), request.begin() + kTransmitOffset);
    return request;
}

SntpReplyCheck ReadSntpReply(std::span<const std::uint8_t> reply, const CNtpStamp& requestTransmit,
                             const CNtpStamp& destination, SntpResult& result)
{
    if (reply.size() < kSntpPacketBytes)
        return SntpReplyCheck::TooShort;
    const int nLeap = reply[0] >> 6;
    const int nStratum = reply[1];
    const CNtpStamp originate = CNtpStamp::FromNetwork(&reply[kOriginateOffset]);
    const CNtpStamp receive = CNtpStamp::FromNetwork(&reply[kReceiveOffset]);
    const CNtpStamp transmit = CNtpStamp::FromNetwork(&reply[kTransmitOffset]);
    if ((reply[0] & 0x07) != kServerMode)
        return SntpReplyCheck::NotFromServer;
    if (nLeap == kLeapUnsynchronised)
        return SntpReplyCheck::Unsynchronised;
    if (nStratum == 0 || nStratum > kMaxStratum)
        return SntpReplyCheck::BadStratum;
    if (transmit == CNtpStamp())
        return SntpReplyCheck::NoTransmitTime;
    if (originate != requestTransmit)
        return SntpReplyCheck::NotOurRequest;

    result.leapIndicator = nLeap;
    result.stratum = nStratum;
    result.originateTime = originate;
    result.receiveTime = receive;
    result.transmitTime = transmit;
    result.destinationTime = destination;
    result.clockOffset = SntpClockOffset(originate, receive, transmit, destination);
    return SntpReplyCheck::Accepted;
}

double SntpClockOffset(const CNtpStamp& t1, const CNtpStamp& t2, const CNtpStamp& t3, const CNtpStamp& t4)
{
    return (t2.DiffSeconds(t1) + t3.DiffSeconds(t4)) * 0.5;
}
