#include "calendar/MonthPickerModel.h"

#include "tests/host/HostData.h"

TEST(MonthPicker, RowsAroundTheCentreAndTheRowLevelWithThePointer)
{
    // Row 0 is three months back, row 6 three on, across the ends of years.
    EXPECT_EQ((std::array<CalendarMonth, 3>{{{10, 99}, {2, 2027}, {3, 10000}}}),
              (std::array{PickerRowMonth({1, 100}, 7, 0), PickerRowMonth({1, 2027}, 7, 4),
                          PickerRowMonth({12, 9999}, 7, 6)}));
    for (const auto& [nRows, bAccepted] : {std::pair{3, true}, {1, false}, {8, false}})
        EXPECT_EQ(bAccepted, IsAcceptedRowCount(nRows)) << nRows;
    // Seven rows of 16 pixels in a client area of 114: PlacePicker's 2 x ((7 x 16 + 3) / 2).
    EXPECT_EQ((CalendarRect{440, 343, 560, 457}), PlacePicker({500, 400}, 101, 16, 7));
    for (const DataRow& r : DataRows("picker-rows.txt"))
    {
        const CalendarRect rc = PickerRowRect(Num(r[0]), 300, 16);
        EXPECT_EQ(r[2] == "1", IsRowUnderCursor(Num(r[0]), 7, rc.top, rc.bottom, Num(r[1]), 114))
            << r[0] << " at " << r[1];
    }
}

TEST(MonthPickerScroll, OneMonthEveryTenthTickNearTheEdgeTwoEveryFifthFartherOutWithinTheYears)
{
    MonthPickerScroll scroll;
    for (const DataRow& r : DataRows("month-picker-scroll.txt"))
    {
        if (r[0] == "centre")
        {
            scroll = MonthPickerScroll();
            scroll.SetCentre(Num(r[1]), Num(r[2]));
            continue;
        }
        for (int i = 0; i < Num(r[1]); ++i)
            scroll.TrackY(Num(r[0]), 300, 414);
        EXPECT_EQ((CalendarMonth{Num(r[2]), Num(r[3])}), scroll.m_centre) << r[1] << " ticks at " << r[0];
    }
}
