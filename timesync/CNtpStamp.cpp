#include "timesync/CNtpStamp.h"

#include "timesync/NtpArithmetic.h"

#include <cmath>

namespace {

constexpr std::uint64_t kSecondsPerDay = 86400;
constexpr std::uint64_t kEraSeconds = std::uint64_t{1} << 32;

bool IsEraOne(std::uint64_t nValue)
{
    return (nValue >> 63) == 0;
}

// Era 1 starts where era 0 wraps, so an era-1 stamp is later than every era-0 stamp.
bool IsEarlier(std::uint64_t nThis, std::uint64_t nOther)
{
    if (IsEraOne(nThis) != IsEraOne(nOther))
        return IsEraOne(nOther);
    return nThis < nOther;
}

double MagnitudeSeconds(std::uint64_t nDiff)
{
    return static_cast<double>(nDiff >> 32) + FractionToSeconds(static_cast<std::uint32_t>(nDiff));
}

} // namespace

CNtpStamp CNtpStamp::FromSystemTime(const UtcTime& st)
{
    const std::int64_t nDays = DateToDayNumber(st.wYear, st.wMonth, st.wDay) - kNtpEpochDayNumber;
    // A millisecond count past 999 is not a SYSTEMTIME value; carry it rather than read past
    // the table.
    const std::int64_t nSeconds =
        ((nDays * 24 + st.wHour) * 60 + st.wMinute) * 60 + st.wSecond + st.wMilliseconds / 1000;
    // Only the low 32 bits go on the wire: a date past 2036 gives its era-1 value.
    return CNtpStamp(static_cast<std::uint32_t>(nSeconds), MsToFraction[st.wMilliseconds % 1000]);
}

UtcTime CNtpStamp::ToSystemTime() const
{
    std::uint64_t nSeconds = Seconds();
    if (IsEraOne(m_nValue))
        nSeconds += kEraSeconds;
    std::uint32_t nMs = FractionToMs(Fraction());
    if (nMs == 1000)
    {
        nMs = 0;
        ++nSeconds;
    }
    const std::int64_t nDay = static_cast<std::int64_t>(nSeconds / kSecondsPerDay) + kNtpEpochDayNumber;
    const NtpDate date = DayNumberToDate(nDay);
    UtcTime st;
    st.wYear = static_cast<std::uint16_t>(date.nYear);
    st.wMonth = static_cast<std::uint16_t>(date.nMonth);
    st.wDay = static_cast<std::uint16_t>(date.nDay);
    st.wDayOfWeek = static_cast<std::uint16_t>(DayNumberToWeekday(nDay));
    st.wHour = static_cast<std::uint16_t>(nSeconds / 3600 % 24);
    st.wMinute = static_cast<std::uint16_t>(nSeconds / 60 % 60);
    st.wSecond = static_cast<std::uint16_t>(nSeconds % 60);
    st.wMilliseconds = static_cast<std::uint16_t>(nMs);
    return st;
}

CNtpStamp CNtpStamp::FromNetwork(const std::uint8_t* pBytes)
{
    std::uint64_t nValue = 0;
    for (int i = 0; i < 8; ++i)
        nValue = nValue << 8 | pBytes[i];
    return CNtpStamp(nValue);
}

std::array<std::uint8_t, 8> CNtpStamp::ToNetwork() const
{
    std::array<std::uint8_t, 8> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(m_nValue >> (56 - 8 * i));
    return bytes;
}

double CNtpStamp::DiffSeconds(const CNtpStamp& other) const
{
    // The magnitude always comes from an unsigned difference: no 64-bit value overflows.
    if (IsEarlier(m_nValue, other.m_nValue))
        return -MagnitudeSeconds(other.m_nValue - m_nValue);
    return MagnitudeSeconds(m_nValue - other.m_nValue);
}

CNtpStamp CNtpStamp::AddSeconds(double dSeconds) const
{
    if (!std::isfinite(dSeconds))
        return *this;
    const double dMagnitude = std::fabs(dSeconds);
    const double dWhole = std::trunc(dMagnitude);
    // The whole seconds are taken modulo 2^32, as a 32-bit count would hold them; the
    // fraction is scaled by 2^32 - 1, the same factor the readings use, and truncated.
    const auto nWhole = static_cast<std::uint64_t>(std::fmod(dWhole, 4294967296.0));
    const auto nFraction = static_cast<std::uint64_t>((dMagnitude - dWhole) * 4294967295.0);
    const std::uint64_t nAmount = (nWhole << 32) + nFraction;
    return CNtpStamp(dSeconds >= 0 ? m_nValue + nAmount : m_nValue - nAmount);
}
