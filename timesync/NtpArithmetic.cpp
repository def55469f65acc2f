#include "timesync/NtpArithmetic.h"

namespace {

// 1 / (2^32 - 1) and 1000 / (2^32 - 1), as the nearest doubles.
constexpr double kSecondsPerFraction = 2.3283064370807974e-10;
constexpr double kMsPerFraction = 2.3283064370807974e-7;

constexpr std::array<std::uint32_t, 1000> MakeMsToFraction()
{
    std::array<std::uint32_t, 1000> table{};
    for (std::uint64_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint32_t>(((i << 32) + 500) / 1000); // no entry is a tie
    return table;
}

} // namespace

const std::array<std::uint32_t, 1000> MsToFraction = MakeMsToFraction();

std::int64_t DateToDayNumber(int nYear, int nMonth, int nDay)
{
    // The year starts in March, so the leap day is the last day of the year before.
    const std::int64_t m = nMonth > 2 ? nMonth - 3 : nMonth + 9;
    const std::int64_t y = nMonth > 2 ? nYear : nYear - 1;
    const std::int64_t c = y / 100;
    const std::int64_t r = y - 100 * c;
    return (146097 * c) / 4 + (1461 * r) / 4 + (153 * m + 2) / 5 + nDay + 1721119;
}

NtpDate DayNumberToDate(std::int64_t nDay)
{
    const std::int64_t t = 4 * (nDay - 1721119);
    const std::int64_t c = (t - 1) / 146097;
    const std::int64_t d = (t - 1 - 146097 * c) / 4;
    const std::int64_t u = 4 * d + 3;
    const std::int64_t r = u / 1461;
    const std::int64_t v = (u - 1461 * r + 4) / 4;
    const std::int64_t w = 5 * v - 3;
    const std::int64_t m = w / 153;
    NtpDate date;
    date.nDay = static_cast<int>((w - 153 * m + 5) / 5);
    date.nYear = static_cast<int>(100 * c + r);
    if (m < 10)
    {
        date.nMonth = static_cast<int>(m + 3);
    }
    else
    {
        date.nMonth = static_cast<int>(m - 9);
        ++date.nYear;
    }
    return date;
}

int DayNumberToWeekday(std::int64_t nDay)
{
    return static_cast<int>((nDay + 1) % 7);
}

double FractionToSeconds(std::uint32_t nFraction)
{
    return nFraction * kSecondsPerFraction;
}

std::uint32_t FractionToMs(std::uint32_t nFraction)
{
    return static_cast<std::uint32_t>(nFraction * kMsPerFraction + 0.5);
}
