// The scheduler on a simulated clock, case by case where it is subtle, and on random tables
// against a plain reading that converts every task's moments afresh (the tick converts each
// distinct moment once and passes over dated tasks far from today).
#include "timetable/TaskScheduler.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>

namespace {

using Lines = std::vector<std::string>;

const char* const kJapan = "JST-9";
const char* const kNewYork = "EST5EDT,M3.2.0,M11.1.0";

struct ZoneScope
{
    explicit ZoneScope(const char* zone) : m_old(std::getenv("TZ") ? std::getenv("TZ") : "")
    {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneScope()
    {
        m_old.empty() ? ::unsetenv("TZ") : ::setenv("TZ", m_old.c_str(), 1);
        ::tzset();
    }
    std::string m_old;
};

// -1 is "any"; a task with a sound unless it is given as empty.
TimeTask Due(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nLead = -1, int nWeekday = -1,
             const char* sound = "chime.wav")
{
    return {0, nYear, nMonth, nDay, nWeekday, nHour, nMinute, nLead, -1, -1, -1, "", sound, ""};
}

LocalTimeFields Fields(std::time_t tAt)
{
    std::tm tm{};
    ::localtime_r(&tAt, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday + 1};
}

// Local "YYYY-MM-DD HH:MM:SS" in the zone under test; never an hour that occurs twice.
std::time_t Instant(const std::string& text)
{
    std::tm tm{};
    EXPECT_EQ(6, std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                             &tm.tm_hour, &tm.tm_min, &tm.tm_sec));
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// A clock that moves only when a test ticks it, recording each panel and sound as
// "YYYY-MM-DD HH:MM:SS #position".
class TaskScheduler : public ::testing::TestWithParam<const char*>
{
protected:
    void Add(const TimeTask& task) { m_tasks.push_back(std::make_unique<TimeTask>(task)); }
    void Reset()
    {
        m_tasks.clear();
        m_shown.clear();
        m_sounded.clear();
        m_nSoundFlag = 0;
    }
    void Tick(const LocalTimeFields& now)
    {
        const TickDecision decision = DecideTaskTick(now, m_tasks, m_nSoundFlag);
        char when[64];
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d #", now.m_nYear, now.m_nMonth,
                      now.m_nDay, now.m_nHour, now.m_nMinute, now.m_nSecond);
        for (std::size_t nPos : decision.m_shown)
            m_shown.push_back(when + std::to_string(nPos));
        if (decision.m_nSoundTask)
            m_sounded.push_back(when + std::to_string(*decision.m_nSoundTask));
    }
    // Every real second from one local time through another, nTicks ticks in each.
    void Run(std::time_t tFrom, std::time_t tTo, int nTicks = 1)
    {
        for (std::time_t t = tFrom; t <= tTo; ++t)
            for (int i = 0; i < nTicks; ++i)
                Tick(Fields(t));
    }
    void Run(const std::string& from, const std::string& to, int nTicks = 1) { Run(Instant(from), Instant(to), nTicks); }

    ZoneScope m_zone{GetParam()};
    TaskList m_tasks;
    int m_nSoundFlag = 0;
    Lines m_shown;
    Lines m_sounded;
};

using TaskSchedulerDst = TaskScheduler;

} // namespace

