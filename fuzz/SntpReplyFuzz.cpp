// Any bytes as our request's transmit time (8), the arrival time (8) and the server's reply
// (the rest): an accepted reply gives a finite offset and stamps that convert to valid UTC
// fields and back to the same second.
#include "fuzz/FuzzCheck.h"
#include "timesync/SntpPacket.h"

#include <cmath>
#include <cstdint>

namespace {

void CheckStamp(const CNtpStamp& stamp)
{
    const UtcTime st = stamp.ToSystemTime();
    FUZZ_CHECK(st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 && st.wDay <= 31 && st.wHour < 24 &&
               st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000 && st.wDayOfWeek < 7);
    const CNtpStamp back = CNtpStamp::FromSystemTime(st);
    // The milliseconds may have carried into the next second; the era's wrap is the wire's.
    FUZZ_CHECK(back.Seconds() - stamp.Seconds() <= 1u);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 16)
        return 0;
    const CNtpStamp sent = CNtpStamp::FromNetwork(pData);
    const CNtpStamp arrived = CNtpStamp::FromNetwork(pData + 8);
    SntpResult result;
    if (ReadSntpReply({pData + 16, nSize - 16}, sent, arrived, result) != SntpReplyCheck::Accepted)
        return 0;
    FUZZ_CHECK(std::isfinite(result.clockOffset));
    for (const CNtpStamp& stamp : {result.originateTime, result.receiveTime, result.transmitTime,
                                   result.destinationTime, arrived.AddSeconds(result.clockOffset)})
        CheckStamp(stamp);
    return 0;
}
