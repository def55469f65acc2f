// Any bytes as a section block and as the INI file around it: the entries hold no line end,
// the tasks read from them are written and read again alike, and replacing a section twice
// with the lines of those tasks gives the same file.
#include "fuzz/FuzzCheck.h"
#include "timetable/IniSection.h"
#include "timetable/SectionBlock.h"
#include "timetable/TaskLine.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view block(reinterpret_cast<const char*>(pData), nSize);
    const std::vector<std::string_view> entries = SplitSectionBlock(block);
    for (std::string_view entry : entries)
        FUZZ_CHECK(!entry.empty() && entry.find('\n') == std::string_view::npos &&
                   entry.find('\0') == std::string_view::npos);

    const TaskSectionParse tasks = ParseTaskSection(block);
    FUZZ_CHECK(tasks.records.size() <= entries.size());
    FUZZ_CHECK(!tasks.ok || tasks.records.size() == entries.size());
    std::vector<const TimeTask*> pointers;
    std::vector<std::string> lines;
    for (const TimeTask& task : tasks.records)
    {
        pointers.push_back(&task);
        lines.push_back(FormatTaskLine(task));
    }
    const std::string written = FormatTaskSection(pointers);
    const TaskSectionParse reread = ParseTaskSection(written);
    FUZZ_CHECK(reread.ok && reread.records.size() == tasks.records.size());
    std::vector<const TimeTask*> rereadPointers;
    for (const TimeTask& task : reread.records)
        rereadPointers.push_back(&task);
    FUZZ_CHECK(FormatTaskSection(rereadPointers) == written);
    (void)ParseHolidaySection(block); // no property beyond running clean

    const std::string once = ReplaceIniSection(block, "TIMETABLE", lines);
    FUZZ_CHECK(ReplaceIniSection(once, "TIMETABLE", lines) == once);
    return 0;
}
