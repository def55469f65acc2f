// The main dialog decides every tick, up to four a second: how long does a large time table take?
#include "timetable/TaskScheduler.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

// Daily, weekday, dated, any-minute and start-up tasks with and without leads and sounds,
// several of them due at the benchmark's tick.
TaskList ThousandTasks()
{
    TaskList tasks;
    for (int i = 0; i < 1000; ++i)
    {
        auto task = std::make_unique<TimeTask>();
        switch (i % 5)
        {
        case 0:
            task->m_nHour = i % 24;
            task->m_nMinute = i % 60;
            break;
        case 1:
            task->m_nWeekday = i % 7 + 1;
            task->m_nHour = i % 24;
            task->m_nMinute = 0;
            break;
        case 2:
            task->m_nYear = 2026 + i % 3;
            task->m_nMonth = i % 12 + 1;
            task->m_nDay = i % 31 + 1;
            task->m_nHour = 12;
            task->m_nMinute = i % 60;
            break;
        case 3:
            task->m_nHour = 12;
            break;
        default:
            break; // start-up task
        }
        task->m_nLeadSeconds = i % 4 == 0 ? -1 : (i % 4) * 30;
        if (i % 3 == 0)
            task->m_strSound = "C:\\Windows\\Media\\chimes.wav";
        tasks.push_back(std::move(task));
    }
    return tasks;
}

void DecideOneTickOverThousandTasks(benchmark::State& state)
{
    // A zone with daylight saving time, so every conversion consults its rules.
    ::setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    ::tzset();
    const TaskList tasks = ThousandTasks();
    const LocalTimeFields now{2026, 12, 7, 12, 0, 0, 2};
    for (auto _ : state)
    {
        int nSoundFlag = 0;
        TickDecision decision = DecideTaskTick(now, tasks, nSoundFlag);
        benchmark::DoNotOptimize(decision.m_shown.data());
    }
}
BENCHMARK(DecideOneTickOverThousandTasks)->Unit(benchmark::kMicrosecond);

} // namespace
