// The scheduler against a plain reading that converts every task's moments afresh.
#include "timetable/TaskScheduler.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <random>

namespace {

struct ZoneScope
{
    explicit ZoneScope(const char* zone) { ::setenv("TZ", zone, 1); ::tzset(); }
    ~ZoneScope() { ::unsetenv("TZ"); ::tzset(); }
};

std::tm Tm(std::time_t tAt)
{
    std::tm tm{};
    return *::localtime_r(&tAt, &tm);
}

LocalTimeFields Fields(std::time_t tAt)
{
    const std::tm tm = Tm(tAt);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday + 1};
}

// bNearClockChange: a due moment lies within two days of a change of offset, where glibc's mktime
// resolves a wall time that occurs twice or never from the guess its previous call left behind.
TickDecision ReferenceTick(const LocalTimeFields& now, const TaskList& tasks, int& nSoundFlag,
                           bool& bNearClockChange)
{
    TickDecision decision;
    for (std::size_t i = 0; i < tasks.size(); ++i)
    {
        const TimeTask& t = *tasks[i];
        if (t.m_nYear < 0 && t.m_nMonth < 0 && t.m_nDay < 0 && t.m_nHour < 0 && t.m_nMinute < 0)
            continue;
        auto pick = [](int nTask, int nNow) { return nTask >= 0 ? nTask : nNow; };
        std::tm due{0, pick(t.m_nMinute, now.m_nMinute), pick(t.m_nHour, now.m_nHour),
                    pick(t.m_nDay, now.m_nDay), pick(t.m_nMonth, now.m_nMonth) - 1,
                    pick(t.m_nYear, now.m_nYear) - 1900, 0, 0, -1, 0, nullptr};
        const std::time_t tDue = std::mktime(&due);
        auto inYears = [](const std::tm& tm) { return tm.tm_year >= 70 && tm.tm_year <= 1100; };
        if (tDue < 0 || tDue > 32535244799 || !inYears(due))
            continue;
        const std::time_t nLead = t.m_nLeadSeconds > 0 ? t.m_nLeadSeconds : 0;
        bNearClockChange |= Tm(tDue - 2 * 86400 - nLead).tm_gmtoff != Tm(tDue + 2 * 86400).tm_gmtoff;
        std::tm notice = due;
        const std::time_t tNotice = tDue - nLead;
        if (tNotice < 0 || !::localtime_r(&tNotice, &notice) || !inYears(notice))
            continue;
        auto matches = [&](const std::tm& tm) {
            return (t.m_nYear == -1 || now.m_nYear == tm.tm_year + 1900) &&
                   (t.m_nMonth == -1 || now.m_nMonth == tm.tm_mon + 1) &&
                   (t.m_nDay == -1 || now.m_nDay == tm.tm_mday) &&
                   (t.m_nHour == -1 || now.m_nHour == tm.tm_hour) &&
                   (t.m_nMinute == -1 || now.m_nMinute == tm.tm_min) &&
                   (t.m_nWeekday == -1 || now.m_nWeekday == t.m_nWeekday);
        };
        if (matches(notice) && now.m_nSecond == notice.tm_sec)
            decision.m_shown.push_back(i);
        const bool bDueMinute = matches(due);
        if (bDueMinute && now.m_nSecond == due.tm_sec && !t.m_strSound.empty() && nSoundFlag == 0)
        {
            decision.m_nSoundTask = i;
            nSoundFlag = 1;
        }
        if (nSoundFlag == 1 && bDueMinute && now.m_nSecond != due.tm_sec)
            nSoundFlag = 0;
    }
    return decision;
}

// Fields mostly "any" or the tick's own, so that tasks come due; leads cross days and the far-date margin.
TimeTask RandomTask(std::mt19937& random, const LocalTimeFields& near)
{
    auto from = [&](std::initializer_list<int> values) {
        return values.begin()[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    };
    auto field = [&](int nNear, int nOdd) {
        return from({-1, -1, nNear, nNear, nNear + 1, nNear - 1, nOdd, -2});
    };
    TimeTask task;
    if (from({0, 1, 1}))
    {
        task.m_nYear = field(near.m_nYear, 3001);
        task.m_nMonth = field(near.m_nMonth, from({13, 99999}));
        task.m_nDay = field(near.m_nDay, from({0, 31, 45, INT_MAX}));
    }
    task.m_nWeekday = from({-1, -1, -1, near.m_nWeekday, near.m_nWeekday % 7 + 1});
    task.m_nHour = field(near.m_nHour, 24);
    task.m_nMinute = field(near.m_nMinute, 60);
    task.m_nLeadSeconds = from({-1, 0, 1, 10, 30, 59, 75, 3600, 86400, 7 * 86400 + 30});
    task.m_strSound = from({0, 1}) ? "chime.wav" : "";
    return task;
}

} // namespace

TEST(TaskSchedulerReference, EveryTickDecidesAsTheReferenceDoes)
{
    // No daylight saving time, far enough west that 3000 ends after the last convertible instant;
    // an hour's shift; a half hour's, at 02:00 local time, east of Greenwich.
    const char* const zones[] = {"HST10", "EST5EDT,M3.2.0,M11.1.0", "LHST-10:30LHDT-11,M10.1.0,M4.1.0"};
    std::mt19937 random(18);
    int nCompared = 0;
    std::size_t nShown = 0;
    for (const char* zone : zones)
    {
        ZoneScope scope(zone);
        // 2026-07-01 00:00, 2026-12-31 23:59, 1970-01-01 00:00 and 3000-12-31 23:59 UTC.
        const std::time_t anchors[] = {1782864000, 1798761540, 0, 32535215940};
        for (int nRound = 0; nRound < 200; ++nRound)
        {
            const std::time_t nSpread = nRound % 4 == 0 ? 183 * 86400 : 2 * 86400;
            const std::time_t tAt =
                anchors[nRound % 4] + std::uniform_int_distribution<std::time_t>(-nSpread, nSpread)(random);
            TaskList tasks;
            for (int i = 0; i < 40; ++i)
                tasks.push_back(std::make_unique<TimeTask>(RandomTask(random, Fields(tAt + 60))));
            int nFastFlag = nRound % 2;
            int nReferenceFlag = nFastFlag;
            for (std::time_t t = tAt; t < tAt + 60; ++t)
                for (int nTick = 0; nTick < (nRound % 8 == 1 ? 4 : 1); ++nTick) // as a fast timer ticks
                {
                    const LocalTimeFields now = Fields(t);
                    bool bNearClockChange = false;
                    const TickDecision expected = ReferenceTick(now, tasks, nReferenceFlag, bNearClockChange);
                    const TickDecision fast = DecideTaskTick(now, tasks, nFastFlag);
                    if (bNearClockChange)
                    {
                        nFastFlag = nReferenceFlag;
                        continue;
                    }
                    ++nCompared;
                    nShown += expected.m_shown.size();
                    ASSERT_EQ(std::tuple(expected.m_shown, expected.m_nSoundTask, nReferenceFlag),
                              std::tuple(fast.m_shown, fast.m_nSoundTask, nFastFlag)) << zone << " at " << t;
                }
        }
    }
    EXPECT_GT(nCompared, 3 * 200 * 50);
    EXPECT_GT(nShown, 1000u);
}
