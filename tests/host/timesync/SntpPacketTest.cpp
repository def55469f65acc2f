#include "timesync/NtpArithmetic.h"
#include "timesync/SntpPacket.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

CNtpStamp At(std::uint32_t nSeconds, std::uint32_t nMs)
{
    return CNtpStamp(nSeconds, MsToFraction[nMs]);
}

void Put(std::vector<std::uint8_t>& packet, std::size_t nOffset, const CNtpStamp& stamp)
{
    std::ranges::copy(stamp.ToNetwork(), packet.begin() + static_cast<std::ptrdiff_t>(nOffset));
}

const CNtpStamp kSent = At(3990000000u, 250);
const CNtpStamp kServerReceived = At(3990000012u, 595);
const CNtpStamp kServerSent = At(3990000012u, 600);
const CNtpStamp kArrived = At(3990000000u, 260);

// What a server in sync says to our request, with the 20 optional bytes when asked.
std::vector<std::uint8_t> GoodReply(std::size_t nBytes = kSntpPacketBytes)
{
    std::vector<std::uint8_t> reply(nBytes, 0);
    reply[0] = 0x1C; // leap 0, version 3, server
    reply[1] = 2;
    Put(reply, 24, kSent);
    Put(reply, 32, kServerReceived);
    Put(reply, 40, kServerSent);
    return reply;
}

} // namespace

TEST(SntpPacket, RequestCarriesOnlyOurTimeAndTheOffsetIsTheMeanOfTheTwoLegs)
{
    const auto request = BuildSntpRequest(CNtpStamp(0x01020304u, 0x05060708u));
    std::array<std::uint8_t, kSntpPacketBytes> expected{};
    expected[0] = 0x1B;
    for (int i = 0; i < 8; ++i)
        expected[40 + i] = static_cast<std::uint8_t>(i + 1);
    EXPECT_EQ(expected, request);
    EXPECT_NEAR(1.450, SntpClockOffset(At(100, 0), At(101, 500), At(101, 600), At(100, 200)), 1e-9);
    // A clock ahead of the server reads negative; the asymmetric delay is half in the offset.
    EXPECT_NEAR(-0.25, SntpClockOffset(At(100, 500), At(100, 260), At(100, 260), At(100, 520)), 1e-9);
}

TEST(SntpPacket, AcceptedRepliesFillEveryFieldWithOrWithoutTheDigest)
{
    // Leap 2 announces a leap second, the time is still good; servers may answer with version 4.
    for (std::size_t nBytes : {kSntpPacketBytes, kSntpReplyBufferBytes})
        for (const auto& [nHeader, nStratum] : {std::pair{0x9C, 2}, {0x1C, 1}, {0x5C, 15}, {0x24, 15}})
        {
            std::vector<std::uint8_t> reply = GoodReply(nBytes);
            reply[0] = static_cast<std::uint8_t>(nHeader);
            reply[1] = static_cast<std::uint8_t>(nStratum);
            SntpResult result;
            ASSERT_EQ(SntpReplyCheck::Accepted, ReadSntpReply(reply, kSent, kArrived, result)) << nHeader;
            EXPECT_EQ(nHeader >> 6, result.leapIndicator);
            EXPECT_EQ(nStratum, result.stratum);
            EXPECT_EQ((std::array{kSent, kServerReceived, kServerSent, kArrived}),
                      (std::array{result.originateTime, result.receiveTime, result.transmitTime,
                                  result.destinationTime}));
            EXPECT_NEAR(12.3425, result.clockOffset, 1e-6);
        }
}

TEST(SntpPacket, RefusesRepliesThatMustNotMoveTheClock)
{
    const std::tuple<const char*, std::function<void(std::vector<std::uint8_t>&)>, SntpReplyCheck> cases[] = {
        {"47 bytes", [](auto& r) { r.resize(47); }, SntpReplyCheck::TooShort},
        {"client mode", [](auto& r) { r[0] = 0x1B; }, SntpReplyCheck::NotFromServer},
        {"leap 3", [](auto& r) { r[0] = 0xDC; }, SntpReplyCheck::Unsynchronised},
        {"kiss-o'-death", [](auto& r) { r[1] = 0; }, SntpReplyCheck::BadStratum},
        {"stratum 16", [](auto& r) { r[1] = 16; }, SntpReplyCheck::BadStratum},
        {"zero transmit", [](auto& r) { Put(r, 40, CNtpStamp()); }, SntpReplyCheck::NoTransmitTime},
        {"zero originate", [](auto& r) { Put(r, 24, CNtpStamp()); }, SntpReplyCheck::NotOurRequest},
        {"originate one unit off", [](auto& r) { Put(r, 24, CNtpStamp(kSent.Value() + 1)); },
         SntpReplyCheck::NotOurRequest},
        {"originate a second off", [](auto& r) { Put(r, 24, CNtpStamp(kSent.Value() + (1ull << 32))); },
         SntpReplyCheck::NotOurRequest},
    };
    for (const auto& [what, mutate, expected] : cases)
    {
        std::vector<std::uint8_t> reply = GoodReply(kSntpReplyBufferBytes);
        mutate(reply);
        SntpResult result;
        EXPECT_EQ(expected, ReadSntpReply(reply, kSent, kArrived, result)) << what;
        EXPECT_EQ(0.0, result.clockOffset) << what << ": a refused reply fills nothing";
        EXPECT_EQ(CNtpStamp(), result.destinationTime) << what;
    }
}
