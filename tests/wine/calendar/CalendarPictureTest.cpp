// The calendar's picture read back through WM_PRINTCLIENT at a fixed today: today's frame,
// the inverted selection, marked dates in the colour the callback gave, the neighbouring
// months' days, the title band and the weekday row.
#include "framework/Gdi.h"
#include "framework/ModulePath.h"
#include "tests/wine/calendar/CalendarHost.h"
#include "tests/wine/calendar/CalendarPicture.h"
#include "tests/wine/support/Dib32.h"
#include "tests/wine/support/PngWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

constexpr COLORREF kSaturday = RGB(0, 140, 0);
constexpr COLORREF kSunday = RGB(220, 0, 0);
constexpr COLORREF kWeekdaySpec = RGB(255, 0, 255);
constexpr COLORREF kTitleBand = RGB(200, 220, 255);
const CalendarDate kThrows{2026, 12, 19};

// Saturdays and Sundays, each in its own colour; one Saturday's lookup fails.
int MarkWeekends(CCalendarCtrl* pCalendar, const CalendarDate& date)
{
    if (date == kThrows)
        throw std::runtime_error("holiday list unavailable");
    if (date.Weekday() == 7)
        pCalendar->SetMarkedDateColour(kSaturday);
    else if (date.Weekday() == 1)
        pCalendar->SetMarkedDateColour(kSunday);
    else
        return 0;
    return 1;
}

class CalendarPicture : public CalendarHost
{
protected:
    const CalendarGeometry& Geometry() const { return m_calendar.MonthBlock().m_geometry; }
    CalendarRect Fill(const CalendarDate& date) const { return CellFillRect(Geometry(), CellOf(date)); }
    CalendarRect Text(const CalendarDate& date) const { return CellTextRect(Geometry(), CellOf(date)); }
};

} // namespace

TEST_F(CalendarPicture, FramesTodayAndInvertsTheSelectedDate)
{
    const CalendarDate today{2026, 12, 16};
    const CalendarDate selected{2026, 12, 10};
    m_calendar.SelectDate(selected);
    const Picture picture(m_calendar);
    picture.Save("calendar-december-2026.png");
    ASSERT_EQ(0, CellOf(CalendarDate{2026, 11, 29})) << "Sunday 29 November starts the grid";

    picture.ExpectFramed(Fill(today));
    EXPECT_EQ(kBackground, picture.At(Fill(today).left + 1, Fill(today).top + 1)) << "a frame, not a fill";
    EXPECT_GT(picture.Count(kDate, Text(today)), 0);

    const CalendarRect rcSelected = Fill(selected);
    EXPECT_EQ(0, picture.Count(kTodayFrame, {rcSelected.left, rcSelected.top, rcSelected.right, rcSelected.bottom - 1}));
    EXPECT_EQ(kDate, picture.At(Fill(selected).left + 1, Fill(selected).top + 1));
    EXPECT_EQ(kDate, picture.At(Fill(selected).right - 1, Fill(selected).bottom - 1));
    EXPECT_GT(picture.Count(kBackground, Text(selected)), 0) << "the day number in the background colour";

    m_calendar.SelectDate(today);
    const Picture both(m_calendar);
    both.ExpectFramed(Fill(today));
    EXPECT_EQ(kDate, both.At(Fill(today).left + 1, Fill(today).top + 1));
    EXPECT_EQ(kBackground, both.At(Fill(selected).left + 1, Fill(selected).top + 1)) << "one date selected";

    m_calendar.SelectDate(CalendarDate{});
    const Picture none(m_calendar);
    EXPECT_EQ(0, none.Count(kDate, Fill(today)) - none.Count(kDate, Text(today)));
}

TEST_F(CalendarPicture, TodaysFrameMovesOnTheScreenWhenTheSystemTimeChanges)
{
    const CalendarDate tomorrow{2026, 12, 17};
    Picture(m_calendar, true).ExpectFramed(Fill({2026, 12, 16}));
    m_clock.m_stLocal = LocalTime(2026, 12, 17, 0, 0, 1);
    m_calendar.SendMessage(WM_TIMECHANGE);
    const Picture screen(m_calendar, true);
    screen.ExpectFramed(Fill(tomorrow));
    EXPECT_EQ(0, screen.Count(kTodayFrame, Fill({2026, 12, 15})));
}

