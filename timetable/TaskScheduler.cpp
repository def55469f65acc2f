#include "timetable/TaskScheduler.h"

#include <ctime>

namespace {

constexpr int kAny = -1;

// msvcrt's 64-bit conversions cover local years 1970 to 3000 and no instant past
// 3001-01-01 07:59:59 UTC; glibc reaches further. Both builds refuse the same tasks, so a time
// table behaves alike wherever it runs.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 3000;
constexpr std::time_t kLastInstant = 32535244799;

struct TaskMoments
{
    std::tm due;
    std::tm notice;
};

// Only exactly -1 means "any" in a comparison, while any negative field takes the tick's
// value when the due moment is built: the two readings differ for -2 and below.
bool IsSet(int nField)
{
    return nField != kAny;
}

int TaskOrNow(int nTaskField, int nNowField)
{
    return nTaskField >= 0 ? nTaskField : nNowField;
}

bool IsInYearRange(const std::tm& tmAt)
{
    return tmAt.tm_year + 1900 >= kFirstYear && tmAt.tm_year + 1900 <= kLastYear;
}

bool ToLocalTime(std::time_t tAt, std::tm& tmAt)
{
#ifdef _WIN32
    return localtime_s(&tmAt, &tAt) == 0;
#else
    return localtime_r(&tAt, &tmAt) != nullptr;
#endif
}

// nullopt when either moment lies outside what both runtimes convert.
std::optional<TaskMoments> FindMoments(const TimeTask& task, const LocalTimeFields& now)
{
    TaskMoments moments{};
    std::tm& due = moments.due;
    due.tm_year = TaskOrNow(task.m_nYear, now.m_nYear) - 1900;
    due.tm_mon = TaskOrNow(task.m_nMonth, now.m_nMonth) - 1;
    due.tm_mday = TaskOrNow(task.m_nDay, now.m_nDay);
    due.tm_hour = TaskOrNow(task.m_nHour, now.m_nHour);
    due.tm_min = TaskOrNow(task.m_nMinute, now.m_nMinute);
    due.tm_sec = 0;
    due.tm_isdst = -1; // the platform decides whether daylight saving time applies on that day
    // -1 is also 1969-12-31 23:59:59 UTC on glibc; that is out of range either way.
    const std::time_t tDue = std::mktime(&due);
    if (tDue < 0 || tDue > kLastInstant || !IsInYearRange(due))
        return std::nullopt;
    if (task.m_nLeadSeconds <= 0)
    {
        moments.notice = due;
        return moments;
    }
    const std::time_t tNotice = tDue - task.m_nLeadSeconds;
    if (tNotice < 0 || !ToLocalTime(tNotice, moments.notice) || !IsInYearRange(moments.notice))
        return std::nullopt;
    return moments;
}

// Year to minute where the task sets them, and the task's weekday, which is the tick's own
// day whatever day the lead reaches back into.
bool MatchesToTheMinute(const TimeTask& task, const LocalTimeFields& now, const std::tm& tmAt)
{
    return (!IsSet(task.m_nYear) || now.m_nYear == tmAt.tm_year + 1900) &&
           (!IsSet(task.m_nMonth) || now.m_nMonth == tmAt.tm_mon + 1) &&
           (!IsSet(task.m_nDay) || now.m_nDay == tmAt.tm_mday) &&
           (!IsSet(task.m_nHour) || now.m_nHour == tmAt.tm_hour) &&
           (!IsSet(task.m_nMinute) || now.m_nMinute == tmAt.tm_min) &&
           (!IsSet(task.m_nWeekday) || now.m_nWeekday == task.m_nWeekday);
}

} // namespace

TickDecision DecideTaskTick(const LocalTimeFields& now, const TaskList& tasks, int& nSoundFlag)
{
    TickDecision decision;
    for (std::size_t i = 0; i < tasks.size(); ++i)
    {
        const TimeTask& task = *tasks[i];
        if (IsStartupTask(task))
            continue;
        const std::optional<TaskMoments> moments = FindMoments(task, now);
        if (!moments)
            continue;
        if (MatchesToTheMinute(task, now, moments->notice) && now.m_nSecond == moments->notice.tm_sec)
            decision.m_shown.push_back(i);
        const bool bDueMinute = MatchesToTheMinute(task, now, moments->due);
        const bool bDueSecond = now.m_nSecond == moments->due.tm_sec;
        if (bDueMinute && bDueSecond && !task.m_strSound.empty() && nSoundFlag == 0)
        {
            decision.m_nSoundTask = i;
            nSoundFlag = 1;
        }
        // Any task's due minute re-arms the sound once its second 0 has passed, so a timer
        // faster than one tick a second starts it only once.
        if (nSoundFlag == 1 && bDueMinute && !bDueSecond)
            nSoundFlag = 0;
    }
    return decision;
}

bool IsStartupTask(const TimeTask& task)
{
    return task.m_nYear < 0 && task.m_nMonth < 0 && task.m_nDay < 0 && task.m_nHour < 0 && task.m_nMinute < 0;
}
