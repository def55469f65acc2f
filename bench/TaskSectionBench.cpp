// Start-up reads the whole time table in one go: how long does a large one take?
#include "timetable/SectionBlock.h"

#include <benchmark/benchmark.h>

namespace {

std::string ThousandTaskBlock()
{
    std::vector<TimeTask> tasks(1000);
    std::vector<const TimeTask*> pointers;
    for (int i = 0; i < 1000; ++i)
    {
        TimeTask& task = tasks[i];
        task.m_nWeekday = i % 7 + 1;
        task.m_nHour = i % 24;
        task.m_nMinute = i % 60;
        task.m_nLeadSeconds = 10;
        task.m_nShowSeconds = 30;
        task.m_crText = 0x0000FF;
        task.m_strText = "Meeting " + std::to_string(i) + "|Room 4, bring the notes\nand the slides";
        if (i % 3 == 0)
            task.m_strSound = "C:\\Windows\\Media\\chimes.wav";
        pointers.push_back(&task);
    }
    return FormatTaskSection(pointers);
}

void ParseThousandTasks(benchmark::State& state)
{
    const std::string block = ThousandTaskBlock();
    for (auto _ : state)
    {
        TaskSectionParse parsed = ParseTaskSection(block);
        benchmark::DoNotOptimize(parsed.records.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * block.size()));
}
BENCHMARK(ParseThousandTasks);

void FormatThousandTasks(benchmark::State& state)
{
    const std::string block = ThousandTaskBlock();
    const TaskSectionParse parsed = ParseTaskSection(block);
    std::vector<const TimeTask*> pointers;
    for (const TimeTask& task : parsed.records)
        pointers.push_back(&task);
    for (auto _ : state)
    {
        std::string out = FormatTaskSection(pointers);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(FormatThousandTasks);

} // namespace
