#include "panel/LcdDigits.h"
#include "panel/PanelLayout.h"

#include <gtest/gtest.h>

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

TEST(NoticePlace, AboveThePanelInBottomCornersBelowItInTopCorners)
{
    const PanelRect screen{0, 0, 1280, 1024};
    const PanelRect panel{1123, 927, 1280, 1024};
    // One pixel of air above the panel; the notice fixes its own height from this bottom.
    EXPECT_EQ((PanelRect{1123, 877, 1280, 926}), PlaceNotice(panel, screen, nullptr, NoticeStacking::Upwards));
    // A calendar above the panel pushes the notice above the calendar.
    const PanelRect calendar{1123, 700, 1280, 926};
    EXPECT_EQ((PanelRect{1123, 650, 1280, 699}), PlaceNotice(panel, screen, &calendar, NoticeStacking::Upwards));
    // A panel that hangs below the screen still gets a notice on the screen.
    const PanelRect low{0, 1030, 157, 1127};
    EXPECT_EQ(1023, PlaceNotice(low, screen, nullptr, NoticeStacking::Upwards).bottom);

    const PanelRect top{1123, 0, 1280, 97};
    EXPECT_EQ((PanelRect{1123, 97, 1280, 146}), PlaceNotice(top, screen, nullptr, NoticeStacking::Downwards));
    // Stacked to the bottom of the screen, the newest notice stays on it.
    const PanelRect last{1123, 1000, 1280, 1030};
    EXPECT_LE(PlaceNotice(last, screen, nullptr, NoticeStacking::Downwards).bottom, screen.bottom);
    EXPECT_TRUE(IsTopCorner(0) && IsTopCorner(1));
    EXPECT_FALSE(IsTopCorner(2) || IsTopCorner(3) || IsTopCorner(7));
}

TEST(ShowPeriod, IsTheUnsignedProductTheTimerTakes)
{
    const std::pair<int, std::uint32_t> rows[] = {
        {30, 30000u}, {0, 0u}, {-1, 4294966296u}, {2147484, 2147484000u}, {4294968, 704u}, {-2147483647 - 1, 0u}};
    for (const auto& [nSeconds, nPeriodMs] : rows)
        EXPECT_EQ(nPeriodMs, ShowPeriodMs(nSeconds)) << nSeconds;
}
