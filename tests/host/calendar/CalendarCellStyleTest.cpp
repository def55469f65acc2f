#include "calendar/CalendarCellStyle.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kDate = 0x00112233;
constexpr std::uint32_t kOther = 0x00808080;
constexpr std::uint32_t kBack = 0x00FFFFFF;
constexpr std::uint32_t kMarked = 0x000000FF;

// December 2026 displayed, the 7th selected.
CalendarCellStyle StyleOf(const CalendarDate& date, bool bMarked, bool bToday)
{
    const CalendarSelection selection{{2026, 12, 7}, {2026, 12, 7}};
    return DecideCellStyle(date, 12, 2026, selection, {bMarked, kMarked, bToday}, {kDate, kOther, kBack});
}

using Role = CalendarFontRole;

} // namespace

TEST(CalendarCellStyle, SelectionMarkTodayAndMonthCombine)
{
    struct Case
    {
        const char* pszName;
        CalendarDate date;
        bool bMarked;
        bool bToday;
        CalendarCellStyle expected; // drawn, role, text, fill, fill colour, frame
    };
    const Case cases[] = {
        {"selected today", {2026, 12, 7}, false, true, {true, Role::Date, kBack, true, kDate, true}},
        {"selected marked",
         {2026, 12, 7},
         true,
         false,
         {true, Role::MarkedDate, kMarked, true, kDate, false}},
        {"plain", {2026, 12, 8}, false, false, {true, Role::Date, kDate, false, 0, false}},
        {"marked other month", {2027, 1, 2}, true, false, {true, Role::OtherMonth, kMarked, false, 0, false}},
        {"other month", {2026, 11, 30}, false, false, {true, Role::OtherMonth, kOther, false, 0, false}},
        {"a year before", {2025, 12, 8}, false, false, {true, Role::OtherMonth, kOther, false, 0, false}},
        {"before year 100", {99, 12, 31}, true, true, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, StyleOf(c.date, c.bMarked, c.bToday)) << c.pszName;
    EXPECT_EQ(0x00000084u, StyleOf({2026, 12, 7}, false, true).m_crFrame);
}

TEST(CalendarSelection, InclusiveRangeEmptyWhenEitherEndIsInvalid)
{
    const CalendarSelection range{{2026, 1, 30}, {2026, 2, 2}};
    EXPECT_TRUE(IsInSelection(range, {2026, 1, 30}));
    EXPECT_TRUE(IsInSelection(range, {2026, 1, 31}));
    EXPECT_TRUE(IsInSelection(range, {2026, 2, 2}));
    EXPECT_FALSE(IsInSelection(range, {2026, 1, 29}));
    EXPECT_FALSE(IsInSelection(range, {2026, 2, 3}));
    EXPECT_FALSE(IsInSelection({{2026, 1, 30}, {2026, 2, 30}}, {2026, 1, 31}));
}
