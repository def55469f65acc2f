// The line codec of TimeTable.ini and Holiday.ini.
#pragma once

#include "timetable/TimeTask.h"

#include <optional>
#include <string>
#include <string_view>

// One task line without its line end: ten space-separated fields, the quoted text, then the
// quoted sound and extra strings when they are not empty.
std::string FormatTaskLine(const TimeTask& task);

// What makes a line unreadable.
enum class LineFault
{
    None,
    TooFewFields,   // fewer than ten fields (four in a holiday line)
    NoOpeningQuote, // no quoted text after the fields
    UnclosedQuote,  // a quoted string that never closes
};

// nullopt is a format error, and *pFault says which. A line that reads as it always has
// is taken so; only a line that would fail is read once more with Shift-JIS characters
// taken whole, so that a text ending in a character whose second byte is a backslash (ソ,
// 表, 予, ...), as people write them by hand, closes at its quote.
std::optional<TimeTask> ParseTaskLine(std::string_view line, LineFault* pFault = nullptr);
std::optional<HolidayEntry> ParseHolidayLine(std::string_view line, LineFault* pFault = nullptr);

// The text as written between its quotes, and back. A quote is written as \" and a run of
// backslashes before a quote or at the end is doubled, so both survive; older files, which
// wrote quotes raw, still read as they did.
std::string QuoteText(std::string_view text);
