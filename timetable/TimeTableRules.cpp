#include "timetable/TimeTableRules.h"

#include "config/ColourPopupModel.h"
#include "framework/NumberText.h"
#include "timetable/TaskLine.h"

#include <algorithm>
#include <charconv>

namespace {

// Shift-JIS: 日 月 火 水 木 金 土, weekday values 1 (Sunday) to 7.
constexpr std::array<const char*, 7> kWeekdayNames = {"\x93\xfa", "\x8c\x8e", "\x89\xce", "\x90\x85",
                                                      "\x96\xd8", "\x8b\xe0", "\x93\x79"};
// Shift-JIS: テキスト.
constexpr const char* kColourColumnWord = "\x83\x65\x83\x4c\x83\x58\x83\x67";
constexpr int kOfferedYears = 10;

struct FieldRange
{
    int nFirst;
    int nLast;
};

FieldRange RangeOf(TaskField field, int nThisYear)
{
    switch (field)
    {
    case TaskField::Year:
        return {nThisYear, nThisYear + kOfferedYears - 1};
    case TaskField::Month:
        return {1, 12};
    case TaskField::Day:
        return {1, 31};
    case TaskField::Weekday:
        return {1, 7};
    case TaskField::Hour:
        return {0, 23};
    case TaskField::Minute:
    case TaskField::LeadSeconds:
    case TaskField::ShowSeconds:
        break;
    }
    return {0, 59};
}

std::string ListNumber(int nValue)
{
    return nValue < 0 ? std::string("*") : FormatDecimal(nValue);
}

bool IsWeekday(int nValue)
{
    return nValue >= 1 && nValue <= 7;
}

} // namespace

std::array<std::string, kTaskColumnCount> TaskRowTexts(const TimeTask& task)
{
    return {ListNumber(task.m_nYear),
            ListNumber(task.m_nMonth),
            IsWeekday(task.m_nWeekday) ? kWeekdayNames[task.m_nWeekday - 1] : ListNumber(task.m_nWeekday),
            ListNumber(task.m_nDay),
            ListNumber(task.m_nHour),
            ListNumber(task.m_nMinute),
            ListNumber(task.m_nLeadSeconds),
            ListNumber(task.m_nShowSeconds),
            kColourColumnWord,
            EscapeControls(task.m_strText),
            task.m_strSound};
}

int& FieldOf(TimeTask& task, TaskField field)
{
    switch (field)
    {
    case TaskField::Year:
        return task.m_nYear;
    case TaskField::Month:
        return task.m_nMonth;
    case TaskField::Day:
        return task.m_nDay;
    case TaskField::Weekday:
        return task.m_nWeekday;
    case TaskField::Hour:
        return task.m_nHour;
    case TaskField::Minute:
        return task.m_nMinute;
    case TaskField::LeadSeconds:
        return task.m_nLeadSeconds;
    case TaskField::ShowSeconds:
        break;
    }
    return task.m_nShowSeconds;
}

std::string TaskFieldText(TaskField field, int nValue)
{
    if (nValue < 0)
        return "*";
    if (field == TaskField::Weekday && IsWeekday(nValue))
        return kWeekdayNames[static_cast<std::size_t>(nValue - 1)];
    return field == TaskField::Year ? FormatDecimal(nValue) : FormatTwoDigits(nValue);
}

std::optional<int> TaskFieldValue(TaskField field, std::string_view text)
{
    if (text == "*")
        return -1;
    if (field == TaskField::Weekday)
        for (std::size_t i = 0; i < kWeekdayNames.size(); ++i)
            if (text == kWeekdayNames[i])
                return static_cast<int>(i) + 1;
    int nValue = 0;
    const char* pEnd = text.data() + text.size();
    const std::from_chars_result result = std::from_chars(text.data(), pEnd, nValue);
    if (text.empty() || text[0] == '-' || result.ec != std::errc() || result.ptr != pEnd)
        return std::nullopt;
    return nValue;
}

std::vector<std::string> TaskFieldEntries(TaskField field, int nValue, int nThisYear)
{
    const FieldRange range = RangeOf(field, nThisYear);
    std::vector<int> values;
    for (int n = range.nFirst; n <= range.nLast; ++n)
        values.push_back(n);
    if (nValue >= 0 && (nValue < range.nFirst || nValue > range.nLast))
        values.insert(std::upper_bound(values.begin(), values.end(), nValue), nValue);
    std::vector<std::string> entries{"*"};
    for (const int n : values)
        entries.push_back(TaskFieldText(field, n));
    return entries;
}

int SelectionAfterDelete(int nDeleted, int nRowsLeft)
{
    if (nRowsLeft <= 0)
        return -1;
    return std::min(nDeleted, nRowsLeft - 1);
}

std::uint32_t ButtonColourOfTask(int crTask)
{
    return crTask == -1 ? kClrDefault : static_cast<std::uint32_t>(crTask);
}

int TaskColourOfButton(std::uint32_t crButton)
{
    return crButton == kClrDefault ? -1 : static_cast<int>(crButton);
}

std::uint32_t TaskColour(int crTask, std::uint32_t crDefault)
{
    return crTask == -1 ? crDefault : static_cast<std::uint32_t>(crTask);
}
