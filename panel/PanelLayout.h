// Where the clock panel goes: the corner of the work area, and the work area left by an
// auto-hide taskbar. Free of the window system so the arithmetic is tested on the host.
#pragma once

#include <cstdint>
#include <optional>

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
inline bool IsTopCorner(int nCorner)
{
    return nCorner == 0 || nCorner == 1;
}

// What a new notice is placed against: the work area the panel sits in, the panel, the
// calendar when it is open, and the newest notice on the screen at its real size (none for
// the first notice).
struct NoticeNeighbours
{
    PanelRect work;
    PanelRect panel;
    std::optional<PanelRect> calendar;
    std::optional<PanelRect> newest;
};

// The rectangle a new notice is created in: as wide as the panel and 49 pixels high. In the
// bottom corners the notice stands on the pixel below its bottom, in the top corners it hangs
// from its top; it takes its own height from its font, expected to be the newest notice's.
// Column 0 stacks on the panel and the calendar. When the next notice would leave the work
// area, a new column starts at the work area's edge beside the last, away from the screen's
// edge; with no room for another column, column 0 starts over on top of the oldest notices.
PanelRect PlaceNotice(const NoticeNeighbours& around, int nCorner);

// The auto-hide period of a panel opened for a task shown nShowSeconds: the product as the
// timer takes it, an unsigned 32-bit value, so "*" (-1) keeps the panel for about 49 days and
// no hand-edited value overflows.
std::uint32_t ShowPeriodMs(int nShowSeconds);
