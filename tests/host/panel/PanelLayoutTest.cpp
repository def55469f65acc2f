#include "panel/LcdDigits.h"
#include "panel/PanelLayout.h"

#include "tests/host/HostData.h"

#include <tuple>
#include <vector>

namespace {

const PanelRect kUnplaced{-3, -22, 154, 75};
const PanelRect kSmallWork{0, 0, 1280, 800};

// The panel (157 x 78) and the calendar (158 x 222) as the program places them in a corner:
// the calendar right-aligned with the panel, on its side away from the corner.
NoticeNeighbours Around(int nCorner, bool bCalendar)
{
    NoticeNeighbours around{kSmallWork, PlaceInCorner(kSmallWork, 157, 78, nCorner, kUnplaced), {}, {}};
    const PanelRect& p = around.panel;
    if (bCalendar)
        around.calendar = IsTopCorner(nCorner) ? PanelRect{p.right - 158, p.bottom, p.right, p.bottom + 222}
                                               : PanelRect{p.right - 158, p.top - 222, p.right, p.top};
    return around;
}

// Notices shown one after another, each as the window does it: the rectangle's width and its
// own height, standing on the pixel below the rectangle or, in a top corner, hanging from its top.
std::vector<PanelRect> ShowNotices(NoticeNeighbours around, int nCorner, size_t nCount, int nHeight)
{
    std::vector<PanelRect> shown;
    while (shown.size() < nCount)
    {
        const PanelRect rc = PlaceNotice(around, nCorner);
        around.newest = IsTopCorner(nCorner)
                            ? PanelRect{rc.left, rc.top, rc.right, rc.top + nHeight}
                            : PanelRect{rc.left, rc.bottom + 1 - nHeight, rc.right, rc.bottom + 1};
        shown.push_back(*around.newest);
    }
    return shown;
}

} // namespace

TEST(PanelPlace, SitsFlushInEachCornerOfTheWorkAreaLeftByAnAutoHideBar)
{
    for (const DataRow& r : DataRows("panel-corners.txt"))
    {
        const bool bBar = r[0] == "bar";
        const auto rect = [&r](std::size_t i) { return RectAt<PanelRect>(r, i); };
        const PanelRect rc = bBar ? CutByAutoHideBar({0, 0, 1280, 1024}, rect(1), Num<BarEdge>(r[5]))
                                  : PlaceInCorner(rect(0), 157, 97, Num(r[4]), kUnplaced);
        EXPECT_EQ(rect(bBar ? 6 : 5), rc) << r[4] << " " << r[5];
    }
}

TEST(PanelNumbers, LcdDigitsInTwentyFourHoursAndFourYearDigitsAndTheShowPeriodAsTheTimerTakesIt)
{
    EXPECT_EQ((LcdDigits{{2, 3, 5, 9, 5, 9}, {3, 1, 1, 2, 2, 0, 2, 6}}), DigitsOf(2026, 12, 31, 23, 59, 59));
    EXPECT_EQ((LcdDigits{{0, 9, 0, 5, 0, 3}, {0, 5, 0, 7, 0, 9, 8, 7}}), DigitsOf(987, 7, 5, 9, 5, 3));
    for (const DataRow& r : DataRows("show-periods.txt"))
        EXPECT_EQ(Num<std::uint32_t>(r[1]), ShowPeriodMs(Num(r[0]))) << r[0];
}

TEST(NoticePlace, TheFirstStandsOnThePanelAndCalendarOrBesideThemWithoutRoom)
{
    NoticeNeighbours cramped = Around(3, true);
    cramped.calendar->top = 49; // room for the provisional 49 rows above the calendar
    NoticeNeighbours tooCramped = cramped;
    tooCramped.calendar->top = 48;
    NoticeNeighbours tall = Around(3, false); // a newest notice taller than the work area
    tall.newest = PanelRect{1123, 900, 1280, 1800};
    const std::tuple<NoticeNeighbours, int, PanelRect> rows[] = {
        {Around(3, false), 3, {1123, 672, 1280, 721}}, // one pixel of air: the notice stands on 722
        {Around(3, true), 3, {1123, 450, 1280, 499}},
        {Around(1, false), 1, {1123, 78, 1280, 127}}, // hangs from the panel
        {Around(0, true), 0, {0, 300, 157, 349}},     // hangs from the calendar
        {cramped, 3, {1123, -1, 1280, 48}},
        {tooCramped, 3, {965, 750, 1122, 799}}, // column 1 clears the calendar, one pixel wider
        {tall, 3, {966, 850, 1123, 899}},       // its top row shows, beside the panel
    };
    for (const auto& [around, nCorner, rc] : rows)
        EXPECT_EQ(rc, PlaceNotice(around, nCorner)) << nCorner << " " << rc.top;
}

TEST(NoticePlace, LaterNoticesStackInColumnsAwayFromTheScreensEdgeThenStartOverOnTheOldest)
{
    // 53 rows: three lines of a 9-point font, frame included. Thirteen fit above the panel in a
    // bottom corner, the next starts a column at the work area's edge, away from the screen's;
    // in a top corner they hang from the one before.
    const std::vector<PanelRect> up = ShowNotices(Around(3, false), 3, 16, 53);
    EXPECT_EQ((PanelRect{1123, 669, 1280, 722}), up[0]);
    EXPECT_EQ((PanelRect{1123, 616, 1280, 669}), up[1]);
    EXPECT_EQ((PanelRect{1123, 86 - 53, 1280, 86}), up[12]);
    EXPECT_EQ((PanelRect{966, 747, 1123, 800}), up[13]);
    const std::vector<PanelRect> down = ShowNotices(Around(0, true), 0, 16, 53);
    EXPECT_EQ((PanelRect{0, 300, 157, 353}), down[0]);
    EXPECT_EQ((PanelRect{0, 353, 157, 406}), down[1]);
    EXPECT_EQ((PanelRect{157, 0, 314, 53}), down[9]); // clear of the calendar
    for (int nCorner = 0; nCorner < 4; ++nCorner)
    {
        const std::vector<PanelRect> shown = ShowNotices(Around(nCorner, false), nCorner, 14, 53);
        EXPECT_EQ(nCorner % 2 ? shown[0].left - 157 : shown[0].right, shown[13].left) << nCorner;
    }
    const auto overlap = [](const PanelRect& a, const PanelRect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (const std::vector<PanelRect>& shown : {up, down})
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(shown[i], shown[j])) << i << " on " << j;
    for (int nCorner : {0, 3})
    {
        // 300 rows: two notices by the panel, two in each of the 7 columns beside it, then over again.
        const std::vector<PanelRect> shown = ShowNotices(Around(nCorner, false), nCorner, 40, 300);
        for (const PanelRect& rc : shown)
            EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= 1280 && rc.bottom <= 800) << nCorner;
        EXPECT_EQ(shown[0], shown[16]) << nCorner;
        EXPECT_EQ(shown[15], shown[31]) << nCorner;
    }
}
