#include "calendar/CalendarGeometry.h"

namespace {

// Columns start 8 pixels in and are 4 pixels apart; rows are 2 pixels apart.
constexpr int kMarginX = 8;
constexpr int kColumnGap = 4;
constexpr int kRowGap = 2;

CalendarPoint CellTopLeft(const CalendarGeometry& geometry, int nCell)
{
    const CalendarMetrics& m = geometry.m_metrics;
    const int nWeek = nCell / kGridColumns;
    const int nColumn = nCell % kGridColumns;
    return {kMarginX + nColumn * (m.m_nCellWidth + kColumnGap),
            geometry.m_nGridTop + nWeek * (m.m_nCellHeight + kRowGap)};
}

} // namespace

bool PtInCalendarRect(const CalendarRect& rc, CalendarPoint pt)
{
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

CalendarGeometry ComputeCalendarGeometry(const CalendarMetrics& metrics)
{
    CalendarGeometry g;
    g.m_metrics = metrics;
    const int nBlockWidth = metrics.m_nBlockWidth;
    const int th = metrics.m_nTitleHeight;
    const int cw = metrics.m_nCellWidth;
    const int ch = metrics.m_nCellHeight;
    const int wh = metrics.m_nWeekdayHeight;

    g.m_rcTitleBand = {0, 0, nBlockWidth - 1, th};
    g.m_rcTitleText = {1, 1, nBlockWidth - 10, th - 2};
    // Narrower than the text so that a press near an arrow never opens the picker.
    g.m_rcTitleHit = {10, 1, nBlockWidth - 20, th - 2};

    const int q = th / 4;
    const int nMid = th / 2;
    g.m_back = {{6, nMid}, 6 + q, nMid - q, nMid + q, {5, nMid - q - 1, 7 + q, nMid + q + 1}};
    const int t = nBlockWidth - 10;
    g.m_forward = {{t, nMid}, t - q, nMid - q, nMid + q, {t - q - 1, nMid - q - 1, t + 1, nMid + q + 1}};

    g.m_nWeekdayTop = th;
    const int nSeparatorY = th + wh + 3;
    const int nGridRight = 7 * cw + 32;
    g.m_ptSeparatorFrom = {kMarginX, nSeparatorY};
    g.m_ptSeparatorTo = {nGridRight, nSeparatorY};
    g.m_nGridTop = th + wh + 4;
    g.m_rcGrid = {kMarginX, g.m_nGridTop, nGridRight, g.m_nGridTop + kGridWeeks * (ch + kRowGap)};
    return g;
}

CalendarRect WeekdayTitleRect(const CalendarGeometry& geometry, int nColumn)
{
    const CalendarMetrics& m = geometry.m_metrics;
    const int x = kMarginX + nColumn * (m.m_nCellWidth + kColumnGap);
    const int y1 = geometry.m_nWeekdayTop;
    return {x, y1 + 1, x + m.m_nCellWidth, y1 + m.m_nWeekdayHeight + 2};
}

CalendarRect CellTextRect(const CalendarGeometry& geometry, int nCell)
{
    const CalendarPoint pt = CellTopLeft(geometry, nCell);
    return {pt.x, pt.y, pt.x + geometry.m_metrics.m_nCellWidth, pt.y + geometry.m_metrics.m_nCellHeight};
}

CalendarRect CellFillRect(const CalendarGeometry& geometry, int nCell)
{
    // 3 pixels left of the text and 2 right of it; one pixel lower than the hit rectangle.
    const CalendarPoint pt = CellTopLeft(geometry, nCell);
    return {pt.x - 3, pt.y, pt.x + geometry.m_metrics.m_nCellWidth + 2,
            pt.y + geometry.m_metrics.m_nCellHeight + 3};
}

CalendarRect CellHitRect(const CalendarGeometry& geometry, int nCell)
{
    const CalendarPoint pt = CellTopLeft(geometry, nCell);
    return {pt.x - 3, pt.y, pt.x + geometry.m_metrics.m_nCellWidth + 2,
            pt.y + geometry.m_metrics.m_nCellHeight + 2};
}

std::optional<int> HitDay(const CalendarGeometry& geometry, CalendarPoint pt)
{
    if (!PtInCalendarRect(geometry.m_rcGrid, pt))
        return std::nullopt;
    for (int nCell = 0; nCell < kGridCells; ++nCell)
    {
        if (PtInCalendarRect(CellHitRect(geometry, nCell), pt))
            return nCell;
    }
    return std::nullopt;
}

std::optional<CalendarDate> SelectableDayAt(const CalendarGeometry& geometry, const CalendarGridDates& grid,
                                            CalendarPoint pt)
{
    const std::optional<int> nCell = HitDay(geometry, pt);
    if (!nCell || !grid[*nCell].IsValid())
        return std::nullopt;
    return grid[*nCell];
}
