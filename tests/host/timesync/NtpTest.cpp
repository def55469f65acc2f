#include "timesync/CNtpStamp.h"
#include "timesync/NtpArithmetic.h"
#include "timesync/SntpPacket.h"

#include "tests/host/HostData.h"

#include <chrono>

namespace {

UtcTime Utc(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond, int nMs, int nWeekday)
{
    auto w = [](int n) { return static_cast<std::uint16_t>(n); };
    return {w(nYear), w(nMonth), w(nWeekday), w(nDay), w(nHour), w(nMinute), w(nSecond), w(nMs)};
}

CNtpStamp StampAt(const DataRow& r, std::size_t i)
{
    return CNtpStamp(Num<std::uint32_t>(r[i]), Num<std::uint32_t>(r[i + 1]));
}

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

TEST(NtpStamp, ReadsAndWritesTheWorkedTimesAcrossTheErasAndTheWireInNetworkOrder)
{
    for (const DataRow& r : DataRows("ntp-stamps.txt"))
    {
        const CNtpStamp stamp = StampAt(r, 1);
        const UtcTime st =
            Utc(Num(r[3]), Num(r[4]), Num(r[5]), Num(r[6]), Num(r[7]), Num(r[8]), Num(r[9]), Num(r[10]));
        EXPECT_EQ(stamp, r[0] == "read" ? stamp : CNtpStamp::FromSystemTime(st)) << r[3] << "-" << r[4];
        EXPECT_EQ(st, r[0] == "write" ? st : stamp.ToSystemTime()) << r[1] << " " << r[2];
    }
    const std::uint8_t bytes[8] = {0xC3, 0x9E, 0x4B, 0x80, 0x80, 0x00, 0x00, 0x01};
    const CNtpStamp stamp = CNtpStamp::FromNetwork(bytes);
    EXPECT_EQ(CNtpStamp(0xC39E4B80u, 0x80000001u), stamp);
    EXPECT_TRUE(std::ranges::equal(stamp.ToNetwork(), bytes));
}

TEST(NtpStamp, EveryDayFrom1900To2104HasItsDayNumberAndWeekdayAndRoundTripsThroughTheWire)
{
    using namespace std::chrono;
    const sys_days epoch{year{1900} / January / 1};
    // On the wire from the first whole day of era 0's window to the last of era 1's, every field moving.
    const sys_days firstOnWire{year{1968} / January / 21};
    const sys_days lastOnWire{year{2104} / February / 25};
    int n = 0;
    for (sys_days day = epoch; day <= sys_days{year{2104} / December / 31}; day += days{1}, ++n)
    {
        const year_month_day ymd{day};
        const NtpDate date{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                           static_cast<int>(unsigned(ymd.day()))};
        const std::int64_t nJulian = kNtpEpochDayNumber + (day - epoch).count();
        const int nWeekday = static_cast<int>(weekday{day}.c_encoding());
        ASSERT_EQ(nJulian, DateToDayNumber(date.nYear, date.nMonth, date.nDay)) << nJulian;
        ASSERT_EQ(date, DayNumberToDate(nJulian)) << nJulian;
        ASSERT_EQ(nWeekday, DayNumberToWeekday(nJulian)) << nJulian;
        if (day < firstOnWire || day > lastOnWire)
            continue;
        const UtcTime st =
            Utc(date.nYear, date.nMonth, date.nDay, n % 24, n % 60, (n * 7) % 60, (n * 37) % 1000, nWeekday);
        const CNtpStamp stamp = CNtpStamp::FromSystemTime(st);
        ASSERT_EQ(CNtpStamp::FromNetwork(stamp.ToNetwork().data()), stamp);
        ASSERT_EQ(st, stamp.ToSystemTime()) << st.wYear << "-" << st.wMonth << "-" << st.wDay;
    }
}

TEST(NtpStamp, DifferencesAndSumsReadEachStampInItsEra)
{
    for (const DataRow& r : DataRows("ntp-sums.txt"))
    {
        const CNtpStamp a = StampAt(r, 1);
        if (r[0] == "diff")
            EXPECT_DOUBLE_EQ(std::stod(r[5]), a.DiffSeconds(StampAt(r, 3))) << r[1] << " - " << r[3];
        else
            EXPECT_EQ(StampAt(r, 4), a.AddSeconds(std::stod(r[3]))) << r[1] << " + " << r[3];
    }
}

TEST(SntpPacket, RequestCarriesOnlyOurTimeAndTheOffsetIsTheMeanOfTheTwoLegs)
{
    const auto request = BuildSntpRequest(CNtpStamp(0x01020304u, 0x05060708u));
    std::array<std::uint8_t, kSntpPacketBytes> expected{0x1B};
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
        const CNtpStamp none;
        EXPECT_EQ(r[0] == "Accepted"
                      ? std::tuple(Num(r[1]) >> 6, Num(r[2]), kSent, kServerReceived, kServerSent, kArrived)
                      : std::tuple(0, 0, none, none, none, none), // a refused reply fills nothing
                  std::tuple(result.leapIndicator, result.stratum, result.originateTime, result.receiveTime,
                             result.transmitTime, result.destinationTime));
        EXPECT_NEAR(r[0] == "Accepted" ? 12.3425 : 0.0, result.clockOffset, 1e-6);
    }
}
