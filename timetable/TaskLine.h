// The line codec of TimeTable.ini and Holiday.ini.
#pragma once

#include "timetable/TimeTask.h"

#include <optional>
#include <string>
#include <string_view>

// One task line without its line end: ten space-separated fields, the quoted text, then the
// quoted sound and extra strings when they are not empty.
std::string FormatTaskLine(const TimeTask& task);

// nullopt is a format error: fewer than ten fields, or a missing quote.
std::optional<TimeTask> ParseTaskLine(std::string_view line);
std::optional<HolidayEntry> ParseHolidayLine(std::string_view line);

// The text as written between its quotes, and back. A quote is written as \" and a run of
// backslashes before a quote or at the end is doubled, so both survive; older files, which
// wrote quotes raw, still read as they did.
std::string QuoteText(std::string_view text);
