#include "timetable/TaskScheduler.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <utility>
#include <vector>

namespace {

constexpr int kAny = -1;

// msvcrt's 64-bit conversions cover local years 1970 to 3000 and no instant past
// 3001-01-01 07:59:59 UTC; glibc reaches further. Both builds refuse the same tasks, so a time
// table behaves alike wherever it runs.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 3000;
constexpr std::time_t kLastInstant = 32535244799;

// How far a converted moment can stray from its fields read as UTC: a gap and a change of
// offset, each at most a day and a bit even in a hand-written TZ rule (offsets up to 24:59:59).
// A dated task this much further from the tick than its lead cannot match the tick's date.
constexpr std::int64_t kFarSeconds = 7 * 86400;

struct DueMoment
{
    std::time_t tDue = 0;
    std::tm due{};
};

struct TaskMoments
{
    const std::tm* pDue = nullptr;
    const std::tm* pNotice = nullptr;
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

// nullopt when the moment lies outside what both runtimes convert.
std::optional<DueMoment> ConvertDue(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    DueMoment moment;
    std::tm& due = moment.due;
    due.tm_year = nYear - 1900;
    due.tm_mon = nMonth - 1;
    due.tm_mday = nDay;
    due.tm_hour = nHour;
    due.tm_min = nMinute;
    due.tm_sec = 0;
    due.tm_isdst = -1; // the platform decides whether daylight saving time applies on that day
    // -1 is also 1969-12-31 23:59:59 UTC on glibc; that is out of range either way.
    moment.tDue = std::mktime(&due);
    if (moment.tDue < 0 || moment.tDue > kLastInstant || !IsInYearRange(due))
        return std::nullopt;
    return moment;
}

std::optional<std::tm> ConvertNotice(std::time_t tDue, int nLeadSeconds)
{
    std::tm notice{};
    const std::time_t tNotice = tDue - nLeadSeconds;
    if (tNotice < 0 || !ToLocalTime(tNotice, notice) || !IsInYearRange(notice))
        return std::nullopt;
    return notice;
}

// Days since 1970-01-01 of a proleptic Gregorian date; the month may lie outside 1 to 12 and
// the day outside the month, carried as mktime carries them.
std::int64_t DaysFromCivil(std::int64_t nYear, std::int64_t nMonth, std::int64_t nDay)
{
    nYear += (nMonth - 1 >= 0 ? (nMonth - 1) / 12 : (nMonth - 12) / 12);
    nMonth = ((nMonth - 1) % 12 + 12) % 12 + 1;
    const std::int64_t y = nMonth <= 2 ? nYear - 1 : nYear;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + nDay - 1;
}

std::int64_t FieldSeconds(std::int64_t nYear, std::int64_t nMonth, std::int64_t nDay, std::int64_t nHour,
                          std::int64_t nMinute)
{
    return DaysFromCivil(nYear, nMonth, nDay) * 86400 + nHour * 3600 + nMinute * 60;
}

// The conversions of one tick, each made once. Tasks without a date share the tick's day, so
// their due moments are one of the day's 1,440 minutes and their notices one per distinct lead;
// dated tasks far from the tick cannot match and need none.
class CTickMoments
{
public:
    explicit CTickMoments(const LocalTimeFields& now)
        : m_now(now),
          m_nNowSeconds(FieldSeconds(now.m_nYear, now.m_nMonth, now.m_nDay, now.m_nHour, now.m_nMinute))
    {
        m_slotOfMinute.fill(-1);
    }

