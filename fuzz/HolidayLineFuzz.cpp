// Any bytes as one Holiday.ini line; the name it reads, quoted again, reads back unchanged.
#include "fuzz/FuzzCheck.h"
#include "timetable/TaskLine.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::optional<HolidayEntry> holiday =
        ParseHolidayLine({reinterpret_cast<const char*>(pData), nSize});
    if (!holiday)
        return 0;
    const std::optional<HolidayEntry> reread =
        ParseHolidayLine("* * * * \"" + QuoteText(holiday->m_strName) + "\"");
    FUZZ_CHECK(reread);
    FUZZ_CHECK(reread->m_strName == holiday->m_strName);
    return 0;
}
