// The 64-bit NTP timestamp: whole seconds since 1900-01-01 00:00:00 UTC in the upper 32 bits,
// the fraction of a second below. A value type; the SNTP exchange and the clock setting use it.
#pragma once

#include <array>
#include <cstdint>

// A UTC time broken down as SYSTEMTIME is, field for field, so that the Windows side copies
// one into the other and this file needs no Windows header.
struct UtcTime
{
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0; // 0 is Sunday
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    bool operator==(const UtcTime&) const = default;
};

class CNtpStamp
{
public:
    CNtpStamp() = default;
    explicit CNtpStamp(std::uint64_t nValue) : m_nValue(nValue) {}
    CNtpStamp(std::uint32_t nSeconds, std::uint32_t nFraction)
        : m_nValue(static_cast<std::uint64_t>(nSeconds) << 32 | nFraction)
    {
    }

    // The wire value of the time, era 0 up to 2036-02-07 06:28:15 UTC and era 1 after it.
    static CNtpStamp FromSystemTime(const UtcTime& st);
    // Seconds with the top bit clear are read as era 1 (from 2036-02-07 06:28:16 UTC), so the
    // dates run from 1968-01-20 03:14:08 to 2104-02-26. A fraction that rounds to 1000 ms
    // carries into the next second: SetSystemTime refuses 1000 ms.
    UtcTime ToSystemTime() const;

    static CNtpStamp FromNetwork(const std::uint8_t* pBytes);
    std::array<std::uint8_t, 8> ToNetwork() const;

    std::uint64_t Value() const { return m_nValue; }
    std::uint32_t Seconds() const { return static_cast<std::uint32_t>(m_nValue >> 32); }
    std::uint32_t Fraction() const { return static_cast<std::uint32_t>(m_nValue); }

    // This stamp minus the other, in seconds; the two are read in their eras, so a pair that
    // straddles the 2036 rollover still differs by the seconds between them.
    double DiffSeconds(const CNtpStamp& other) const;
    // Moved by a signed number of seconds, wrapping as the wire value does.
    CNtpStamp AddSeconds(double dSeconds) const;

    bool operator==(const CNtpStamp&) const = default;

private:
    std::uint64_t m_nValue = 0;
};
