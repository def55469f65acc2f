#include "calendar/CalendarGeometry.h"
#include "calendar/CalendarMetrics.h"

#include "tests/host/HostData.h"

namespace {

const std::array<std::string, 12> kNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Fixed extents with one exception per role, so each maximum is traced to the text that makes it.
class CFakeMeasurer : public ICalendarMeasurer
{
public:
    std::string m_strWideTitle;
    int m_nWeekdayWidth = 11;

    CalendarSize Measure(CalendarFontRole role, const std::string& text) override
    {
        using R = CalendarFontRole;
        return role == R::MarkedDate ? CalendarSize{text == "31" ? 16 : 12, 13}
               : role == R::OtherMonth ? CalendarSize{12, text == "01" ? 15 : 13}
               : role == R::Weekday ? CalendarSize{text == "W" ? m_nWeekdayWidth : 7, text == "M" ? 12 : 10}
               : role == R::Title ? CalendarSize{text == m_strWideTitle ? 250 : 60, 14}
                                  : CalendarSize{12, 13};
    }
};

} // namespace

TEST(CalendarMetrics, CellsFitEveryDateFontAndTheWeekdayLettersAndTheBlockTitlesOfTenYearsEitherSide)
{
    CFakeMeasurer measurer;
    // Cell 16 (the marked font's "31") x 15 (the other-month font's "01"); narrow titles.
    EXPECT_EQ((CalendarMetrics{16, 15, 12, 20, 7 * 16 + 40, 6 * 15 + 12 + 20 + 24}),
              MeasureCalendarMetrics(measurer, kNames, 2026));
    for (const DataRow& r : DataRows("calendar-titles.txt"))
    {
        measurer.m_strWideTitle = r[0];
        EXPECT_EQ(Num(r[2]), MeasureCalendarMetrics(measurer, kNames, Num(r[1])).m_nBlockWidth) << r[0];
    }
    measurer.m_nWeekdayWidth = 21;
    EXPECT_EQ(21, MeasureCalendarMetrics(measurer, kNames, 2026).m_nCellWidth);
}

TEST(CalendarGeometry, TitleArrowsWeekdaysCellsAndTheDayUnderThePointerFromTheMetrics)
{
    const CalendarGeometry g = ComputeCalendarGeometry({16, 15, 12, 20, 240, 146});
    EXPECT_EQ((std::array<CalendarRect, 8>{{{0, 0, 239, 20}, {1, 1, 230, 18}, {10, 1, 220, 18},
                                            {128, 21, 144, 34}, {8, 36, 144, 138}, {5, 36, 26, 54},
                                            {5, 36, 26, 53}, {128, 121, 144, 136}}}),
              (std::array{g.m_rcTitleBand, g.m_rcTitleText, g.m_rcTitleHit, WeekdayTitleRect(g, 6),
                          g.m_rcGrid, CellFillRect(g, 0), CellHitRect(g, 0), CellTextRect(g, 41)}));
    EXPECT_EQ((CalendarArrow{{6, 10}, 11, 5, 15, {5, 4, 12, 16}}), g.m_back);
    EXPECT_EQ((CalendarArrow{{230, 10}, 225, 5, 15, {224, 4, 231, 16}}), g.m_forward);
    EXPECT_EQ((std::pair{CalendarPoint{8, 35}, CalendarPoint{144, 35}}),
              std::pair(g.m_ptSeparatorFrom, g.m_ptSeparatorTo));
    for (const DataRow& r : DataRows("calendar-hits.txt"))
        EXPECT_EQ(r[2] == "-" ? std::nullopt : std::optional(Num(r[2])), HitDay(g, {Num(r[0]), Num(r[1])}))
            << r[0] << "," << r[1];
    const CalendarGridDates first = BuildCalendarGrid(1, 100, 1);
    EXPECT_EQ(std::nullopt, SelectableDayAt(g, first, {10, 40})) << "27 December 99";
    EXPECT_EQ((CalendarDate{100, 1, 1}), SelectableDayAt(g, first, {108, 40}));
}