TEST_P(TaskScheduler, ShowsAtTheLeadAndSoundsAtTheDueSecondAcrossDayMonthAndYearEnds)
{
    const std::tuple<TimeTask, const char*, const char*> cases[] = {
        {Due(-1, -1, -1, 12, 0, 10), "2026-12-07 11:59:50", "2026-12-07 12:00:00"},
        {Due(-1, -1, -1, 12, 0, 0), "2026-12-07 12:00:00", "2026-12-07 12:00:00"},
        {Due(-1, -1, -1, 12, 0, -1), "2026-12-07 12:00:00", "2026-12-07 12:00:00"},
        {Due(-1, -1, -1, 12, 0, 3605), "2026-12-07 10:59:55", "2026-12-07 12:00:00"},
        {Due(2027, 1, 1, 0, 0, 30), "2026-12-31 23:59:30", "2027-01-01 00:00:00"},
        {Due(2028, 3, 1, 0, 0, 90), "2028-02-29 23:58:30", "2028-03-01 00:00:00"},
        {Due(-1, -1, -1, 0, 0, 30), "2026-12-31 23:59:30", "2027-01-01 00:00:00"}, // daily
    };
    for (const auto& [task, notice, due] : cases)
    {
        Reset();
        Add(task);
        Run(Instant(notice) - 3600, Instant(due) + 60);
        EXPECT_EQ(Lines{std::string(notice) + " #0"}, m_shown) << due;
        EXPECT_EQ(Lines{std::string(due) + " #0"}, m_sounded) << due;
        EXPECT_EQ(0, m_nSoundFlag) << due;
    }
}

TEST_P(TaskScheduler, TheWeekdayIsTestedOnTheTickNotOnTheNotice)
{
    // Monday 00:00 with a lead of 30: the notice falls on a Sunday evening, when the weekday
    // test fails. With a date that is the end of it; without one, the tick late on Monday
    // evening is 30 seconds before a Monday 00:00 of its own date, and passes.
    Add(Due(2026, 12, 7, 0, 0, 30, 2));
    Add(Due(-1, -1, -1, 0, 0, 30, 2));
    Run("2026-12-06 23:59:00", "2026-12-07 00:00:01");
    Run("2026-12-07 23:59:00", "2026-12-08 00:00:01");
    EXPECT_EQ(Lines{"2026-12-07 23:59:30 #1"}, m_shown);
    EXPECT_EQ(Lines{"2026-12-07 00:00:00 #0"}, m_sounded); // #1 is due in the same second
}

TEST_P(TaskScheduler, FourTicksInASecondShowFourTimesAndSoundOnceAndASkippedSecondIsLost)
{
    Add(Due(-1, -1, -1, 12, 0, 10));
    Add(Due(-1, -1, -1, 12, 0));
    Run("2026-12-07 11:59:49", "2026-12-07 12:00:02", 4);
    Lines shown(4, "2026-12-07 11:59:50 #0");
    shown.insert(shown.end(), 4, "2026-12-07 12:00:00 #1");
    EXPECT_EQ(shown, m_shown);
    EXPECT_EQ(Lines{"2026-12-07 12:00:00 #0"}, m_sounded);
    EXPECT_EQ(0, m_nSoundFlag);
    Reset();
    Add(Due(-1, -1, -1, 12, 0, 10));
    Run("2026-12-07 11:59:51", "2026-12-07 11:59:59");
    Run("2026-12-07 12:00:01", "2026-12-07 12:02:00");
    EXPECT_EQ(Lines{}, m_shown);
    EXPECT_EQ(Lines{}, m_sounded);
}

