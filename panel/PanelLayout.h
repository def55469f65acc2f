// Where the clock panel goes: the corner of the work area, and the work area left by an
// auto-hide taskbar. Free of the window system so the arithmetic is tested on the host.
#pragma once

#include <cstdint>

struct PanelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PanelRect&) const = default;
};

// Taskbar edges, numbered as the shell numbers them.
enum class BarEdge
{
    Left = 0,
    Top = 1,
    Right = 2,
    Bottom = 3,
};

// The work area cut by an auto-hide bar on that edge only.
PanelRect CutByAutoHideBar(const PanelRect& work, const PanelRect& bar, BarEdge edge);

// The panel rectangle flush in corner 0 top-left, 1 top-right, 2 bottom-left or 3 bottom-right
// of the work area; any other corner gives rcUnplaced unchanged.
PanelRect PlaceInCorner(const PanelRect& work, int nWidth, int nHeight, int nCorner, const PanelRect& rcUnplaced);

// Notices stack above the panel in the bottom corners and below it in the top corners,
// where above would be off the screen.
enum class NoticeStacking
{
    Upwards,
    Downwards,
};

inline bool IsTopCorner(int nCorner)
{
    return nCorner == 0 || nCorner == 1;
}

// The rectangle a new notice is created in, as wide as base (the newest notice, else the
// panel). Upwards: 49 pixels high with its bottom one pixel above the highest of base, the
// calendar and the screen's bottom. Downwards: its top on the lowest of base's and the
// calendar's bottom, kept on the screen. The notice takes its own height from its font.
PanelRect PlaceNotice(const PanelRect& base, const PanelRect& screen, const PanelRect* pCalendar,
                      NoticeStacking stacking);

// The auto-hide period of a panel opened for a task shown nShowSeconds: the product as the
// timer takes it, an unsigned 32-bit value, so "*" (-1) keeps the panel for about 49 days and
// no hand-edited value overflows.
std::uint32_t ShowPeriodMs(int nShowSeconds);
