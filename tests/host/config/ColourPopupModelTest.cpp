#include "config/ColourPopupModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr PopupBoxes kBoth{true, true};
constexpr PopupBoxes kNone{false, false};
constexpr PopupBoxes kCustomOnly{false, true};

// The system's 2-pixel edge, texts 13 high in the popup's font.
PopupLayout Layout(PopupBoxes boxes = kBoth, int nTextWidth = 60)
{
    return LayoutPopup(100, 200, 2, nTextWidth, 13, boxes);
}

} // namespace

TEST(ColourPopupLayout, PlacesTheBoxesAroundTheGridAndTheCellsBelowTheAutomaticBox)
{
    for (const auto& [nMargin, nSize] : {std::pair{0, 18}, {5, 18}, {6, 19}, {10, 27}})
        EXPECT_EQ(nSize, PopupBoxSize(nMargin)) << "the box grows only when its swatch would be too small";
    // 8 x 18 + 2 x 2 wide; each text box 13 + 4m + 2 high with 2m around it. A text wider than
    // the grid widens the window and both boxes.
    const std::tuple<PopupBoxes, int, PopupRect, PopupRect, PopupRect> cases[] = {
        {kBoth, 60, {100, 200, 248, 352}, {2, 2, 146, 27}, {2, 123, 146, 148}},
        {kBoth, 170, {100, 200, 274, 352}, {2, 2, 172, 27}, {2, 123, 172, 148}},
        {kCustomOnly, 170, {100, 200, 274, 323}, {}, {2, 94, 172, 119}},
        {kNone, 170, {100, 200, 248, 294}, {}, {}},
    };
    for (const auto& [boxes, nTextWidth, rcWindow, rcDefault, rcCustom] : cases)
    {
        const PopupLayout layout = Layout(boxes, nTextWidth);
        EXPECT_EQ(rcWindow, layout.rcWindow) << nTextWidth;
        EXPECT_EQ(rcDefault, layout.rcDefault) << nTextWidth;
        EXPECT_EQ(rcCustom, layout.rcCustom) << nTextWidth;
    }
    const PopupLayout both = Layout();
    EXPECT_EQ((PopupRect{2, 29, 20, 47}), CellRect(both, 0));
    EXPECT_EQ((PopupRect{92, 47, 110, 65}), CellRect(both, 13));
    EXPECT_EQ((PopupRect{128, 101, 146, 119}), CellRect(both, 39));
    EXPECT_EQ(both.rcCustom, CellRect(both, kCustomCell));
    EXPECT_EQ(both.rcDefault, CellRect(both, kDefaultCell));
    EXPECT_EQ((PopupRect{2, 2, 20, 20}), CellRect(Layout(kCustomOnly), 0));
    EXPECT_EQ(PopupRect{}, CellRect(both, 40));
}

TEST(ColourPopupLayout, FitsTheWorkAreaOfTheButtonsMonitor)
{
    const PopupRect second{1280, 0, 2560, 1024};
    const std::tuple<PopupRect, PopupRect, PopupRect> cases[] = {
        {{1300, 500, 1448, 652}, second, {1300, 500, 1448, 652}},  // inside: stays
        {{2500, 500, 2648, 652}, second, {2412, 500, 2560, 652}},  // past the right edge
        {{1270, 500, 1418, 652}, second, {1280, 500, 1428, 652}},  // left of a second monitor
        {{1300, 950, 1448, 1102}, second, {1300, 778, 1448, 930}}, // opens above the 20-pixel button
        {{10, 860, 158, 1012}, {0, 0, 1280, 994}, {10, 688, 158, 840}}, // above the taskbar
    };
    for (const auto& [rcWindow, rcArea, rcExpected] : cases)
        EXPECT_EQ(rcExpected, FitPopupToArea(rcWindow, rcArea, 20)) << rcWindow.left << "," << rcWindow.top;
}

