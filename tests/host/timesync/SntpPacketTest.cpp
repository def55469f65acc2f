#include "timesync/NtpArithmetic.h"
#include "timesync/SntpPacket.h"

#include "tests/host/HostData.h"

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

TEST(SntpPacket, AcceptedRepliesFillEveryFieldAndRefusedOnesThatMustNotMoveTheClockNone)
{
    const std::vector<std::string> checks = {"Accepted", "TooShort", "NotFromServer", "Unsynchronised",
                                             "BadStratum", "NoTransmitTime", "NotOurRequest"};
    for (const DataRow& r : DataRows("sntp-replies.txt"))
    {
        SCOPED_TRACE(r[0] + " " + r[1] + " " + r[2] + " " + r[3] + " " + (r.size() > 4 ? r[4] : ""));
        std::vector<std::uint8_t> reply(kSntpReplyBufferBytes, 0); // with the 20 optional bytes of a digest
        reply[0] = Num<std::uint8_t>(r[1]);
        reply[1] = Num<std::uint8_t>(r[2]);
        Put(reply, 24, kSent);
        Put(reply, 32, kServerReceived);
        Put(reply, 40, kServerSent);
        reply.resize(Num<std::size_t>(r[3]));
        if (r.size() > 5 && std::isdigit(static_cast<unsigned char>(r[4][0])))
            Put(reply, Num<std::size_t>(r[4]),
                r[5] == "zero" ? CNtpStamp() : CNtpStamp(kSent.Value() + Num<std::uint64_t>(r[5])));
        SntpResult result;
        EXPECT_EQ(r[0], checks.at(static_cast<std::size_t>(ReadSntpReply(reply, kSent, kArrived, result))));
        if (r[0] != "Accepted")
        {
            EXPECT_EQ(0.0, result.clockOffset) << "a refused reply fills nothing";
            EXPECT_EQ(CNtpStamp(), result.destinationTime);
            continue;
        }
        EXPECT_EQ(Num(r[1]) >> 6, result.leapIndicator);
        EXPECT_EQ(Num(r[2]), result.stratum);
        EXPECT_EQ((std::array{kSent, kServerReceived, kServerSent, kArrived}),
                  (std::array{result.originateTime, result.receiveTime, result.transmitTime,
                              result.destinationTime}));
        EXPECT_NEAR(12.3425, result.clockOffset, 1e-6);
    }
}
