#include "calendar/CalendarCellStyle.h"
#include "calendar/HolidayLookup.h"

#include <gtest/gtest.h>

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
    using H = HolidayEntry;
    for (const H& entry : {H{-1, 1, 1, 0x0000FF, "New Year"}, H{2026, 5, -1, 0x00FF00, "May"},
                           H{2026, 5, 5, 0x000080, "Kids"}, H{2026, 3, 20, -1, "Equinox"}})
        holidays.push_back(std::make_unique<HolidayEntry>(entry));
    const std::tuple<int, int, int, bool, int> cases[] = {
        {2026, 1, 1, true, 0x0000FF}, {2023, 1, 1, true, 0x0000FF}, {2026, 5, 31, true, 0x00FF00},
        {2026, 5, 5, true, 0x00FF00}, {2026, 3, 20, true, -1},      {2027, 5, 31, false, 7},
        {2026, 1, 2, false, 7},
    };
    for (const auto& [nYear, nMonth, nDay, bFound, crExpected] : cases)
    {
        int crColour = 7;
        EXPECT_EQ(bFound, FindHolidayColour(holidays, nYear, nMonth, nDay, crColour)) << nYear << nMonth;
        EXPECT_EQ(crExpected, crColour) << nYear << "-" << nMonth << "-" << nDay;
    }
}
