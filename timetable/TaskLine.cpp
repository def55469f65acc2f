#include "timetable/TaskLine.h"

#include "framework/ColourText.h"
#include "framework/NumberText.h"
#include "framework/SjisText.h"

#include <climits>
#include <vector>

namespace {

constexpr std::size_t kTaskFieldCount = 10;
constexpr std::size_t kHolidayFieldCount = 4;

// Splits off the first nCount space-separated tokens; nPos ends after the last one.
bool TakeTokens(std::string_view line, std::size_t nCount, std::vector<std::string_view>& tokens,
                std::size_t& nPos)
{
    nPos = 0;
    while (tokens.size() < nCount)
    {
        while (nPos < line.size() && line[nPos] == ' ')
            ++nPos;
        if (nPos == line.size())
            return false;
        const std::size_t nStart = nPos;
        while (nPos < line.size() && line[nPos] != ' ')
            ++nPos;
        tokens.push_back(line.substr(nStart, nPos - nStart));
    }
    return true;
}

// "*..." is any; otherwise an optional sign and the leading digits, as atoi reads them but
// clamped instead of overflowing.
int ReadNumber(std::string_view token)
{
    if (!token.empty() && token[0] == '*')
        return -1;
    std::size_t i = 0;
    bool bNegative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        bNegative = token[i++] == '-';
    long long nValue = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i)
    {
        nValue = nValue * 10 + (token[i] - '0');
        if (nValue > static_cast<long long>(INT_MAX) + 1)
            nValue = static_cast<long long>(INT_MAX) + 1;
    }
    if (bNegative)
        return static_cast<int>(-nValue);
    return nValue > INT_MAX ? INT_MAX : static_cast<int>(nValue);
}

int ReadColour(std::string_view token)
{
    if (!token.empty() && token[0] == '*')
        return -1;
    return static_cast<int>(ParseColourText(token));
}

// The quoted text that opens at the first quote at or after nFrom. It closes at the first
// quote after an even number of backslashes (none included); runs of backslashes before a
// quote are halved, an odd one leaving a literal quote. nEnd is just past the closing quote.
// bWholeChars: a double-byte character is taken whole, so its second byte is never a
// backslash of a run.
std::optional<std::string> ReadQuotedText(std::string_view line, std::size_t nFrom, std::size_t& nEnd,
                                          LineFault& fault, bool bWholeChars)
{
    const std::size_t nOpen = line.find('"', nFrom);
    if (nOpen == std::string_view::npos)
    {
        fault = LineFault::NoOpeningQuote;
        return std::nullopt;
    }
    fault = LineFault::UnclosedQuote;
    std::string text;
    std::size_t i = nOpen + 1;
    while (i < line.size())
    {
        if (bWholeChars && IsSjisLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size())
        {
            text.append(line.substr(i, 2));
            i += 2;
            continue;
        }
        if (line[i] != '\\' && line[i] != '"')
        {
            text += line[i++];
            continue;
        }
        std::size_t nRun = 0;
        while (i < line.size() && line[i] == '\\')
        {
            ++nRun;
            ++i;
        }
        if (i == line.size())
            return std::nullopt;
        if (line[i] != '"')
        {
            text.append(nRun, '\\'); // not before a quote: backslashes stand for themselves
            continue;
        }
        text.append(nRun / 2, '\\');
        ++i;
        if (nRun % 2 == 0)
        {
            nEnd = i;
            fault = LineFault::None;
            return text;
        }
        text += '"';
    }
    return std::nullopt;
}

// A plain quoted string (sound, extra): from the next quote to the one after it.
bool ReadPlainString(std::string_view line, std::size_t& nPos, std::string& value)
{
    if (nPos >= line.size())
        return true;
    const std::size_t nOpen = line.find('"', nPos);
    if (nOpen == std::string_view::npos)
    {
        nPos = line.size();
        return true;
    }
    const std::size_t nClose = line.find('"', nOpen + 1);
    if (nClose == std::string_view::npos)
        return false;
    value.assign(line.substr(nOpen + 1, nClose - nOpen - 1));
    nPos = nClose + 1;
    return true;
}

// The second byte of a double-byte character is no backslash: "表n" stays as it is.
std::string ExpandControlEscapes(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (IsSjisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
        {
            out += text[i];
            out += text[++i];
        }
        else if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't'))
        {
            out += text[i + 1] == 'n' ? '\n' : '\t';
            ++i;
        }
        else
        {
            out += text[i];
        }
    }
    return out;
}

std::string EscapeControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
    {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

void AppendField(std::string& line, const std::string& value, std::size_t nWidth)
{
    if (value.size() < nWidth)
        line.append(nWidth - value.size(), ' ');
    line += value;
    line += ' ';
}

std::string NumberField(int nValue)
{
    return nValue < 0 ? std::string("*") : FormatTwoDigits(nValue);
}

std::string ColourField(int crValue)
{
    return crValue == -1 ? std::string("*") : FormatColourText(static_cast<std::uint32_t>(crValue));
}

} // namespace

