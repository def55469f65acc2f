#include "calendar/CalendarPaging.h"

#include <gtest/gtest.h>

TEST(CalendarPaging, StepsAcrossYearEndsAndStopsAtTheRangeEnds)
{
    CalendarMonth month{1, 2026};
    EXPECT_TRUE(StepMonthBack(month));
    EXPECT_EQ((CalendarMonth{12, 2025}), month);
    EXPECT_TRUE(StepMonthForward(month));
    EXPECT_EQ((CalendarMonth{1, 2026}), month);

    CalendarMonth first{2, 100};
    EXPECT_TRUE(StepMonthBack(first));
    EXPECT_FALSE(StepMonthBack(first));
    EXPECT_EQ((CalendarMonth{1, 100}), first);

    CalendarMonth last{11, 9999};
    EXPECT_TRUE(StepMonthForward(last));
    EXPECT_FALSE(StepMonthForward(last));
    EXPECT_EQ((CalendarMonth{12, 9999}), last);
}

TEST(CalendarPaging, ShowMonthAndFontSpecsIgnoreBadValuesEachOnItsOwn)
{
    CalendarMonth month{5, 2026};
    ShowMonth(month, 13, 2030);
    EXPECT_EQ((CalendarMonth{5, 2030}), month);
    ShowMonth(month, 12, 10000);
    EXPECT_EQ((CalendarMonth{12, 2030}), month);
    ShowMonth(month, 1, 99);
    EXPECT_EQ((CalendarMonth{1, 2030}), month);
    ShowMonth(month, 0, 100);
    EXPECT_EQ((CalendarMonth{1, 100}), month);

    EXPECT_TRUE(IsAcceptedFontSpec("Tahoma", 1));
    EXPECT_TRUE(IsAcceptedFontSpec("Tahoma", 72));
    EXPECT_FALSE(IsAcceptedFontSpec("Tahoma", 0));
    EXPECT_FALSE(IsAcceptedFontSpec("Tahoma", 73));
    EXPECT_FALSE(IsAcceptedFontSpec("", 10));
    EXPECT_FALSE(IsAcceptedFontSpec(nullptr, 10));
}

TEST(CalendarPaging, WeekStartFromTheLocaleCountingFromMonday)
{
    const std::pair<const char*, int> cases[] = {{"0", 2},  {"5", 7}, {"6", 1}, {"7", 1},
                                                 {"-3", 1}, {"", 1},  {"x", 1}};
    for (const auto& [pszText, nWeekStart] : cases)
        EXPECT_EQ(nWeekStart, WeekStartFromLocaleText(pszText)) << '"' << pszText << '"';
}

TEST(CalendarPaging, WeekdayTitlesKeepTheFirstTwoBytes)
{
    EXPECT_EQ("Mo", TwoByteTitle("Monday"));
    EXPECT_EQ("\x93\xfa", TwoByteTitle("\x93\xfa\x97\x6a\x93\xfa")) << "one Shift-JIS character";
    EXPECT_EQ("M", TwoByteTitle("M"));
}
