#include "panel/LcdDigits.h"
#include "panel/PanelLayout.h"

#include "tests/host/HostData.h"

namespace {

const PanelRect kUnplaced{-3, -22, 154, 75};
const PanelRect kSmallWork{0, 0, 1280, 800};

// The panel (157 x 78) in a corner and the calendar (158 x 222) right-aligned with it, away from the corner.
NoticeNeighbours Around(int nCorner, bool bCalendar)
{
    NoticeNeighbours around{kSmallWork, PlaceInCorner(kSmallWork, 157, 78, nCorner, kUnplaced), {}, {}};
    const PanelRect& p = around.panel;
    if (bCalendar)
        around.calendar = IsTopCorner(nCorner) ? PanelRect{p.right - 158, p.bottom, p.right, p.bottom + 222}
                                               : PanelRect{p.right - 158, p.top - 222, p.right, p.top};
    return around;
}

// Notices as the window shows them, nHeight tall: ending a pixel below the rectangle, or from its top.
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

TEST(NoticePlace, FirstOnThePanelOrCalendarThenInColumnsNeverOverlappingAndOverAgainOnTheOldest)
{
    for (const DataRow& r : DataRows("notice-places.txt"))
    {
        const int nCorner = Num(r[1]);
        NoticeNeighbours around = Around(nCorner, r[2] == "1");
        if (r[0] == "first" && r[3] != "-")
            around.calendar->top = Num(r[3]);
        const auto newest = std::find(r.begin(), r.end(), "newest");
        if (newest != r.end())
            around.newest = RectAt<PanelRect>(r, static_cast<std::size_t>(newest - r.begin()) + 1);
        EXPECT_EQ(RectAt<PanelRect>(r, 4), r[0] == "first" ? PlaceNotice(around, nCorner)
                                                           : ShowNotices(around, nCorner, 14, 53)[Num(r[3])])
            << r[0] << " " << r[1] << " " << r[2] << " " << r[3];
    }
    for (const std::vector<PanelRect>& shown :
         {ShowNotices(Around(3, false), 3, 16, 53), ShowNotices(Around(0, true), 0, 16, 53)})
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(shown[i].left < shown[j].right && shown[j].left < shown[i].right &&
                             shown[i].top < shown[j].bottom && shown[j].top < shown[i].bottom)
                    << i << " on " << j;
    for (int nCorner : {0, 3})
    {
        // 300 rows: two notices by the panel, two in each of the 7 columns beside it, then over again.
        const std::vector<PanelRect> shown = ShowNotices(Around(nCorner, false), nCorner, 40, 300);
        for (const PanelRect& rc : shown)
            EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= 1280 && rc.bottom <= 800) << nCorner;
        EXPECT_EQ(std::pair(shown[0], shown[15]), std::pair(shown[16], shown[31])) << nCorner;
    }
}
