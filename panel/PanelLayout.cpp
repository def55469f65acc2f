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

PanelRect PlaceNotice(const PanelRect& base, const PanelRect& screen, const PanelRect* pCalendar,
                      NoticeStacking stacking)
{
    constexpr int kProvisionalHeight = 49;
    if (stacking == NoticeStacking::Upwards)
    {
        int nReference = std::min(screen.bottom, base.top);
        if (pCalendar != nullptr)
            nReference = std::min(nReference, pCalendar->top);
        return {base.left, nReference - kProvisionalHeight - 1, base.right, nReference - 1};
    }
    int nReference = base.bottom;
    if (pCalendar != nullptr)
        nReference = std::max(nReference, pCalendar->bottom);
    nReference = std::min(nReference, screen.bottom - kProvisionalHeight);
    return {base.left, nReference, base.right, nReference + kProvisionalHeight};
}

std::uint32_t ShowPeriodMs(int nShowSeconds)
{
    return static_cast<std::uint32_t>(nShowSeconds) * 1000u;
}
