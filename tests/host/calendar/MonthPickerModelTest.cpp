#include "calendar/MonthPickerModel.h"

#include <gtest/gtest.h>

TEST(MonthPicker, RowsAroundTheCentreAndTheRowLevelWithThePointer)
{
    // Row 0 is three months back, row 6 three on, across the ends of years.
    EXPECT_EQ((CalendarMonth{10, 99}), PickerRowMonth({1, 100}, 7, 0));
    EXPECT_EQ((CalendarMonth{2, 2027}), PickerRowMonth({1, 2027}, 7, 4));
    EXPECT_EQ((CalendarMonth{3, 10000}), PickerRowMonth({12, 9999}, 7, 6));
    EXPECT_TRUE(IsAcceptedRowCount(3));
    EXPECT_FALSE(IsAcceptedRowCount(1));
    EXPECT_FALSE(IsAcceptedRowCount(8));
    // Seven rows of 16 pixels in a client area of 114 (PlacePicker's 2 x ((7 x 16 + 3) / 2)); the
    // first row also takes the pointer above the list, the last below the client area.
    EXPECT_EQ((CalendarRect{440, 343, 560, 457}), PlacePicker({500, 400}, 101, 16, 7));
    const std::tuple<int, int, bool> cases[] = {{0, -1, true},   {1, -1, false},  {2, 32, true},
                                                {2, 47, true},   {3, 48, true},   {2, 48, false},
                                                {6, 112, false}, {6, 114, false}, {6, 115, true}};
    for (const auto& [nRow, y, bUnder] : cases)
    {
        const CalendarRect rc = PickerRowRect(nRow, 300, 16);
        EXPECT_EQ(bUnder, IsRowUnderCursor(nRow, 7, rc.top, rc.bottom, y, 114)) << nRow << " at " << y;
    }
}

TEST(MonthPickerScroll, OneMonthEveryTenthTickNearTheEdgeTwoEveryFifthFartherOutWithinTheYears)
{
    constexpr int kTop = 300;
    constexpr int kBottom = 414;
    // Ticks with the pointer held still at y, then the centre: coming back inside, or turning the
    // other way, starts the count again; no earlier move from year 100 nor later from 9999.
    const std::vector<std::tuple<CalendarMonth, std::vector<std::tuple<int, int, CalendarMonth>>>> runs = {
        {{2, 2027},
         {{kTop - 10, 9, {2, 2027}},    {kTop - 10, 1, {1, 2027}},    {kTop - 15, 10, {12, 2026}},
          {kTop - 20, 4, {12, 2026}},   {kTop - 20, 1, {10, 2026}},   {kBottom + 16, 5, {12, 2026}},
          {kBottom + 10, 10, {1, 2027}}, {kTop - 10, 9, {1, 2027}},   {kTop, 1, {1, 2027}},
          {kTop - 10, 9, {1, 2027}},    {kBottom + 10, 1, {1, 2027}}, {kTop - 10, 9, {1, 2027}},
          {kTop - 10, 1, {12, 2026}}}},
        {{2, 101}, {{kTop - 20, 5, {12, 100}}, {kTop - 20, 30, {12, 100}}}},
        {{11, 9998},
         {{kBottom + 20, 5, {1, 9999}}, {kBottom + 20, 30, {1, 9999}}, {kTop - 20, 5, {11, 9998}}}},
    };
    for (const auto& [centre, ticks] : runs)
    {
        MonthPickerScroll scroll;
        scroll.SetCentre(centre.m_nMonth, centre.m_nYear);
        for (const auto& [y, nTicks, expected] : ticks)
        {
            for (int i = 0; i < nTicks; ++i)
                scroll.TrackY(y, kTop, kBottom);
            EXPECT_EQ(expected, scroll.m_centre) << centre.m_nYear << ": " << nTicks << " at " << y;
        }
    }
}
