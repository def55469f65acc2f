// The colour popup's arithmetic, free of the window system so it is tested on the host: the
// 40 named colours, where the text boxes and the cells lie, which cell a point or an arrow
// key leads to, and which cell the opening colour marks. CColourPopup only draws what this
// decides.
#pragma once

#include <array>
#include <cstdint>

// The colour picker's "automatic" value (the platform's CLR_DEFAULT).
constexpr std::uint32_t kClrDefault = 0xFF000000;

struct ColourEntry
{
    std::uint32_t crColour; // red in the low byte
    const char* pszName;
};

constexpr int kColourCount = 40;
constexpr int kColourColumns = 8;
constexpr int kColourRows = 5;

// Row by row, eight to a row; all 40 colours differ, so a colour marks at most one cell.
extern const std::array<ColourEntry, kColourCount> kColourTable;

// Cell indices besides the colour cells 0 ... 39.
constexpr int kNoCell = -1;
constexpr int kCustomCell = -2;  // "More Colors...", when the popup has a custom text
constexpr int kDefaultCell = -3; // "Automatic", when the popup has a default text

struct PopupRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PopupRect&) const = default;
};

// Which of the two text boxes the popup has (a box exists when its text is not empty).
struct PopupBoxes
{
    bool bDefault = true;
    bool bCustom = true;
};

struct PopupLayout
{
    PopupBoxes boxes;
    int nMargin = 0;
    int nBoxSize = 0;
    PopupRect rcWindow;  // screen coordinates
    PopupRect rcDefault; // client coordinates, empty without the box
    PopupRect rcCustom;
};

// 18 pixels, or 2 x margin + 7 when an 18-pixel cell would leave a swatch under 5 pixels.
int PopupBoxSize(int nMargin);

// The window at (nLeft, nTop) holding the grid and the boxes; nTextWidth and nTextHeight are
// the larger of the two texts' extents in the popup's font.
PopupLayout LayoutPopup(int nLeft, int nTop, int nMargin, int nTextWidth, int nTextHeight, PopupBoxes boxes);

// Keeps the window inside rcArea (the work area of the monitor holding the button): pushed
// left or right, and opened above the button when it would pass the bottom.
PopupRect FitPopupToArea(const PopupRect& rcWindow, const PopupRect& rcArea, int nButtonHeight);

// Client rectangle of a colour cell or of a box (kCustomCell, kDefaultCell).
PopupRect CellRect(const PopupLayout& layout, int nCell);

int CellIndex(PopupBoxes boxes, int nRow, int nColumn);
int CellRow(PopupBoxes boxes, int nCell);
int CellColumn(PopupBoxes boxes, int nCell);

// The cell under a client point for the mouse, or kNoCell for none.
int CellAtPoint(const PopupLayout& layout, int x, int y);

enum class PopupKey
{
    Up,
    Down,
    Left,
    Right,
};

// The cell an arrow key moves the highlight to from nHot (kNoCell: nothing highlighted).
int CellAfterKey(PopupBoxes boxes, int nHot, PopupKey key);

// The cell matching the colour the popup opens with.
int MarkInitialCell(PopupBoxes boxes, std::uint32_t crColour);
