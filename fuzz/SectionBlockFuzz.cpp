// Any bytes as a section block and as the INI file around it: the entries hold no line end,
// reading stops only at a bad line, the tasks' lines joined into a block split into the same
// lines again, and replacing a section, or setting keys, twice gives the same file as once.
#include "framework/IniSection.h"
#include "fuzz/FuzzCheck.h"
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
    FUZZ_CHECK(tasks.ok == (tasks.records.size() == entries.size()));
    std::vector<std::string> lines;
    for (const TimeTask& task : tasks.records)
        lines.push_back(FormatTaskLine(task));
    const std::string joined = JoinSectionBlock(lines);
    const std::vector<std::string_view> split = SplitSectionBlock(joined);
    FUZZ_CHECK(std::equal(split.begin(), split.end(), lines.begin(), lines.end()));

    const std::string once = ReplaceIniSection(block, "TIMETABLE", lines);
    FUZZ_CHECK(ReplaceIniSection(once, "TIMETABLE", lines) == once);
    const std::vector<IniKey> keys = {{"SERVER1", "ntp.nict.jp"}, {"SERVER2", std::nullopt}};
    const std::string set = SetIniKeys(block, "NTP", keys);
    FUZZ_CHECK(SetIniKeys(set, "NTP", keys) == set);
    return 0;
}
