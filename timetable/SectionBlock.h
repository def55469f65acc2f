// INI section blocks as the platform's section functions exchange them: entries each ended
// by NUL, the last followed by a second NUL.
#pragma once

#include "framework/IniSection.h"
#include "timetable/TaskLine.h"
#include "timetable/TimeTask.h"

#include <string>
#include <string_view>
#include <vector>

// The entries of a block. Each entry is cut further at its line feeds, so a block of
// NUL-ended entries and one entry of lines read the same; blank lines are skipped and a
// carriage return before a line end is dropped.
std::vector<std::string_view> SplitSectionBlock(std::string_view block);

// "l1\0l2\0\0"; no lines give an empty section, two NULs.
std::string JoinSectionBlock(const std::vector<std::string>& lines);

std::string FormatTaskSection(const std::vector<const TimeTask*>& tasks);

// Reading stops at the first malformed line; the records before it are kept.
template <typename Record> struct SectionParse
{
    std::vector<Record> records;
    bool ok = true;
    // When not ok: the malformed line (its number in the file and its text) and its fault.
    IniLine badLine;
    LineFault fault = LineFault::None;
};
using TaskSectionParse = SectionParse<TimeTask>;
using HolidaySectionParse = SectionParse<HolidayEntry>;
TaskSectionParse ParseTaskLines(const std::vector<IniLine>& lines);
HolidaySectionParse ParseHolidayLines(const std::vector<IniLine>& lines);
// The same on a block, whose entries are numbered from 1.
TaskSectionParse ParseTaskSection(std::string_view block);
HolidaySectionParse ParseHolidaySection(std::string_view block);

// A line as a message shows it: cut at a character boundary after about 80 bytes, "..."
// marking the cut.
std::string ShownLine(std::string_view line);