TEST_P(TaskScheduler, TasksOutsideWhatTheRuntimeConvertsAreSkipped)
{
    const std::pair<TimeTask, LocalTimeFields> cases[] = { // the tick each would match if converted
        {Due(0, 1, 1, 0, 0), {0, 1, 1, 0, 0, 0, 7}},
        {Due(1969, 12, 31, 23, 59), {1969, 12, 31, 23, 59, 0, 4}},
        {Due(3001, 1, 1, 0, 0), {3001, 1, 1, 0, 0, 0, 2}},
        {Due(3000, 13, 1, 0, 0), {3001, 1, 1, 0, 0, 0, 2}},                   // carried past 3000
        {Due(1970, 1, 5, 0, 0, 5 * 86400), {1969, 12, 31, 0, 0, 0, 4}},       // notice before 1970
        {Due(-1, 99999, -1, 12, 0), {2026, 3, 7, 12, 0, 0, 7}},               // carried to 10359
    };
    for (const auto& [task, now] : cases)
    {
        Reset();
        Add(task);
        Tick(now);
        LocalTimeFields later = now;
        later.m_nSecond = 1;
        m_nSoundFlag = 1;
        Tick(later);
        EXPECT_EQ(Lines{}, m_shown) << now.m_nYear;
        EXPECT_EQ(Lines{}, m_sounded) << now.m_nYear;
        EXPECT_EQ(1, m_nSoundFlag) << now.m_nYear;
    }
    // 08:00 on 1970-01-01 is before the epoch in Japan only.
    Reset();
    Add(Due(1970, 1, 1, 12, 0, 4 * 3600));
    Tick(LocalTimeFields{1970, 1, 1, 8, 0, 0, 5});
    EXPECT_EQ(GetParam() == kJapan ? Lines{} : Lines{"1970-01-01 08:00:00 #0"}, m_shown);
    // Nor do they upset the tasks after them.
    Reset();
    Add(Due(0, 12, 7, 12, 0));
    Add(Due(2026, 12, INT_MAX, 12, 0));
    Add(Due(-1, -1, -1, 12, 0));
    Run("2026-12-07 12:00:00", "2026-12-07 12:00:00");
    EXPECT_EQ(Lines{"2026-12-07 12:00:00 #2"}, m_shown);
    EXPECT_EQ(m_shown, m_sounded);
}

INSTANTIATE_TEST_SUITE_P(Zones, TaskScheduler, ::testing::Values(kJapan, kNewYork),
                         [](const auto& zone) { return std::string(zone.param == kJapan ? "Japan" : "NewYork"); });

TEST_P(TaskSchedulerDst, TheMissingHourComesDueAtMostOnceAndTheRepeatedHourTwice)
{
    // 02:30 does not exist on 2026-03-08. The runtime moves it to a moment that does (glibc
    // to 03:30); whatever it picks, the task may come due once that night, not before the gap.
    Add(Due(-1, -1, -1, 2, 30));
    Add(Due(-1, -1, -1, 3, 0, 3600, -1, "")); // an hour before 03:00 EDT is 01:00 EST
    Run("2026-03-08 00:00:00", "2026-03-08 05:00:00");
    ASSERT_FALSE(m_shown.empty());
    EXPECT_EQ("2026-03-08 01:00:00 #1", m_shown.front());
    EXPECT_LE(m_shown.size(), 2u);
    EXPECT_EQ(m_shown.size() - 1, m_sounded.size());
    if (m_shown.size() == 2)
    {
        EXPECT_LE("2026-03-08 03:00:00 #0", m_shown.back());
    }
    Reset();
    Add(Due(-1, -1, -1, 2, 30));
    Run("2026-03-09 02:29:59", "2026-03-09 02:30:01");
    EXPECT_EQ(Lines{"2026-03-09 02:30:00 #0"}, m_sounded);
    // Fields are compared on the wall clock, and it reads 01:30 twice on 2026-11-01.
    Reset();
    Add(Due(-1, -1, -1, 1, 30, 10));
    Run("2026-11-01 00:59:00", "2026-11-01 02:01:00");
    EXPECT_EQ(Lines(2, "2026-11-01 01:29:50 #0"), m_shown);
    EXPECT_EQ(Lines(2, "2026-11-01 01:30:00 #0"), m_sounded);
}

INSTANTIATE_TEST_SUITE_P(NewYork, TaskSchedulerDst, ::testing::Values(kNewYork));

