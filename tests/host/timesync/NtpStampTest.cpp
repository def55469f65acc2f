#include "timesync/CNtpStamp.h"
#include "timesync/NtpArithmetic.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace {

UtcTime Utc(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0, int nMs = 0,
            int nWeekday = 0)
{
    auto w = [](int n) { return static_cast<std::uint16_t>(n); };
    return {w(nYear), w(nMonth), w(nWeekday), w(nDay), w(nHour), w(nMinute), w(nSecond), w(nMs)};
}

} // namespace

TEST(NtpStamp, ReadsAndWritesTheWorkedTimesAcrossTheErasAndTheWireInNetworkOrder)
{
    using S = CNtpStamp;
    const std::pair<UtcTime, CNtpStamp> written[] = {
        {Utc(1900, 1, 1), S()}, {Utc(2004, 1, 1, 0, 0, 0, 500), S(3281904000u, 2147483648u)},
        {Utc(2036, 2, 7, 6, 28, 15), S(0xFFFFFFFFu, 0)}, {Utc(2036, 2, 7, 6, 28, 16), S(0u, 0)},
        {Utc(2100, 1, 1), S(2016466304u, 0)},
    };
    for (const auto& [st, stamp] : written)
        EXPECT_EQ(stamp, S::FromSystemTime(st)) << st.wYear;
    // Read with the weekday; the top bit gives the window from 1968 to 2104, and a fraction
    // that rounds to 1000 ms carries into the next second.
    const std::pair<CNtpStamp, UtcTime> read[] = {
        {S(3281904000u, 2147483648u), Utc(2004, 1, 1, 0, 0, 0, 500, 4)},
        {S(0u, 0), Utc(2036, 2, 7, 6, 28, 16, 0, 4)},
        {S(2016466304u, 0), Utc(2100, 1, 1, 0, 0, 0, 0, 5)},
        {S(0x80000000u, 0), Utc(1968, 1, 20, 3, 14, 8, 0, 6)},
        {S(0x7FFFFFFFu, 0), Utc(2104, 2, 26, 9, 42, 23, 0, 2)},
        {S(4007750399u, 4292819811u), Utc(2026, 12, 31, 23, 59, 59, 999, 4)},
        {S(4007750399u, 4292819812u), Utc(2027, 1, 1, 0, 0, 0, 0, 5)},
        {S(0xFFFFFFFFu, 0xFFFFFFFFu), Utc(2036, 2, 7, 6, 28, 16, 0, 4)},
    };
    for (const auto& [stamp, st] : read)
        EXPECT_EQ(st, stamp.ToSystemTime()) << stamp.Seconds();
    // The wire form is big-endian, seconds then fraction.
    const std::uint8_t bytes[8] = {0xC3, 0x9E, 0x4B, 0x80, 0x80, 0x00, 0x00, 0x01};
    const CNtpStamp stamp = CNtpStamp::FromNetwork(bytes);
    EXPECT_EQ(CNtpStamp(0xC39E4B80u, 0x80000001u), stamp);
    const std::array<std::uint8_t, 8> wire = stamp.ToNetwork();
    EXPECT_TRUE(std::equal(wire.begin(), wire.end(), bytes));
}

TEST(NtpStamp, MillisecondTableMatchesItsWorkedEntriesAndRoundTrips)
{
    for (const auto& [nMs, nFraction] : {std::pair{0, 0u}, {1, 4294967u}, {2, 8589935u}, {3, 12884902u},
                                         {500, 2147483648u}, {999, 4290672329u}})
        EXPECT_EQ(nFraction, MsToFraction[nMs]) << nMs;
    for (std::uint32_t nMs = 0; nMs < 1000; ++nMs)
        ASSERT_EQ(nMs, FractionToMs(MsToFraction[nMs])) << nMs;
    EXPECT_EQ(999u, FractionToMs(4292819811u));
    EXPECT_EQ(1000u, FractionToMs(4292819812u));
}

TEST(NtpStamp, EveryDayFrom1900To2104HasItsDayNumberAndWeekdayAndRoundTripsThroughTheWire)
{
    using namespace std::chrono;
    const sys_days epoch{year{1900} / January / 1};
    ASSERT_EQ(kNtpEpochDayNumber, DateToDayNumber(1900, 1, 1));
    // From the first whole day of era 0's window to the last of era 1's, at a time of day that
    // moves so that every field is exercised.
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
    using S = CNtpStamp;
    const CNtpStamp lastOfEra0(0xFFFFFFFFu, 0); // a zero stamp is 2036, not 1900
    const CNtpStamp a(3281904000u, 7);
    const std::tuple<CNtpStamp, CNtpStamp, double> diffs[] = {
        {S(0u, 0), lastOfEra0, 1.0}, {lastOfEra0, S(0u, 0), -1.0}, {a, a, 0.0},
        {S(3281904000u, 8), a, 1.0 / 4294967295.0}, {a, S(3281904000u, 8), -1.0 / 4294967295.0},
        {S(3281904001u, 0x40000000u), S(3281904000u, 0xC0000000u), 0.5000000001164153},
        {S(3281904000u, 0xC0000000u), S(3281904001u, 0x40000000u), -0.5000000001164153},
        {S(0x80000000u, 0), S(3281904000u, 0), -1134420352.0}, {S(), S(3281904000u, 0), 1013063296.0},
    };
    for (const auto& [later, earlier, dSeconds] : diffs)
        EXPECT_DOUBLE_EQ(dSeconds, later.DiffSeconds(earlier)) << later.Seconds() << "-" << earlier.Seconds();
    // The fraction scales by 2^32 - 1; going back borrows a second when the fraction is short.
    const std::tuple<CNtpStamp, double, CNtpStamp> sums[] = {
        {lastOfEra0, 1.0, S(0u, 0)}, {S(100u, 0), 0.5, S(100u, 2147483647u)},
        {S(100u, 0), 12.345, S(112u, 1481763716u)}, {S(100u, 0), -1.5, S(98u, 2147483649u)},
        {S(100u, 2147483648u), -1.5, S(99u, 1u)}, {S(5u, 0), std::nan(""), S(5u, 0)},
        {S(0u, 0), -0.5, S(0xFFFFFFFFu, 0x80000001u)}, // wraps back an era
    };
    for (const auto& [from, dSeconds, expected] : sums)
        EXPECT_EQ(expected, from.AddSeconds(dSeconds)) << from.Seconds() << " + " << dSeconds;
}