TEST(ColourPopupCells, IndexRowColumnPointerAndTheOpeningColour)
{
    constexpr int D = kDefaultCell, C = kCustomCell, N = kNoCell;
    // Boxes, row, column, the index; then the index's own row and column.
    const std::pair<PopupBoxes, std::array<int, 5>> cases[] = {
        {kBoth, {1, 5, 13, 1, 5}}, {kBoth, {4, 7, 39, 4, 7}}, {kBoth, {5, 0, N, N, N}},
        {kBoth, {0, 8, N, N, N}},  {kBoth, {3, C, C, C, C}},  {kBoth, {D, 0, D, D, D}},
        {kNone, {C, 0, N, N, N}},  {kCustomOnly, {D, 0, N, N, N}},
    };
    for (const auto& [boxes, c] : cases)
    {
        const int nIndex = CellIndex(boxes, c[0], c[1]);
        EXPECT_EQ(c[2], nIndex) << c[0] << "," << c[1];
        EXPECT_EQ(c[3], CellRow(boxes, nIndex)) << nIndex;
        EXPECT_EQ(c[4], CellColumn(boxes, nIndex)) << nIndex;
    }
    // The pointer finds boxes and cells one margin in.
    const PopupLayout layout = LayoutPopup(0, 0, 2, 60, 13, kBoth);
    const int points[][3] = {{10, 10, D},   {10, 125, C},   {10, 123, N}, {11, 38, 0},
                             {101, 56, 13}, {137, 110, 39}, {147, 56, N}};
    for (const auto& p : points)
        EXPECT_EQ(p[2], CellAtPoint(layout, p[0], p[1])) << p[0] << "," << p[1];
    // "Blue" is 0xFF0000: blue is the high byte.
    const std::tuple<PopupBoxes, std::uint32_t, int> colours[] = {
        {kBoth, kClrDefault, D}, {kCustomOnly, kClrDefault, C}, {kBoth, 0x000000, 0}, {kBoth, 0xFF0000, 13},
        {kBoth, 0x0000FF, 16},   {kBoth, 0xFFFFFF, 39},         {kBoth, 0x8BB7B3, C}, {kNone, 0x8BB7B3, N},
    };
    for (const auto& [boxes, crColour, nCell] : colours)
        EXPECT_EQ(nCell, MarkInitialCell(boxes, crColour)) << std::hex << crColour;
    std::set<std::uint32_t> distinct;
    for (const ColourEntry& entry : kColourTable)
        distinct.insert(entry.crColour);
    EXPECT_EQ(static_cast<size_t>(kColourCount), distinct.size()) << "two cells share a colour";
}

TEST(ColourPopupKeys, FollowTheArrowKeyTable)
{
    constexpr int D = kDefaultCell, C = kCustomCell, N = kNoCell;
    using K = PopupKey;
    const std::tuple<PopupBoxes, int, PopupKey, int> cases[] = {
        {kBoth, D, K::Down, 0}, {kBoth, C, K::Down, D}, {kBoth, 5, K::Down, 13}, {kBoth, 36, K::Down, C},
        {kBoth, N, K::Down, C}, {kNone, 36, K::Down, 0}, {kCustomOnly, C, K::Down, 0},
        {kBoth, D, K::Up, C}, {kBoth, C, K::Up, 39}, {kBoth, 13, K::Up, 5}, {kBoth, 5, K::Up, D},
        {kBoth, N, K::Up, D}, {kCustomOnly, 5, K::Up, C}, {kNone, 3, K::Up, 39},
        {kBoth, D, K::Right, 0}, {kBoth, C, K::Right, D}, {kBoth, 7, K::Right, 8}, {kBoth, 39, K::Right, C},
        {kBoth, N, K::Right, C}, {kNone, 39, K::Right, 0},
        {kBoth, D, K::Left, C}, {kBoth, C, K::Left, 39}, {kBoth, 8, K::Left, 7}, {kBoth, 0, K::Left, D},
        {kBoth, N, K::Left, D}, {kCustomOnly, 0, K::Left, C}, {kNone, 0, K::Left, 39},
    };
    for (const auto& [boxes, nHot, key, nExpected] : cases)
        EXPECT_EQ(nExpected, CellAfterKey(boxes, nHot, key))
            << "from " << nHot << " key " << static_cast<int>(key) << " boxes " << boxes.bDefault
            << boxes.bCustom;
}
