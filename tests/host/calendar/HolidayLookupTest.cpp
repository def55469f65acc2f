#include "calendar/HolidayLookup.h"

#include <gtest/gtest.h>

namespace {

HolidayList Holidays(std::initializer_list<HolidayEntry> entries)
{
    HolidayList list;
    for (const HolidayEntry& entry : entries)
        list.push_back(std::make_unique<HolidayEntry>(entry));
    return list;
}

} // namespace

TEST(HolidayLookup, AnyFieldMatchesEveryValueAndTheFirstMatchWins)
{
    const HolidayList holidays = Holidays({{-1, 1, 1, 0x0000FF, "New Year"},
                                           {2026, 5, -1, 0x00FF00, "May"},
                                           {2026, 5, 5, 0x000080, "Children"},
                                           {2026, 3, 20, -1, "Equinox"}});
    const std::tuple<int, int, int, int> found[] = {
        {2026, 1, 1, 0x0000FF},  {2023, 1, 1, 0x0000FF}, // 1 January 2023 is a Sunday
        {2026, 5, 31, 0x00FF00}, {2026, 5, 5, 0x00FF00}, {2026, 3, 20, -1},
    };
    for (const auto& [nYear, nMonth, nDay, crExpected] : found)
    {
        int crColour = 0;
        EXPECT_TRUE(FindHolidayColour(holidays, nYear, nMonth, nDay, crColour))
            << nYear << "-" << nMonth << "-" << nDay;
        EXPECT_EQ(crExpected, crColour) << nYear << "-" << nMonth << "-" << nDay;
    }
    int crColour = 7;
    EXPECT_FALSE(FindHolidayColour(holidays, 2027, 5, 31, crColour));
    EXPECT_FALSE(FindHolidayColour(holidays, 2026, 1, 2, crColour));
    EXPECT_EQ(7, crColour);
}
