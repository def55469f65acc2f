#include "timesync/CNtpStamp.h"
#include "timesync/NtpArithmetic.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace {

UtcTime Utc(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0, int nSecond = 0, int nMs = 0)
{
    UtcTime st;
    st.wYear = static_cast<std::uint16_t>(nYear);
    st.wMonth = static_cast<std::uint16_t>(nMonth);
    st.wDay = static_cast<std::uint16_t>(nDay);
    st.wHour = static_cast<std::uint16_t>(nHour);
    st.wMinute = static_cast<std::uint16_t>(nMinute);
    st.wSecond = static_cast<std::uint16_t>(nSecond);
    st.wMilliseconds = static_cast<std::uint16_t>(nMs);
    return st;
}

UtcTime WithWeekday(UtcTime st, int nWeekday)
{
    st.wDayOfWeek = static_cast<std::uint16_t>(nWeekday);
    return st;
}

constexpr double kOneUnit = 1.0 / 4294967295.0;

} // namespace

TEST(NtpStamp, ReadsAndWritesTheWorkedTimes)
{
    EXPECT_EQ(CNtpStamp(), CNtpStamp::FromSystemTime(Utc(1900, 1, 1)));
    EXPECT_EQ(CNtpStamp(3281904000u, 0), CNtpStamp::FromSystemTime(Utc(2004, 1, 1)));

    const CNtpStamp half = CNtpStamp::FromSystemTime(Utc(2004, 1, 1, 0, 0, 0, 500));
    EXPECT_EQ(CNtpStamp(3281904000u, 2147483648u), half);
    EXPECT_EQ(WithWeekday(Utc(2004, 1, 1, 0, 0, 0, 500), 4), half.ToSystemTime()); // a Thursday

    EXPECT_EQ(1, DayNumberToWeekday(DateToDayNumber(1900, 1, 1))) << "1900-01-01 was a Monday";
}

TEST(NtpStamp, MillisecondTableMatchesItsWorkedEntriesAndRoundTrips)
{
    EXPECT_EQ(0u, MsToFraction[0]);
    EXPECT_EQ(4294967u, MsToFraction[1]);
    EXPECT_EQ(8589935u, MsToFraction[2]);
    EXPECT_EQ(12884902u, MsToFraction[3]);
    EXPECT_EQ(2147483648u, MsToFraction[500]);
    EXPECT_EQ(4290672329u, MsToFraction[999]);
    for (std::uint32_t nMs = 0; nMs < 1000; ++nMs)
        ASSERT_EQ(nMs, FractionToMs(MsToFraction[nMs])) << nMs;
    EXPECT_EQ(999u, FractionToMs(4292819811u));
    EXPECT_EQ(1000u, FractionToMs(4292819812u));
}

TEST(NtpStamp, DayNumbersAgreeWithTheCalendarFrom1900To2104)
{
    using namespace std::chrono;
    const sys_days epoch{year{1900} / January / 1};
    const sys_days last{year{2104} / December / 31};
    ASSERT_EQ(kNtpEpochDayNumber, DateToDayNumber(1900, 1, 1));
    for (sys_days day = epoch; day <= last; day += days{1})
    {
        const year_month_day ymd{day};
        const NtpDate date{static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                                static_cast<int>(unsigned(ymd.day()))};
        const std::int64_t nJulian = kNtpEpochDayNumber + (day - epoch).count();
        ASSERT_EQ(nJulian, DateToDayNumber(date.nYear, date.nMonth, date.nDay))
            << date.nYear << "-" << date.nMonth << "-" << date.nDay;
        ASSERT_EQ(date, DayNumberToDate(nJulian)) << nJulian;
        ASSERT_EQ(static_cast<int>(weekday{day}.c_encoding()), DayNumberToWeekday(nJulian)) << nJulian;
    }
}

TEST(NtpStamp, EveryDayOfBothErasRoundTripsThroughTheWire)
{
    using namespace std::chrono;
    // From the first whole day of era 0's window to the last of era 1's, at a time of day
    // that moves so that every field is exercised.
    const sys_days first{year{1968} / January / 21};
    const sys_days last{year{2104} / February / 25};
    int n = 0;
    for (sys_days day = first; day <= last; day += days{1}, ++n)
    {
        const year_month_day ymd{day};
        const UtcTime st = WithWeekday(
            Utc(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                static_cast<int>(unsigned(ymd.day())), n % 24, n % 60, (n * 7) % 60, (n * 37) % 1000),
            static_cast<int>(weekday{day}.c_encoding()));
        const CNtpStamp stamp = CNtpStamp::FromSystemTime(st);
        ASSERT_EQ(CNtpStamp::FromNetwork(stamp.ToNetwork().data()), stamp);
        ASSERT_EQ(st, stamp.ToSystemTime()) << st.wYear << "-" << st.wMonth << "-" << st.wDay;
    }
}

