#include "framework/IniSection.h"

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

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool IsHeaderOf(std::string_view line, std::string_view section)
{
    std::string_view text = Trim(line);
    if (text.size() < 2 || text.front() != '[')
        return false;
    const std::size_t nClose = text.find(']');
    if (nClose == std::string_view::npos)
        return false;
    return EqualsIgnoringCase(Trim(text.substr(1, nClose - 1)), section);
}

// Whether the line sets one of these keys; comments and lines without '=' set none.
bool SetsAnyOf(std::string_view line, const std::vector<IniKey>& keys)
{
    const std::string_view text = Trim(line);
    const std::size_t nEquals = text.find('=');
    if (text.empty() || text.front() == ';' || nEquals == std::string_view::npos)
        return false;
    const std::string_view key = Trim(text.substr(0, nEquals));
    for (const IniKey& entry : keys)
        if (EqualsIgnoringCase(key, entry.key))
            return true;
    return false;
}

// A line that ended the text without a line feed gets one before more lines follow it.
void EndLine(std::string& out)
{
    if (!out.empty() && out.back() != '\n')
        out += "\r\n";
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
        EndLine(out);
        out += body;
        out += file.substr(nEnd);
        return out;
    }

    std::string out(file);
    EndLine(out);
    out.append("[").append(section).append("]\r\n").append(body);
    return out;
}

std::string SetIniKeys(std::string_view file, std::string_view section, const std::vector<IniKey>& keys)
{
    std::string body;
    for (const IniKey& entry : keys)
        if (entry.value)
            body.append(entry.key).append("=").append(*entry.value).append("\r\n");

    std::string out;
    out.reserve(file.size() + body.size());
    bool bInSection = false;
    bool bWritten = false;
    for (std::size_t nPos = 0; nPos < file.size(); nPos = NextLine(file, nPos))
    {
        const std::string_view line = file.substr(nPos, NextLine(file, nPos) - nPos);
        if (IsHeader(line))
        {
            bInSection = IsHeaderOf(line, section);
            out += line;
            if (bInSection && !bWritten)
            {
                EndLine(out);
                out += body;
                bWritten = true;
            }
        }
        else if (!(bInSection && SetsAnyOf(line, keys)))
        {
            out += line;
        }
    }
    if (!bWritten)
    {
        EndLine(out);
        out.append("[").append(section).append("]\r\n").append(body);
    }
    return out;
}

std::optional<std::vector<IniLine>> FindIniSectionLines(std::string_view file, std::string_view section)
{
    std::optional<std::vector<IniLine>> lines;
    std::size_t nLine = 1;
    for (std::size_t nPos = 0; nPos < file.size(); nPos = NextLine(file, nPos), ++nLine)
    {
        std::string_view line = file.substr(nPos, NextLine(file, nPos) - nPos);
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (IsHeader(line))
        {
            if (lines)
                break;
            if (IsHeaderOf(line, section))
                lines.emplace();
        }
        else if (lines && !Trim(line).empty() && Trim(line).front() != ';')
        {
            lines->push_back({nLine, line});
        }
    }
    return lines;
}
