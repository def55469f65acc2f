// Calendar day numbers and the conversions of the NTP fraction of a second, shared by the
// timestamp and its tests.
#pragma once

#include <array>
#include <cstdint>

struct NtpDate
{
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;

    bool operator==(const NtpDate&) const = default;
};

// Julian day number of a Gregorian date; 1900-01-01 is 2415021. Exact from 1900 on.
std::int64_t DateToDayNumber(int nYear, int nMonth, int nDay);
NtpDate DayNumberToDate(std::int64_t nDay);
// 0 is Sunday, as SYSTEMTIME counts.
int DayNumberToWeekday(std::int64_t nDay);

constexpr std::int64_t kNtpEpochDayNumber = 2415021;

// Milliseconds go in with 2^32 (entry i is i * 2^32 / 1000, rounded); seconds and
// milliseconds come out with 2^32 - 1. Milliseconds survive the round trip, but a difference
// reads a hair long: half a second on the wire is 0.5000000001164153 s.
extern const std::array<std::uint32_t, 1000> MsToFraction;
double FractionToSeconds(std::uint32_t nFraction);
// Rounded to the nearest millisecond, so 1000 for fractions of 4292819812 and above.
std::uint32_t FractionToMs(std::uint32_t nFraction);
