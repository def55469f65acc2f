#include "timetable/SectionBlock.h"

#include "framework/SjisText.h"
#include "timetable/TaskLine.h"

std::vector<std::string_view> SplitSectionBlock(std::string_view block)
{
    std::vector<std::string_view> entries;
    std::size_t nStart = 0;
    for (std::size_t i = 0; i <= block.size(); ++i)
    {
        const bool bEnd = i == block.size();
        if (!bEnd && block[i] != '\0' && block[i] != '\n')
            continue;
        std::string_view entry = block.substr(nStart, i - nStart);
        if (!entry.empty() && entry.back() == '\r')
            entry.remove_suffix(1);
        if (!entry.empty())
            entries.push_back(entry);
        // An empty NUL-ended entry is the block's terminator.
        if (bEnd || (block[i] == '\0' && i == nStart))
            break;
        nStart = i + 1;
    }
    return entries;
}

std::string JoinSectionBlock(const std::vector<std::string>& lines)
{
    std::string block;
    for (const std::string& line : lines)
    {
        block += line;
        block += '\0';
    }
    if (lines.empty())
        block += '\0';
    block += '\0';
    return block;
}

std::string FormatTaskSection(const std::vector<const TimeTask*>& tasks)
{
    std::vector<std::string> lines;
    lines.reserve(tasks.size());
    for (const TimeTask* pTask : tasks)
        lines.push_back(FormatTaskLine(*pTask));
    return JoinSectionBlock(lines);
}

namespace {

template <typename Result, typename Parse> Result ParseEntries(const std::vector<IniLine>& lines, Parse parseLine)
{
    Result result;
    for (const IniLine& line : lines)
    {
        auto record = parseLine(line.text, &result.fault);
        if (!record)
        {
            result.ok = false;
            result.badLine = line;
            break;
        }
        result.records.push_back(std::move(*record));
    }
    return result;
}

std::vector<IniLine> NumberEntries(std::string_view block)
{
    std::vector<IniLine> lines;
    for (std::string_view entry : SplitSectionBlock(block))
        lines.push_back({lines.size() + 1, entry});
    return lines;
}

} // namespace

TaskSectionParse ParseTaskLines(const std::vector<IniLine>& lines)
{
    return ParseEntries<TaskSectionParse>(lines, ParseTaskLine);
}

HolidaySectionParse ParseHolidayLines(const std::vector<IniLine>& lines)
{
    return ParseEntries<HolidaySectionParse>(lines, ParseHolidayLine);
}

TaskSectionParse ParseTaskSection(std::string_view block)
{
    return ParseTaskLines(NumberEntries(block));
}

HolidaySectionParse ParseHolidaySection(std::string_view block)
{
    return ParseHolidayLines(NumberEntries(block));
}

std::string ShownLine(std::string_view line)
{
    constexpr std::size_t kShownBytes = 80;
    if (line.size() <= kShownBytes)
        return std::string(line);
    return CutAtCharBoundary(line, kShownBytes) + "...";
}
