#include "panel/LcdDigits.h"
#include "panel/PanelLayout.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

const PanelRect kWork{0, 0, 1280, 994};
const PanelRect kUnplaced{-3, -22, 154, 75};

} // namespace

TEST(PlaceInCorner, SitsFlushInEachCorner)
{
    EXPECT_EQ((PanelRect{0, 0, 157, 97}), PlaceInCorner(kWork, 157, 97, 0, kUnplaced));
    EXPECT_EQ((PanelRect{1123, 0, 1280, 97}), PlaceInCorner(kWork, 157, 97, 1, kUnplaced));
    EXPECT_EQ((PanelRect{0, 897, 157, 994}), PlaceInCorner(kWork, 157, 97, 2, kUnplaced));
    EXPECT_EQ((PanelRect{1123, 897, 1280, 994}), PlaceInCorner(kWork, 157, 97, 3, kUnplaced));
    // A work area that does not start at the origin (a second monitor, a bar on the left).
    const PanelRect second{1280, 40, 2560, 1024};
    EXPECT_EQ((PanelRect{1280, 40, 1437, 137}), PlaceInCorner(second, 157, 97, 0, kUnplaced));
    EXPECT_EQ((PanelRect{2403, 927, 2560, 1024}), PlaceInCorner(second, 157, 97, 3, kUnplaced));
}

TEST(PlaceInCorner, AWorkAreaSmallerThanThePanelPinsItToTheOrigin)
{
    const PanelRect tiny{0, 0, 100, 50};
    EXPECT_EQ((PanelRect{0, 0, 100, 50}), PlaceInCorner(tiny, 157, 97, 0, kUnplaced));
    EXPECT_EQ((PanelRect{0, 0, 100, 50}), PlaceInCorner(tiny, 157, 97, 3, kUnplaced));
    EXPECT_EQ((PanelRect{0, 0, 100, 50}), PlaceInCorner(tiny, 157, 97, 1, kUnplaced));
}

TEST(PlaceInCorner, AnUnknownCornerKeepsTheUnplacedRectangle)
{
    EXPECT_EQ(kUnplaced, PlaceInCorner(kWork, 157, 97, 4, kUnplaced));
    EXPECT_EQ(kUnplaced, PlaceInCorner(kWork, 157, 97, -1, kUnplaced));
}

TEST(AutoHideBar, CutsTheWorkAreaOnItsOwnEdgeOnly)
{
    const PanelRect work{0, 0, 1280, 1024};
    EXPECT_EQ((PanelRect{0, 0, 1280, 1022}), CutByAutoHideBar(work, {0, 1022, 1280, 1064}, BarEdge::Bottom));
    EXPECT_EQ((PanelRect{0, 2, 1280, 1024}), CutByAutoHideBar(work, {0, -40, 1280, 2}, BarEdge::Top));
    EXPECT_EQ((PanelRect{2, 0, 1280, 1024}), CutByAutoHideBar(work, {-60, 0, 2, 1024}, BarEdge::Left));
    EXPECT_EQ((PanelRect{0, 0, 1278, 1024}), CutByAutoHideBar(work, {1278, 0, 1340, 1024}, BarEdge::Right));
    // A bar that does not reach into the work area changes nothing.
    EXPECT_EQ(work, CutByAutoHideBar(work, {0, 1030, 1280, 1070}, BarEdge::Bottom));
}

TEST(LcdDigits, EveryDigitOfTheLastSecondOfTheYear)
{
    const LcdDigits digits = DigitsOf(2026, 12, 31, 23, 59, 59);
    EXPECT_EQ((std::array<int, 6>{2, 3, 5, 9, 5, 9}), digits.time);
    EXPECT_EQ((std::array<int, 8>{3, 1, 1, 2, 2, 0, 2, 6}), digits.date);
    const LcdDigits next = DigitsOf(2027, 1, 1, 0, 0, 0);
    EXPECT_EQ((std::array<int, 6>{0, 0, 0, 0, 0, 0}), next.time);
    EXPECT_EQ((std::array<int, 8>{0, 1, 0, 1, 2, 0, 2, 7}), next.date);
}

