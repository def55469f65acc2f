// What one tick of the main dialog's timer does with the time table: which tasks to show and
// which sound to start. The dialog reads the clock once, owns the sound flag and acts on the answer.
#pragma once

#include "timetable/TaskList.h"

#include <cstddef>
#include <optional>
#include <vector>

// The local wall-clock time of a tick, in whole seconds.
struct LocalTimeFields
{
    int m_nYear = 0;
    int m_nMonth = 0; // 1 = January
    int m_nDay = 0;
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nSecond = 0;
    int m_nWeekday = 0; // 1 = Sunday ... 7 = Saturday, as in TimeTask: SYSTEMTIME's wDayOfWeek + 1
};

struct TickDecision
{
    std::vector<std::size_t> m_shown;        // list positions whose panel opens, in list order
    std::optional<std::size_t> m_nSoundTask; // the position whose m_strSound starts playing
};

// nSoundFlag is the process-wide sound flag. While it is 0 the first due task with a sound
// starts it and sets it to 1; it drops back to 0 on a tick in a due minute past its second 0,
// so the ticks that share second 0 start one sound between them.
//
// A task is due in the minute built from its own fields, with the tick's fields where the task
// has "any", as the C runtime normalises it (April 31 is May 1; daylight saving time as the
// platform has it). Its panel opens m_nLeadSeconds real seconds earlier. Only the fields the
// task sets are compared, and its weekday against the tick itself, never against the notice.
// Start-up tasks never come due, nor do tasks outside the years 1970 to 3000.
TickDecision DecideTaskTick(const LocalTimeFields& now, const TaskList& tasks, int& nSoundFlag);

// Year, month, day, hour and minute all "any": the task runs once at start-up, never by time.
bool IsStartupTask(const TimeTask& task);
