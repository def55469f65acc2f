// The time table and task dialogs' decisions, free of the window system so they are tested on
// the host: the texts of a list row, the entries of each combo and the value read back from
// its text, the row selected after a delete, and the colours a task shows. Texts are Shift-JIS.
#pragma once

#include "timetable/TimeTask.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr int kTaskColumnCount = 11;
// Column 8 shows a word drawn in the task's own colours.
constexpr int kColourColumn = 8;

// Column by column: numbers plain, "*" for any, the weekday by name, line feeds and tabs of
// the text as "\n" and "\t"; the colour column holds the word it is drawn in.
std::array<std::string, kTaskColumnCount> TaskRowTexts(const TimeTask& task);

// The task dialog's eight combos, in the order of their control ids.
enum class TaskField
{
    Year,
    Month,
    Day,
    Weekday,
    Hour,
    Minute,
    LeadSeconds,
    ShowSeconds,
};
constexpr int kTaskFieldCount = 8;

int& FieldOf(TimeTask& task, TaskField field);

// What a combo shows for a value: "*" for any (negative), the weekday by name, the year plain,
// the others with at least two digits.
std::string TaskFieldText(TaskField field, int nValue);
// The value a combo's text stands for; none for a text that is no value (an empty combo).
std::optional<int> TaskFieldValue(TaskField field, std::string_view text);
// "*", the field's own list (the years from nThisYear to nThisYear + 9) and nValue when the
// list lacks it, in order of value, so that a value from a hand-edited file is shown and kept.
std::vector<std::string> TaskFieldEntries(TaskField field, int nValue, int nThisYear);

// The row to select after the row at nDeleted went, nRowsLeft remaining: the same position,
// else the last row; -1 when none is left.
int SelectionAfterDelete(int nDeleted, int nRowsLeft);

// A task colour as the colour button holds it (-1 is automatic), and back.
std::uint32_t ButtonColourOfTask(int crTask);
int TaskColourOfButton(std::uint32_t crButton);
// The colour a task shows: its own, or the settings' default for -1.
std::uint32_t TaskColour(int crTask, std::uint32_t crDefault);