TEST(NtpStamp, ErasMeetAt2036WithoutLosingASecond)
{
    const CNtpStamp lastOfEra0 = CNtpStamp::FromSystemTime(Utc(2036, 2, 7, 6, 28, 15));
    const CNtpStamp firstOfEra1 = CNtpStamp::FromSystemTime(Utc(2036, 2, 7, 6, 28, 16));
    EXPECT_EQ(CNtpStamp(0xFFFFFFFFu, 0), lastOfEra0);
    EXPECT_EQ(CNtpStamp(0u, 0), firstOfEra1);
    EXPECT_EQ(WithWeekday(Utc(2036, 2, 7, 6, 28, 16), 4), firstOfEra1.ToSystemTime());
    EXPECT_EQ(firstOfEra1, lastOfEra0.AddSeconds(1.0));
    EXPECT_DOUBLE_EQ(1.0, firstOfEra1.DiffSeconds(lastOfEra0));
    EXPECT_DOUBLE_EQ(-1.0, lastOfEra0.DiffSeconds(firstOfEra1));
    // A zero stamp is 2036, not 1900: it lies after 2004, not 3281904000 s before it.
    EXPECT_DOUBLE_EQ(1013063296.0, CNtpStamp().DiffSeconds(CNtpStamp(3281904000u, 0)));

    EXPECT_EQ(CNtpStamp(2016466304u, 0), CNtpStamp::FromSystemTime(Utc(2100, 1, 1)));
    EXPECT_EQ(WithWeekday(Utc(2100, 1, 1), 5), CNtpStamp(2016466304u, 0).ToSystemTime());
    // The two ends of the window the top bit gives.
    EXPECT_EQ(WithWeekday(Utc(1968, 1, 20, 3, 14, 8), 6), CNtpStamp(0x80000000u, 0).ToSystemTime());
    EXPECT_EQ(WithWeekday(Utc(2104, 2, 26, 9, 42, 23), 2), CNtpStamp(0x7FFFFFFFu, 0).ToSystemTime());
}

TEST(NtpStamp, AThousandMillisecondsCarryIntoTheNextSecond)
{
    const std::uint32_t nLastSecondOf2026 = 4007750399u; // 2026-12-31 23:59:59, a Thursday
    EXPECT_EQ(WithWeekday(Utc(2026, 12, 31, 23, 59, 59, 999), 4),
              CNtpStamp(nLastSecondOf2026, 4292819811u).ToSystemTime());
    EXPECT_EQ(WithWeekday(Utc(2027, 1, 1), 5), CNtpStamp(nLastSecondOf2026, 4292819812u).ToSystemTime());
    EXPECT_EQ(WithWeekday(Utc(2036, 2, 7, 6, 28, 16), 4), CNtpStamp(0xFFFFFFFFu, 0xFFFFFFFFu).ToSystemTime());
}

TEST(NtpStamp, DifferencesTakeTheirSignFromTheOrder)
{
    const CNtpStamp a(3281904000u, 7);
    const CNtpStamp b(3281904000u, 8);
    EXPECT_DOUBLE_EQ(kOneUnit, b.DiffSeconds(a));
    EXPECT_DOUBLE_EQ(-kOneUnit, a.DiffSeconds(b));
    EXPECT_EQ(0.0, a.DiffSeconds(a));

    const CNtpStamp c(3281904000u, 0xC0000000u);
    const CNtpStamp d(3281904001u, 0x40000000u); // half a second later, across a whole second
    EXPECT_DOUBLE_EQ(0.5000000001164153, d.DiffSeconds(c));
    EXPECT_DOUBLE_EQ(-0.5000000001164153, c.DiffSeconds(d));
    EXPECT_DOUBLE_EQ(-1134420352.0, CNtpStamp(0x80000000u, 0).DiffSeconds(CNtpStamp(3281904000u, 0)));
}

TEST(NtpStamp, AddingScalesTheFractionByTwoToTheThirtyTwoMinusOne)
{
    EXPECT_EQ(CNtpStamp(100u, 2147483647u), CNtpStamp(100u, 0).AddSeconds(0.5));
    EXPECT_EQ(CNtpStamp(112u, 1481763716u), CNtpStamp(100u, 0).AddSeconds(12.345));
    // -1.5: one second and 2147483647 units back, borrowing a second when the fraction is short.
    EXPECT_EQ(CNtpStamp(98u, 2147483649u), CNtpStamp(100u, 0).AddSeconds(-1.5));
    EXPECT_EQ(CNtpStamp(99u, 1u), CNtpStamp(100u, 2147483648u).AddSeconds(-1.5));
    EXPECT_EQ(CNtpStamp(0xFFFFFFFFu, 0x80000001u), CNtpStamp(0u, 0).AddSeconds(-0.5)) << "wraps back an era";
    EXPECT_EQ(CNtpStamp(5u, 0), CNtpStamp(5u, 0).AddSeconds(std::nan("")));
}

TEST(NtpStamp, WireFormIsBigEndianSecondsThenFraction)
{
    const std::uint8_t bytes[8] = {0xC3, 0x9E, 0x4B, 0x80, 0x80, 0x00, 0x00, 0x01};
    const CNtpStamp stamp = CNtpStamp::FromNetwork(bytes);
    EXPECT_EQ(0xC39E4B80u, stamp.Seconds());
    EXPECT_EQ(0x80000001u, stamp.Fraction());
    const std::array<std::uint8_t, 8> wire = stamp.ToNetwork();
    EXPECT_TRUE(std::equal(wire.begin(), wire.end(), bytes));
}
