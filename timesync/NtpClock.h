// The clock seam read as an NTP stamp, and UtcTime to and from SYSTEMTIME, for the exchange
// and for setting the clock from its result.
#pragma once

#include "timesync/CNtpStamp.h"

#include <windows.h>

UtcTime ToUtcTime(const SYSTEMTIME& st);
SYSTEMTIME ToSystemTimeStruct(const UtcTime& st);

// The clock seam's UTC time. SYSTEMTIME holds the millisecond truncated, so the stamp is the
// middle of that millisecond: T1 and T4 then err by half a millisecond at most, either way,
// instead of biasing every offset by +0.5 ms.
CNtpStamp NtpNow();
