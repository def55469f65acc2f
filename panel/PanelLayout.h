// Where the clock panel goes: the corner of the work area, and the work area left by an
// auto-hide taskbar. Free of the window system so the arithmetic is tested on the host.
#pragma once

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