namespace {

long Offset(std::time_t tAt)
{
    std::tm tm{};
    ::localtime_r(&tAt, &tm);
    return tm.tm_gmtoff;
}

// Per task: the due moment from its fields (the tick's where it has none), the notice its lead
// earlier, both within 1970 to 3000; set fields and the second compared with the tick.
// bNearClockChange: some due moment lies within two days of a change of the zone's offset. There
// glibc's mktime resolves a wall time that occurs twice or never from the guess its previous
// call left behind, so the answer depends on which conversions came before.
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
        std::tm due{0, pick(t.m_nMinute, now.m_nMinute), pick(t.m_nHour, now.m_nHour), pick(t.m_nDay, now.m_nDay),
                    pick(t.m_nMonth, now.m_nMonth) - 1, pick(t.m_nYear, now.m_nYear) - 1900, 0, 0, -1, 0, nullptr};
        const std::time_t tDue = std::mktime(&due);
        auto inYears = [](const std::tm& tm) { return tm.tm_year >= 70 && tm.tm_year <= 1100; };
        if (tDue < 0 || tDue > 32535244799 || !inYears(due))
            continue;
        const std::time_t nLead = t.m_nLeadSeconds > 0 ? t.m_nLeadSeconds : 0;
        bNearClockChange = bNearClockChange || Offset(tDue - 2 * 86400 - nLead) != Offset(tDue + 2 * 86400);
        std::tm notice = due;
        const std::time_t tNotice = tDue - nLead;
        if (tNotice < 0 || !::localtime_r(&tNotice, &notice) || !inYears(notice))
            continue;
        auto matches = [&](const std::tm& tm) {
            return (t.m_nYear == -1 || now.m_nYear == tm.tm_year + 1900) &&
                   (t.m_nMonth == -1 || now.m_nMonth == tm.tm_mon + 1) &&
                   (t.m_nDay == -1 || now.m_nDay == tm.tm_mday) && (t.m_nHour == -1 || now.m_nHour == tm.tm_hour) &&
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

// Fields mostly "any" or the tick's own (so that tasks come due), sometimes a neighbour or a
// value the runtime must carry; leads that cross minutes, days and the far-date margin.
TimeTask RandomTask(std::mt19937& random, const LocalTimeFields& near)
{
    auto from = [&](std::initializer_list<int> values) {
        return values.begin()[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    };
    auto field = [&](int nNear, int nOdd) { return from({-1, -1, nNear, nNear, nNear + 1, nNear - 1, nOdd, -2}); };
    TimeTask task;
    if (from({0, 1, 1}))
    {
        task.m_nYear = field(near.m_nYear, 3001);
        task.m_nMonth = field(near.m_nMonth, 13);
        task.m_nDay = field(near.m_nDay, from({0, 31, 45}));
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
    // No daylight saving time; an hour's shift; a half hour's, at 02:00 local time.
    const char* const zones[] = {kJapan, kNewYork, "LHST-10:30LHDT-11,M10.1.0,M4.1.0"};
    std::mt19937 random(18);
    int nCompared = 0;
    std::size_t nShown = 0;
    for (const char* zone : zones)
    {
        ZoneScope scope(zone);
        for (int nRound = 0; nRound < 200; ++nRound)
        {
            // A random second of 2026.
            const std::time_t tAt = 1767225600 + std::uniform_int_distribution<std::time_t>(0, 365 * 86400)(random);
            TaskList tasks;
            for (int i = 0; i < 40; ++i)
                tasks.push_back(std::make_unique<TimeTask>(RandomTask(random, Fields(tAt + 60))));
            int nFastFlag = nRound % 2;
            int nReferenceFlag = nFastFlag;
            for (std::time_t t = tAt; t < tAt + 60; ++t)
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
                ASSERT_EQ(expected.m_shown, fast.m_shown) << zone << " at " << t;
                ASSERT_EQ(expected.m_nSoundTask, fast.m_nSoundTask) << zone << " at " << t;
                ASSERT_EQ(nReferenceFlag, nFastFlag) << zone << " at " << t;
            }
        }
    }
    // Most ticks are compared, and the tasks do come due in them.
    EXPECT_GT(nCompared, 3 * 200 * 50);
    EXPECT_GT(nShown, 1000u);
}
