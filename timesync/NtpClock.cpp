#include "timesync/NtpClock.h"

#include "framework/Seams.h"

namespace {

constexpr double kHalfMillisecond = 0.0005;

} // namespace

UtcTime ToUtcTime(const SYSTEMTIME& st)
{
    UtcTime utc;
    utc.wYear = st.wYear;
    utc.wMonth = st.wMonth;
    utc.wDayOfWeek = st.wDayOfWeek;
    utc.wDay = st.wDay;
    utc.wHour = st.wHour;
    utc.wMinute = st.wMinute;
    utc.wSecond = st.wSecond;
    utc.wMilliseconds = st.wMilliseconds;
    return utc;
}

SYSTEMTIME ToSystemTimeStruct(const UtcTime& utc)
{
    SYSTEMTIME st;
    st.wYear = utc.wYear;
    st.wMonth = utc.wMonth;
    st.wDayOfWeek = utc.wDayOfWeek;
    st.wDay = utc.wDay;
    st.wHour = utc.wHour;
    st.wMinute = utc.wMinute;
    st.wSecond = utc.wSecond;
    st.wMilliseconds = utc.wMilliseconds;
    return st;
}

CNtpStamp NtpNow()
{
    return CNtpStamp::FromSystemTime(ToUtcTime(Clock().GetUtcTime())).AddSeconds(kHalfMillisecond);
}
