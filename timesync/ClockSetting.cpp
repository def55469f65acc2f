#include "timesync/ClockSetting.h"

#include "timesync/NtpClock.h"

#include <cmath>
#include <cstdio>

#include <windows.h>

namespace {

constexpr const char* kExchangeFailed =
    " 時刻に失敗しました。\n Failed to retreive time from NTP server, GetLastError returned %d\n";
constexpr const char* kOffsetTooLarge = " １時間以上ずれています。手動で調整して下さい。";
constexpr const char* kSettingFailed = " 時刻に失敗しました。";
constexpr const char* kClockSet = " 時刻を合わせました。\n %.3f 秒補正しました。";

template <typename... Args>
std::string FormatText(const char* pszFormat, Args... args)
{
    const int nLength = std::snprintf(nullptr, 0, pszFormat, args...);
    if (nLength <= 0)
        return {};
    std::string text(static_cast<std::size_t>(nLength) + 1, '\0');
    std::snprintf(text.data(), text.size(), pszFormat, args...);
    text.resize(static_cast<std::size_t>(nLength));
    return text;
}

} // namespace

std::string SetClockFromServer(CSntpClient& client, const char* pszHost, std::uint16_t nPort)
{
    SntpResult result{};
    if (!client.GetServerTime(pszHost, result, nPort))
        return FormatText(kExchangeFailed, static_cast<int>(::GetLastError()));
    if (std::fabs(result.clockOffset) >= kLargestCorrectionSeconds)
        return kOffsetTooLarge;
    // A fresh reading: the time spent since the exchange is not lost.
    const CNtpStamp newTime = NtpNow().AddSeconds(result.clockOffset);
    if (!client.SetClientTime(newTime))
        return kSettingFailed;
    return FormatText(kClockSet, result.clockOffset);
}
