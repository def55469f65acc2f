#include "calendar/CalendarCellStyle.h"
#include "calendar/HolidayLookup.h"

#include "tests/host/HostData.h"

TEST(CalendarCellStyle, SelectionMarkTodayAndMonthCombine)
{
    constexpr std::uint32_t kDate = 0x00112233;
    constexpr std::uint32_t kOther = 0x00808080;
    constexpr std::uint32_t kBack = 0x00FFFFFF;
    constexpr std::uint32_t kMarked = 0x000000FF;
    using Role = CalendarFontRole;
    // December 2026 displayed, the 7th selected. Date, marked, today; then drawn, font role,
    // text, fill, fill colour, frame.
    const std::tuple<CalendarDate, bool, bool, CalendarCellStyle> cases[] = {
        {{2026, 12, 7}, false, true, {true, Role::Date, kBack, true, kDate, true}},
        {{2026, 12, 7}, true, false, {true, Role::MarkedDate, kMarked, true, kDate, false}},
        {{2026, 12, 8}, false, false, {true, Role::Date, kDate, false, 0, false}},
        {{2027, 1, 2}, true, false, {true, Role::OtherMonth, kMarked, false, 0, false}},
        {{2026, 11, 30}, false, false, {true, Role::OtherMonth, kOther, false, 0, false}},
        {{99, 12, 31}, true, true, {}},
    };
    const CalendarSelection selection{{2026, 12, 7}, {2026, 12, 7}};
    for (const auto& [date, bMarked, bToday, expected] : cases)
        EXPECT_EQ(expected, DecideCellStyle(date, 12, 2026, selection, {bMarked, kMarked, bToday},
                                            {kDate, kOther, kBack}))
            << date.m_nYear << "-" << date.m_nMonth << "-" << date.m_nDay;
    EXPECT_EQ(0x00000084u, kTodayFrameColour);
    // The selection is inclusive, and empty when either end is invalid.
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
        EXPECT_EQ(r[4] == "1", FindHolidayColour(holidays, Num(r[1]), Num(r[2]), Num(r[3]), crColour));
        EXPECT_EQ(Num(r[5]), crColour) << r[1] << "-" << r[2] << "-" << r[3];
    }
}