TEST_F(CalendarPicture, MarkedDatesAndNeighbouringMonthsHaveTheirOwnColours)
{
    m_calendar.SetMarkCallback(&MarkWeekends);
    const CalendarDate saturday{2026, 12, 12};
    m_calendar.SelectDate(saturday);
    const Picture picture(m_calendar);
    picture.Save("calendar-marked.png");

    EXPECT_GT(picture.Count(kSaturday, Text(saturday)), 0) << "selected and marked: the mark's colour";
    EXPECT_EQ(kDate, picture.At(Fill(saturday).left + 1, Fill(saturday).top + 1)) << "still filled";
    const CalendarDate sunday{2026, 12, 13};
    EXPECT_GT(picture.Count(kSunday, Text(sunday)), 0);
    EXPECT_EQ(0, picture.Count(kSaturday, Text(sunday)));
    EXPECT_EQ(0, picture.Count(kDate, Text(sunday)));

    const CalendarDate weekday{2026, 12, 15};
    EXPECT_GT(picture.Count(kDate, Text(weekday)), 0);
    EXPECT_EQ(0, picture.Count(kSunday, Text(weekday)) + picture.Count(kSaturday, Text(weekday)));

    EXPECT_GT(picture.Count(kDate, Text(kThrows)), 0) << "a failing callback leaves the date unmarked";
    EXPECT_EQ(0, picture.Count(kSaturday, Text(kThrows)));

    for (const CalendarDate& other : {CalendarDate{2026, 11, 30}, CalendarDate{2027, 1, 4}})
    {
        SCOPED_TRACE(other.m_nMonth);
        EXPECT_GT(picture.Count(kOtherMonth, Text(other)), 0);
        EXPECT_EQ(0, picture.Count(kDate, Text(other)));
    }
    const CalendarDate otherSaturday{2027, 1, 9};
    EXPECT_GT(picture.Count(kSaturday, Text(otherSaturday)), 0) << "marks show in the neighbouring months too";
    EXPECT_EQ(0, picture.Count(kOtherMonth, Text(otherSaturday)));
}

TEST_F(CalendarPicture, TitleBandInItsColourAndWeekdayTitlesInTheDateColour)
{
    m_calendar.SetTitleBandColour(kTitleBand);
    m_calendar.SetWeekdayFont("Tahoma", 8, FALSE, FALSE, FALSE, kWeekdaySpec);
    m_calendar.ResizeToFit();
    const Picture picture(m_calendar);
    const CalendarGeometry& g = Geometry();

    EXPECT_EQ(kTitleBand, picture.At(g.m_rcTitleHit.left + 2, g.m_rcTitleBand.bottom - 3));
    EXPECT_EQ(kTitleBand, picture.At(g.m_rcTitleHit.right - 2, g.m_rcTitleBand.top + 2));
    EXPECT_EQ(kBackground, picture.At(g.m_rcTitleBand.right, g.m_rcTitleBand.top + 2)) << "the band ends short";
    EXPECT_EQ(RGB(0, 0, 0), picture.At(g.m_back.m_ptTip.x, g.m_back.m_ptTip.y)) << "the back arrow's tip";
    EXPECT_EQ(RGB(0, 0, 0), picture.At(g.m_forward.m_ptTip.x - 1, g.m_forward.m_ptTip.y));

    const CalendarRect rcWeekdays{g.m_rcGrid.left, g.m_nWeekdayTop, g.m_rcGrid.right, g.m_nGridTop};
    EXPECT_GT(picture.Count(kDate, rcWeekdays), 0);
    EXPECT_EQ(0, picture.Count(kWeekdaySpec, rcWeekdays)) << "the weekday spec's colour is not used";
}
