// Any bytes as one TimeTable.ini line: a line the reader accepts is written in a form that
// reads back and writes again byte for byte, so a save never changes a task a second time.
#include "fuzz/FuzzCheck.h"
#include "timetable/TaskLine.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::optional<TimeTask> task = ParseTaskLine({reinterpret_cast<const char*>(pData), nSize});
    if (!task)
        return 0;
    const std::string written = FormatTaskLine(*task);
    const std::optional<TimeTask> reread = ParseTaskLine(written);
    FUZZ_CHECK(reread);
    FUZZ_CHECK(FormatTaskLine(*reread) == written);
    return 0;
}