    // nullopt: the task cannot come due in this tick.
    std::optional<TaskMoments> Find(const TimeTask& task)
    {
        const int nHour = TaskOrNow(task.m_nHour, m_now.m_nHour);
        const int nMinute = TaskOrNow(task.m_nMinute, m_now.m_nMinute);
        if (task.m_nYear < 0 && task.m_nMonth < 0 && task.m_nDay < 0 && nHour >= 0 && nHour < 24 &&
            nMinute >= 0 && nMinute < 60)
            return FindInSlot(Slot(nHour * 60 + nMinute, nHour, nMinute), task.m_nLeadSeconds);
        if (IsFarDated(task, nHour, nMinute))
            return std::nullopt;
        std::optional<DueMoment> due =
            ConvertDue(TaskOrNow(task.m_nYear, m_now.m_nYear), TaskOrNow(task.m_nMonth, m_now.m_nMonth),
                       TaskOrNow(task.m_nDay, m_now.m_nDay), nHour, nMinute);
        if (!due)
            return std::nullopt;
        m_single.due = *due;
        if (task.m_nLeadSeconds <= 0)
            return TaskMoments{&m_single.due.due, &m_single.due.due};
        std::optional<std::tm> notice = ConvertNotice(due->tDue, task.m_nLeadSeconds);
        if (!notice)
            return std::nullopt;
        m_single.notice = *notice;
        return TaskMoments{&m_single.due.due, &m_single.notice};
    }

private:
    struct MinuteSlot
    {
        std::optional<DueMoment> due;
        std::vector<std::pair<int, std::optional<std::tm>>> notices; // by lead
    };

    MinuteSlot& Slot(int nIndex, int nHour, int nMinute)
    {
        if (m_slotOfMinute[nIndex] < 0)
        {
            m_slotOfMinute[nIndex] = static_cast<std::int16_t>(m_slots.size());
            m_slots.push_back({ConvertDue(m_now.m_nYear, m_now.m_nMonth, m_now.m_nDay, nHour, nMinute), {}});
        }
        return m_slots[m_slotOfMinute[nIndex]];
    }

    static std::optional<TaskMoments> FindInSlot(MinuteSlot& slot, int nLeadSeconds)
    {
        if (!slot.due)
            return std::nullopt;
        if (nLeadSeconds <= 0)
            return TaskMoments{&slot.due->due, &slot.due->due};
        auto it = std::find_if(slot.notices.begin(), slot.notices.end(),
                               [nLeadSeconds](const auto& notice) { return notice.first == nLeadSeconds; });
        if (it == slot.notices.end())
            it = slot.notices.insert(it, {nLeadSeconds, ConvertNotice(slot.due->tDue, nLeadSeconds)});
        if (!it->second)
            return std::nullopt;
        return TaskMoments{&slot.due->due, &*it->second};
    }

    // A task that names its whole date compares the tick's date with its due and notice
    // moments, which lie near its fields read as UTC.
    bool IsFarDated(const TimeTask& task, int nHour, int nMinute) const
    {
        if (task.m_nYear < 0 || task.m_nMonth < 0 || task.m_nDay < 0)
            return false;
        const std::int64_t nDistance =
            FieldSeconds(task.m_nYear, task.m_nMonth, task.m_nDay, nHour, nMinute) - m_nNowSeconds;
        return (nDistance < 0 ? -nDistance : nDistance) > kFarSeconds + std::max(task.m_nLeadSeconds, 0);
    }

    LocalTimeFields m_now;
    std::int64_t m_nNowSeconds;
    std::array<std::int16_t, 24 * 60> m_slotOfMinute;
    std::vector<MinuteSlot> m_slots;
    struct
    {
        DueMoment due;
        std::tm notice{};
    } m_single;
};

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
    CTickMoments moments(now);
    for (std::size_t i = 0; i < tasks.size(); ++i)
    {
        const TimeTask& task = *tasks[i];
        if (IsStartupTask(task))
            continue;
        const std::optional<TaskMoments> found = moments.Find(task);
        if (!found)
            continue;
        if (MatchesToTheMinute(task, now, *found->pNotice) && now.m_nSecond == found->pNotice->tm_sec)
            decision.m_shown.push_back(i);
        const bool bDueMinute = MatchesToTheMinute(task, now, *found->pDue);
        const bool bDueSecond = now.m_nSecond == found->pDue->tm_sec;
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