std::string QuoteText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    std::size_t i = 0;
    while (i < text.size())
    {
        if (text[i] != '\\' && text[i] != '"')
        {
            out += text[i++];
            continue;
        }
        std::size_t nRun = 0;
        while (i < text.size() && text[i] == '\\')
        {
            ++nRun;
            ++i;
        }
        const bool bBeforeQuote = i < text.size() && text[i] == '"';
        const bool bAtEnd = i == text.size();
        out.append(bBeforeQuote || bAtEnd ? nRun * 2 : nRun, '\\');
        if (bBeforeQuote)
        {
            out += "\\\"";
            ++i;
        }
    }
    return out;
}

std::string FormatTaskLine(const TimeTask& task)
{
    std::string line;
    AppendField(line, NumberField(task.m_nYear), 4);
    for (int nValue : {task.m_nMonth, task.m_nDay, task.m_nWeekday, task.m_nHour, task.m_nMinute,
                       task.m_nLeadSeconds, task.m_nShowSeconds})
        AppendField(line, NumberField(nValue), 2);
    AppendField(line, ColourField(task.m_crText), 6);
    AppendField(line, ColourField(task.m_crBack), 6);
    line += " \"" + EscapeControls(QuoteText(task.m_strText)) + "\"";
    if (!task.m_strSound.empty())
        line += " \"" + EscapeControls(task.m_strSound) + "\"";
    if (!task.m_strExtra.empty())
        line += " \"" + EscapeControls(task.m_strExtra) + "\"";
    return line;
}

namespace {

std::optional<TimeTask> ReadTaskLine(std::string_view line, LineFault& fault, bool bWholeChars)
{
    std::vector<std::string_view> tokens;
    std::size_t nPos = 0;
    if (!TakeTokens(line, kTaskFieldCount, tokens, nPos))
    {
        fault = LineFault::TooFewFields;
        return std::nullopt;
    }
    TimeTask task;
    int* numbers[] = {&task.m_nYear, &task.m_nMonth,  &task.m_nDay,         &task.m_nWeekday,
                      &task.m_nHour, &task.m_nMinute, &task.m_nLeadSeconds, &task.m_nShowSeconds};
    for (std::size_t i = 0; i < 8; ++i)
        *numbers[i] = ReadNumber(tokens[i]);
    task.m_crText = ReadColour(tokens[8]);
    task.m_crBack = ReadColour(tokens[9]);

    std::optional<std::string> text = ReadQuotedText(line, nPos, nPos, fault, bWholeChars);
    if (!text)
        return std::nullopt;
    task.m_strText = ExpandControlEscapes(*text);
    if (!ReadPlainString(line, nPos, task.m_strSound) || !ReadPlainString(line, nPos, task.m_strExtra))
    {
        fault = LineFault::UnclosedQuote;
        return std::nullopt;
    }
    return task;
}

std::optional<HolidayEntry> ReadHolidayLine(std::string_view line, LineFault& fault, bool bWholeChars)
{
    std::vector<std::string_view> tokens;
    std::size_t nPos = 0;
    if (!TakeTokens(line, kHolidayFieldCount, tokens, nPos))
    {
        fault = LineFault::TooFewFields;
        return std::nullopt;
    }
    HolidayEntry holiday;
    holiday.m_nYear = ReadNumber(tokens[0]);
    holiday.m_nMonth = ReadNumber(tokens[1]);
    holiday.m_nDay = ReadNumber(tokens[2]);
    holiday.m_crColor = ReadColour(tokens[3]);
    std::optional<std::string> name = ReadQuotedText(line, nPos, nPos, fault, bWholeChars);
    if (!name)
        return std::nullopt;
    holiday.m_strName = std::move(*name);
    return holiday;
}

// As the line has always been read; failing that, with double-byte characters taken whole.
template <typename Record, typename Read>
std::optional<Record> ReadEitherWay(std::string_view line, LineFault* pFault, Read read)
{
    LineFault fault = LineFault::None;
    std::optional<Record> record = read(line, fault, false);
    if (!record)
        record = read(line, fault, true);
    if (pFault != nullptr)
        *pFault = record ? LineFault::None : fault;
    return record;
}

} // namespace

std::optional<TimeTask> ParseTaskLine(std::string_view line, LineFault* pFault)
{
    return ReadEitherWay<TimeTask>(line, pFault, ReadTaskLine);
}

std::optional<HolidayEntry> ParseHolidayLine(std::string_view line, LineFault* pFault)
{
    return ReadEitherWay<HolidayEntry>(line, pFault, ReadHolidayLine);
}
