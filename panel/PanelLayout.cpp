#include "panel/PanelLayout.h"

#include <algorithm>

PanelRect CutByAutoHideBar(const PanelRect& work, const PanelRect& bar, BarEdge edge)
{
    PanelRect rc = work;
    switch (edge)
    {
    case BarEdge::Top:
        rc.top = std::max(work.top, bar.bottom);
        break;
    case BarEdge::Bottom:
        rc.bottom = std::min(work.bottom, bar.top);
        break;
    case BarEdge::Left:
        rc.left = std::max(work.left, bar.right);
        break;
    case BarEdge::Right:
        rc.right = std::min(work.right, bar.left);
        break;
    }
    return rc;
}

PanelRect PlaceInCorner(const PanelRect& work, int nWidth, int nHeight, int nCorner, const PanelRect& rcUnplaced)
{
    // A work area narrower or lower than the panel pins it to the screen origin on that axis.
    const int nLeftOfRight = work.right < nWidth ? 0 : work.right - nWidth;
    const int nTopOfBottom = work.bottom < nHeight ? 0 : work.bottom - nHeight;
    const int nRightOfLeft = std::min(work.right, work.left + nWidth);
    const int nBottomOfTop = std::min(work.bottom, work.top + nHeight);
    switch (nCorner)
    {
    case 0:
        return {work.left, work.top, nRightOfLeft, nBottomOfTop};
    case 1:
        return {nLeftOfRight, work.top, work.right, nBottomOfTop};
    case 2:
        return {work.left, nTopOfBottom, nRightOfLeft, work.bottom};
    case 3:
        return {nLeftOfRight, nTopOfBottom, work.right, work.bottom};
    default:
        return rcUnplaced;
    }
}

namespace {

constexpr int kProvisionalHeight = 49;

} // namespace

PanelRect PlaceNotice(const NoticeNeighbours& around, int nCorner)
{
    const PanelRect& work = around.work;
    const PanelRect& panel = around.panel;
    const bool bDownwards = IsTopCorner(nCorner);
    const bool bLeftwards = nCorner == 1 || nCorner == 3;
    const int nWidth = panel.right - panel.left;
    // All notices share one font, so the newest tells how high the next will be.
    const int nHeight = around.newest ? around.newest->bottom - around.newest->top : kProvisionalHeight;

    // The foot is the edge a notice stands on (bottom corners) or hangs from (top corners).
    int nFirstFoot = bDownwards ? panel.bottom : std::min(panel.top, work.bottom);
    // Column 1 clears the calendar too, which may be wider than the panel.
    int nSecondLeft = bLeftwards ? panel.left - nWidth : panel.right;
    if (around.calendar)
    {
        const PanelRect& calendar = *around.calendar;
        nFirstFoot = bDownwards ? std::max(nFirstFoot, calendar.bottom) : std::min(nFirstFoot, calendar.top);
        nSecondLeft = bLeftwards ? std::min(nSecondLeft, calendar.left - nWidth)
                                 : std::max(nSecondLeft, calendar.right);
    }
    const int nColumnFoot = bDownwards ? work.top : work.bottom;
    const auto fitsAcross = [&](int nAt) { return nAt >= work.left && nAt + nWidth <= work.right; };
    const auto fitsAt = [&](int nFoot) {
        return bDownwards ? nFoot >= work.top && nFoot + nHeight <= work.bottom
                          : nFoot <= work.bottom && nFoot - nHeight >= work.top;
    };
    const auto toRect = [&](int nLeft, int nFoot) -> PanelRect {
        if (bDownwards)
            return {nLeft, nFoot, nLeft + nWidth, nFoot + kProvisionalHeight};
        return {nLeft, nFoot - kProvisionalHeight - 1, nLeft + nWidth, nFoot - 1};
    };

    int nLeft = around.newest ? around.newest->left : panel.left;
    int nFoot = around.newest ? (bDownwards ? around.newest->bottom : around.newest->top) : nFirstFoot;
    // One round over every column that fits across the work area, and back to column 0.
    const int nColumns = (work.right - work.left) / std::max(nWidth, 1) + 2;
    for (int nStep = 0; !fitsAt(nFoot); ++nStep)
    {
        if (nStep > nColumns)
        {
            // Taller than any column: its top row at least shows, beside the panel if there is room.
            nLeft = fitsAcross(nSecondLeft) ? nSecondLeft : panel.left;
            return toRect(nLeft, bDownwards ? work.top : work.top + nHeight);
        }
        nLeft = nLeft == panel.left ? nSecondLeft : nLeft + (bLeftwards ? -nWidth : nWidth);
        nFoot = nColumnFoot;
        if (!fitsAcross(nLeft))
        {
            nLeft = panel.left;
            nFoot = nFirstFoot;
        }
    }
    return toRect(nLeft, nFoot);
}

std::uint32_t ShowPeriodMs(int nShowSeconds)
{
    return static_cast<std::uint32_t>(nShowSeconds) * 1000u;
}
