// Every paint of the calendar builds the month's 42 cells and decides each one's style, asking
// the mark callback (holidays, then weekends) per cell; a mouse move over the grid hit-tests it.
#include "calendar/CalendarCellStyle.h"
#include "calendar/CalendarGeometry.h"
#include "calendar/CalendarGrid.h"
#include "calendar/HolidayLookup.h"

#include <benchmark/benchmark.h>

namespace {

// A year's worth of fixed and dated holidays, as a Holiday.ini would list them.
HolidayList TwentyHolidays()
{
    const int kDays[][3] = {{-1, 1, 1},    {-1, 1, 2},    {-1, 1, 3},     {2026, 1, 12}, {-1, 2, 11},
                            {-1, 2, 23},   {2026, 3, 20}, {-1, 4, 29},    {-1, 5, 3},    {-1, 5, 4},
                            {-1, 5, 5},    {2026, 5, 6},  {2026, 7, 20},  {-1, 8, 11},   {2026, 9, 21},
                            {2026, 9, 22}, {2026, 9, 23}, {2026, 10, 12}, {-1, 11, 3},   {-1, 11, 23}};
    HolidayList holidays;
    for (const auto& day : kDays)
        holidays.push_back(
            std::make_unique<HolidayEntry>(HolidayEntry{day[0], day[1], day[2], 0x0000FF, "holiday"}));
    return holidays;
}

void BuildAndStyleOneMonth(benchmark::State& state)
{
    const HolidayList holidays = TwentyHolidays();
    const CalendarSelection selection{{2026, 5, 5}, {2026, 5, 5}};
    const CalendarDate today{2026, 5, 5};
    const CalendarColours colours{0x00FFFFFF, 0x00808080, 0x00000000};
    int nMonth = 0;
    for (auto _ : state)
    {
        nMonth = nMonth % 12 + 1; // a different month each paint, as paging would
        const CalendarGridDates grid = BuildCalendarGrid(nMonth, 2026, 1);
        for (const CalendarDate& date : grid)
        {
            CalendarCellFacts facts;
            int crHoliday = 0;
            if (FindHolidayColour(holidays, date.m_nYear, date.m_nMonth, date.m_nDay, crHoliday))
                facts = {true, static_cast<std::uint32_t>(crHoliday), false};
            else if (const int nWeekday = date.Weekday(); nWeekday == 1 || nWeekday == 7)
                facts = {true, nWeekday == 1 ? 0x000000FFu : 0x00FF0000u, false};
            facts.m_bToday = date == today;
            CalendarCellStyle style = DecideCellStyle(date, nMonth, 2026, selection, facts, colours);
            benchmark::DoNotOptimize(style);
        }
    }
}
BENCHMARK(BuildAndStyleOneMonth)->Unit(benchmark::kNanosecond);

void HitTheLastCell(benchmark::State& state)
{
    const CalendarGeometry geometry = ComputeCalendarGeometry({16, 15, 12, 20, 240, 146});
    CalendarPoint pt{140, 130};
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(pt);
        std::optional<int> nCell = HitDay(geometry, pt);
        benchmark::DoNotOptimize(nCell);
    }
}
BENCHMARK(HitTheLastCell)->Unit(benchmark::kNanosecond);

} // namespace