TEST(LcdDigits, HoursInTwentyFourHourFormWithALeadingZero)
{
    const LcdDigits digits = DigitsOf(987, 7, 5, 9, 5, 3);
    EXPECT_EQ((std::array<int, 6>{0, 9, 0, 5, 0, 3}), digits.time);
    EXPECT_EQ((std::array<int, 8>{0, 5, 0, 7, 0, 9, 8, 7}), digits.date) << "the year has four digits";
}

namespace {

// The notice window's own move: the rectangle's width, its own height, standing on the pixel
// below the rectangle (bottom corners) or hanging from its top (top corners).
PanelRect AsShown(const PanelRect& rc, int nHeight, int nCorner)
{
    if (IsTopCorner(nCorner))
        return {rc.left, rc.top, rc.right, rc.top + nHeight};
    return {rc.left, rc.bottom + 1 - nHeight, rc.right, rc.bottom + 1};
}

// The panel (157 x 78) and, when asked for, the calendar (158 x 222) as the program places
// them: the calendar right-aligned with the panel, above it or, in a top corner, below it.
NoticeNeighbours Around(const PanelRect& work, int nCorner, bool bCalendar)
{
    NoticeNeighbours around{work, PlaceInCorner(work, 157, 78, nCorner, kUnplaced), {}, {}};
    const PanelRect& panel = around.panel;
    if (bCalendar)
        around.calendar = IsTopCorner(nCorner) ? PanelRect{panel.right - 158, panel.bottom, panel.right, panel.bottom + 222}
                                               : PanelRect{panel.right - 158, panel.top - 222, panel.right, panel.top};
    return around;
}

std::vector<PanelRect> ShowNotices(NoticeNeighbours around, int nCorner, int nCount, int nHeight)
{
    std::vector<PanelRect> shown;
    for (int i = 0; i < nCount; ++i)
    {
        shown.push_back(AsShown(PlaceNotice(around, nCorner), nHeight, nCorner));
        around.newest = shown.back();
    }
    return shown;
}

bool Inside(const PanelRect& rc, const PanelRect& work)
{
    return rc.left >= work.left && rc.top >= work.top && rc.right <= work.right && rc.bottom <= work.bottom;
}

bool Overlap(const PanelRect& a, const PanelRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

TEST(NoticePlace, TheFirstStandsAboveThePanelAndCalendarOrHangsBelowThemInTopCorners)
{
    const PanelRect work{0, 0, 1280, 1024};
    // One pixel of air above the panel; the notice fixes its own height from this bottom.
    EXPECT_EQ((PanelRect{1123, 896, 1280, 945}), PlaceNotice(Around(work, 3, false), 3));
    EXPECT_EQ((PanelRect{1123, 674, 1280, 723}), PlaceNotice(Around(work, 3, true), 3)) << "above the calendar";
    EXPECT_EQ((PanelRect{1123, 78, 1280, 127}), PlaceNotice(Around(work, 1, false), 1));
    EXPECT_EQ((PanelRect{0, 300, 157, 349}), PlaceNotice(Around(work, 0, true), 0)) << "below the calendar";
    // A panel standing below the work area still gets its notice inside it.
    const NoticeNeighbours low{work, {0, 1030, 157, 1108}, {}, {}};
    EXPECT_EQ(1023, PlaceNotice(low, 2).bottom);

    // The provisional 49 rows decide for the first notice: room for them, or column 1 beside
    // the calendar, which is one pixel wider than the panel.
    NoticeNeighbours around = Around({0, 0, 1280, 800}, 3, true);
    around.calendar->top = 49;
    EXPECT_EQ((PanelRect{1123, -1, 1280, 48}), PlaceNotice(around, 3));
    around.calendar->top = 48;
    EXPECT_EQ((PanelRect{965, 750, 1122, 799}), PlaceNotice(around, 3));
}

class NoticeColumns : public ::testing::TestWithParam<std::tuple<int, bool>>
{
};

TEST_P(NoticeColumns, SixtyNoticesOfOneSecondAllStayInsideTheWorkArea)
{
    const auto [nCorner, bCalendar] = GetParam();
    const PanelRect work{0, 0, 1280, 800};
    const NoticeNeighbours around = Around(work, nCorner, bCalendar);
    constexpr int nHeight = 53; // three lines of a 9-point font, frame included
    const std::vector<PanelRect> shown = ShowNotices(around, nCorner, 60, nHeight);
    const bool bDown = IsTopCorner(nCorner);
    const int nAway = nCorner == 1 || nCorner == 3 ? -1 : 1;
    int nColumns = 1;
    for (size_t i = 0; i < shown.size(); ++i)
    {
        const PanelRect& rc = shown[i];
        SCOPED_TRACE(i);
        EXPECT_TRUE(Inside(rc, work));
        EXPECT_FALSE(Overlap(rc, around.panel));
        EXPECT_FALSE(around.calendar && Overlap(rc, *around.calendar));
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(Overlap(rc, shown[j])) << j;
        if (i == 0)
        {
            EXPECT_EQ(around.panel.left, rc.left);
            continue;
        }
        const PanelRect& prev = shown[i - 1];
        if (rc.left == prev.left)
        {
            // Newest on top in the bottom corners, lowest in the top corners, row on row.
            EXPECT_EQ(bDown ? prev.bottom : prev.top, bDown ? rc.top : rc.bottom);
            continue;
        }
        // A new column: the last one was full, and the new one starts at the work area's edge
        // on the side away from the screen's edge.
        ++nColumns;
        EXPECT_TRUE(bDown ? prev.bottom + nHeight > work.bottom : prev.top - nHeight < work.top);
        EXPECT_EQ(bDown ? work.top : work.bottom, bDown ? rc.top : rc.bottom);
        EXPECT_GT((rc.left - prev.left) * nAway, 0);
    }
    EXPECT_EQ(5, nColumns);
}

INSTANTIATE_TEST_SUITE_P(EveryCorner, NoticeColumns,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3), ::testing::Bool()));

