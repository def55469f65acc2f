#include "timetable/IniSection.h"

#include <cctype>

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool IsHeader(std::string_view line)
{
    return !Trim(line).empty() && Trim(line).front() == '[';
}

bool IsHeaderOf(std::string_view line, std::string_view section)
{
    std::string_view text = Trim(line);
    if (text.size() < 2 || text.front() != '[')
        return false;
    const std::size_t nClose = text.find(']');
    if (nClose == std::string_view::npos)
        return false;
    const std::string_view name = Trim(text.substr(1, nClose - 1));
    if (name.size() != section.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != std::tolower(static_cast<unsigned char>(section[i])))
            return false;
    return true;
}

// The position just past the line that starts at nPos (past its line feed, if any).
std::size_t NextLine(std::string_view file, std::size_t nPos)
{
    const std::size_t nFeed = file.find('\n', nPos);
    return nFeed == std::string_view::npos ? file.size() : nFeed + 1;
}

} // namespace

std::string ReplaceIniSection(std::string_view file, std::string_view section, const std::vector<std::string>& lines)
{
    std::string body;
    for (const std::string& line : lines)
    {
        body.append(line);
        body.append("\r\n");
    }

    for (std::size_t nPos = 0; nPos < file.size(); nPos = NextLine(file, nPos))
    {
        const std::size_t nNext = NextLine(file, nPos);
        if (!IsHeaderOf(file.substr(nPos, nNext - nPos), section))
            continue;
        std::size_t nEnd = nNext;
        while (nEnd < file.size() && !IsHeader(file.substr(nEnd, NextLine(file, nEnd) - nEnd)))
            nEnd = NextLine(file, nEnd);
        std::string out(file.substr(0, nNext));
        if (!out.empty() && out.back() != '\n')
            out += "\r\n";
        out += body;
        out += file.substr(nEnd);
        return out;
    }

    std::string out(file);
    if (!out.empty() && out.back() != '\n')
        out += "\r\n";
    out.append("[").append(section).append("]\r\n").append(body);
    return out;
}
