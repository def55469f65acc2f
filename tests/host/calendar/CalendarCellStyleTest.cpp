#include "calendar/CalendarCellStyle.h"
#include "calendar/HolidayLookup.h"

#include "tests/host/HostData.h"

TEST(CalendarCellStyle, SelectionMarkTodayAndMonthCombine)
{
    const CalendarSelection selection{{2026, 12, 7}, {2026, 12, 7}};
    for (const DataRow& r : DataRows("calendar-cell-styles.txt"))
    {
        const auto n = [&r](std::size_t i) { return Num<std::uint32_t>(r[i]); };
        const CalendarCellStyle expected{n(5) != 0, static_cast<CalendarFontRole>(n(6)), n(7), n(8) != 0,
                                         n(9), n(10) != 0};
        EXPECT_EQ(expected, DecideCellStyle({Num(r[0]), Num(r[1]), Num(r[2])}, 12, 2026, selection,
                                            {r[3] == "1", 0xFF, r[4] == "1"}, {0x112233, 0x808080, 0xFFFFFF}))
            << r[0] << "-" << r[1] << "-" << r[2];
    }
    EXPECT_EQ(0x00000084u, kTodayFrameColour);
    const CalendarSelection range{{2026, 1, 30}, {2026, 2, 2}};
    for (const auto& [date, bIn] : {std::pair{CalendarDate{2026, 1, 30}, true}, {{2026, 1, 31}, true},
                                    {{2026, 2, 2}, true}, {{2026, 1, 29}, false}, {{2026, 2, 3}, false}})
        EXPECT_EQ(bIn, IsInSelection(range, date)) << date.m_nMonth << "-" << date.m_nDay;
    EXPECT_FALSE(IsInSelection({{2026, 1, 30}, {2026, 2, 30}}, {2026, 1, 31}));
}

TEST(HolidayLookup, AnyFieldMatchesEveryValueAndTheFirstMatchWins)
{
    HolidayList holidays;
    for (const DataRow& r : DataRows("holiday-lookup.txt"))
    {
        if (r[0] == "holiday")
        {
            holidays.push_back(std::make_unique<HolidayEntry>());
            *holidays.back() = {Num(r[1]), Num(r[2]), Num(r[3]), Num(r[4]), r[5]};
            continue;
        }
        int crColour = 7;
        const bool bFound = FindHolidayColour(holidays, Num(r[1]), Num(r[2]), Num(r[3]), crColour);
        EXPECT_EQ(std::pair(r[4] == "1", Num(r[5])), std::pair(bFound, crColour)) << r[1] << "-" << r[2];
    }
}
