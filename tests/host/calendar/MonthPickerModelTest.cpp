#include "calendar/MonthPickerModel.h"

#include <gtest/gtest.h>

TEST(MonthPicker, RowsAroundTheCentreAcrossYearEnds)
{
    std::vector<CalendarMonth> rows;
    for (int nRow = 0; nRow < 7; ++nRow)
        rows.push_back(PickerRowMonth({1, 2027}, 7, nRow));
    EXPECT_EQ((std::vector<CalendarMonth>{
                  {10, 2026}, {11, 2026}, {12, 2026}, {1, 2027}, {2, 2027}, {3, 2027}, {4, 2027}}),
              rows);
    EXPECT_EQ((CalendarMonth{10, 99}), PickerRowMonth({1, 100}, 7, 0));
    EXPECT_EQ((CalendarMonth{3, 10000}), PickerRowMonth({12, 9999}, 7, 6));
    EXPECT_TRUE(IsAcceptedRowCount(3));
    EXPECT_FALSE(IsAcceptedRowCount(1));
    EXPECT_FALSE(IsAcceptedRowCount(8));
}

TEST(MonthPicker, HighlightsTheRowLevelWithThePointerOrTheEndRowBeyondTheList)
{
    // Seven rows of 16 pixels in a client area of 114 (PlacePicker's 2 x ((7 x 16 + 3) / 2)).
    EXPECT_EQ((CalendarRect{440, 343, 560, 457}), PlacePicker({500, 400}, 101, 16, 7));
    auto under = [](int nRow, int y) {
        const CalendarRect rc = PickerRowRect(nRow, 300, 16);
        return IsRowUnderCursor(nRow, 7, rc.top, rc.bottom, y, 114);
    };
    EXPECT_TRUE(under(0, -1));
    EXPECT_FALSE(under(1, -1));
    EXPECT_TRUE(under(2, 32));
    EXPECT_TRUE(under(2, 47));
    EXPECT_TRUE(under(3, 48));
    EXPECT_FALSE(under(2, 48));
    EXPECT_FALSE(under(6, 112)) << "below the last row, still inside the client area";
    EXPECT_FALSE(under(6, 114));
    EXPECT_TRUE(under(6, 115));
}

namespace {

constexpr int kTop = 300;
constexpr int kBottom = 414;

// The centre after nTicks timer ticks with the pointer held still at y.
CalendarMonth Ticks(MonthPickerScroll& scroll, int y, int nTicks)
{
    for (int i = 0; i < nTicks; ++i)
        scroll.TrackY(y, kTop, kBottom);
    return scroll.m_centre;
}

} // namespace

TEST(MonthPickerScroll, OneMonthEveryTenthTickNearTheEdgeTwoEveryFifthFartherOut)
{
    MonthPickerScroll scroll;
    scroll.SetCentre(2, 2027);
    EXPECT_EQ((CalendarMonth{2, 2027}), Ticks(scroll, kTop - 10, 9));
    EXPECT_EQ((CalendarMonth{1, 2027}), Ticks(scroll, kTop - 10, 1));
    EXPECT_EQ((CalendarMonth{12, 2026}), Ticks(scroll, kTop - 15, 10));
    EXPECT_EQ((CalendarMonth{12, 2026}), Ticks(scroll, kTop - 20, 4));
    EXPECT_EQ((CalendarMonth{10, 2026}), Ticks(scroll, kTop - 20, 1));
    EXPECT_EQ((CalendarMonth{12, 2026}), Ticks(scroll, kBottom + 16, 5));
    EXPECT_EQ((CalendarMonth{1, 2027}), Ticks(scroll, kBottom + 10, 10));
    // Coming back inside, or turning the other way, starts the count again.
    Ticks(scroll, kTop - 10, 9);
    Ticks(scroll, kTop, 1);
    EXPECT_EQ((CalendarMonth{1, 2027}), Ticks(scroll, kTop - 10, 9));
    Ticks(scroll, kBottom + 10, 1);
    EXPECT_EQ((CalendarMonth{1, 2027}), Ticks(scroll, kTop - 10, 9));
    EXPECT_EQ((CalendarMonth{12, 2026}), Ticks(scroll, kTop - 10, 1));
}

TEST(MonthPickerScroll, NoEarlierMoveFromACentreInYear100NorLaterFromYear9999)
{
    MonthPickerScroll first;
    first.SetCentre(2, 101);
    EXPECT_EQ((CalendarMonth{12, 100}), Ticks(first, kTop - 20, 5));
    EXPECT_EQ((CalendarMonth{12, 100}), Ticks(first, kTop - 20, 30));

    MonthPickerScroll last;
    last.SetCentre(11, 9998);
    EXPECT_EQ((CalendarMonth{1, 9999}), Ticks(last, kBottom + 20, 5));
    EXPECT_EQ((CalendarMonth{1, 9999}), Ticks(last, kBottom + 20, 30));
    EXPECT_EQ((CalendarMonth{11, 9998}), Ticks(last, kTop - 20, 5)) << "earlier still moves";
}