TEST(NoticeColumns, WithNoRoomForAnotherColumnTheyStartOverOnTheOldest)
{
    const PanelRect work{0, 0, 1280, 800};
    for (int nCorner : {0, 3})
    {
        // 300 rows: two notices above the panel, two in each of the 7 columns beside it.
        const std::vector<PanelRect> shown = ShowNotices(Around(work, nCorner, false), nCorner, 60, 300);
        for (const PanelRect& rc : shown)
            EXPECT_TRUE(Inside(rc, work)) << nCorner;
        EXPECT_EQ(shown[0], shown[16]) << nCorner;
        EXPECT_EQ(shown[15], shown[31]) << nCorner;
    }
    // Taller than the work area: its top row shows, beside the panel.
    NoticeNeighbours around = Around(work, 3, false);
    around.newest = PanelRect{1123, 900, 1280, 1800};
    EXPECT_EQ((PanelRect{966, 850, 1123, 899}), PlaceNotice(around, 3));
}

TEST(ShowPeriod, IsTheUnsignedProductTheTimerTakes)
{
    const std::pair<int, std::uint32_t> rows[] = {
        {30, 30000u}, {0, 0u}, {-1, 4294966296u}, {2147484, 2147484000u}, {4294968, 704u}, {-2147483647 - 1, 0u}};
    for (const auto& [nSeconds, nPeriodMs] : rows)
        EXPECT_EQ(nPeriodMs, ShowPeriodMs(nSeconds)) << nSeconds;
}
