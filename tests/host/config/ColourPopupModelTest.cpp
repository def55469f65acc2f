#include "config/ColourPopupModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr PopupBoxes kBoth{true, true};
constexpr PopupBoxes kNone{false, false};
constexpr PopupBoxes kCustomOnly{false, true};

// The system's 2-pixel edge, texts 60 x 13 in the popup's font.
PopupLayout Layout(PopupBoxes boxes = kBoth, int nTextWidth = 60)
{
    return LayoutPopup(100, 200, 2, nTextWidth, 13, boxes);
}

} // namespace

TEST(ColourPopupLayout, BoxSizeGrowsOnlyWhenTheSwatchWouldBeTooSmall)
{
    const int cases[][2] = {{0, 18}, {2, 18}, {5, 18}, {6, 19}, {10, 27}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], PopupBoxSize(c[0])) << "margin " << c[0];
}

TEST(ColourPopupLayout, PlacesTheBoxesAroundTheGrid)
{
    struct Case
    {
        PopupBoxes boxes;
        int nTextWidth;
        PopupRect rcWindow, rcDefault, rcCustom;
    };
    const Case cases[] = {
        // 8 x 18 + 2 x 2 wide; each text box 13 + 4m + 2 high with 2m around it.
        {kBoth, 60, {100, 200, 248, 352}, {2, 2, 146, 27}, {2, 123, 146, 148}},
        // A text wider than the grid widens the window and both boxes.
        {kBoth, 170, {100, 200, 274, 352}, {2, 2, 172, 27}, {2, 123, 172, 148}},
        {kCustomOnly, 60, {100, 200, 248, 323}, {}, {2, 94, 146, 119}},
        {kCustomOnly, 170, {100, 200, 274, 323}, {}, {2, 94, 172, 119}},
        {kNone, 170, {100, 200, 248, 294}, {}, {}},
    };
    for (const Case& c : cases)
    {
        const PopupLayout layout = Layout(c.boxes, c.nTextWidth);
        EXPECT_EQ(c.rcWindow, layout.rcWindow) << c.nTextWidth;
        EXPECT_EQ(c.rcDefault, layout.rcDefault) << c.nTextWidth;
        EXPECT_EQ(c.rcCustom, layout.rcCustom) << c.nTextWidth;
    }
}

TEST(ColourPopupLayout, CellsLieBelowTheAutomaticBox)
{
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
    struct Case
    {
        PopupRect rcWindow, rcArea, rcExpected;
    };
    const PopupRect second{1280, 0, 2560, 1024};
    const PopupRect primaryAboveTaskbar{0, 0, 1280, 994};
    const Case cases[] = {
        {{1300, 500, 1448, 652}, second, {1300, 500, 1448, 652}},  // inside: stays
        {{2500, 500, 2648, 652}, second, {2412, 500, 2560, 652}},  // past the right edge
        {{1270, 500, 1418, 652}, second, {1280, 500, 1428, 652}},  // left of a second monitor
        {{1300, 950, 1448, 1102}, second, {1300, 778, 1448, 930}}, // opens above the 20-pixel button
        // The primary screen is 1024 high, but the taskbar takes its bottom 30 pixels.
        {{10, 860, 158, 1012}, primaryAboveTaskbar, {10, 688, 158, 840}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rcExpected, FitPopupToArea(c.rcWindow, c.rcArea, 20))
            << c.rcWindow.left << "," << c.rcWindow.top;
}

TEST(ColourPopupCells, IndexRowAndColumn)
{
    // boxes, row, column, the index; then the index's own row and column.
    const struct
    {
        PopupBoxes boxes;
        int nRow, nColumn, nIndex, nIndexRow, nIndexColumn;
    } cases[] = {
        {kBoth, 1, 5, 13, 1, 5},
        {kBoth, 4, 7, 39, 4, 7},
        {kBoth, 5, 0, kNoCell, kNoCell, kNoCell},
        {kBoth, 0, 8, kNoCell, kNoCell, kNoCell},
        {kBoth, 3, kCustomCell, kCustomCell, kCustomCell, kCustomCell},
        {kBoth, kDefaultCell, 0, kDefaultCell, kDefaultCell, kDefaultCell},
        {kNone, kCustomCell, 0, kNoCell, kNoCell, kNoCell},
        {kCustomOnly, kDefaultCell, 0, kNoCell, kNoCell, kNoCell},
    };
    for (const auto& c : cases)
    {
        const int nIndex = CellIndex(c.boxes, c.nRow, c.nColumn);
        EXPECT_EQ(c.nIndex, nIndex) << c.nRow << "," << c.nColumn;
        EXPECT_EQ(c.nIndexRow, CellRow(c.boxes, nIndex)) << nIndex;
        EXPECT_EQ(c.nIndexColumn, CellColumn(c.boxes, nIndex)) << nIndex;
    }
}

TEST(ColourPopupCells, ThePointerFindsBoxesAndCellsOneMarginIn)
{
    const PopupLayout layout = LayoutPopup(0, 0, 2, 60, 13, kBoth);
    const int cases[][3] = {
        {10, 10, kDefaultCell},
        {10, 125, kCustomCell},
        {10, 123, kNoCell}, // between the grid and the custom box
        {11, 38, 0},
        {101, 56, 13},
        {137, 110, 39},
        {147, 56, kNoCell}, // the right margin
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[2], CellAtPoint(layout, c[0], c[1])) << c[0] << "," << c[1];
}

TEST(ColourPopupKeys, FollowTheArrowKeyTable)
{
    struct Case
    {
        PopupBoxes boxes;
        int nHot;
        PopupKey key;
        int nExpected;
    };
    using K = PopupKey;
    const Case cases[] = {
        {kBoth, kDefaultCell, K::Down, 0},         {kBoth, kCustomCell, K::Down, kDefaultCell},
        {kBoth, 5, K::Down, 13},                   {kBoth, 36, K::Down, kCustomCell},
        {kBoth, kNoCell, K::Down, kCustomCell},    {kNone, 36, K::Down, 0},
        {kCustomOnly, kCustomCell, K::Down, 0},

        {kBoth, kDefaultCell, K::Up, kCustomCell}, {kBoth, kCustomCell, K::Up, 39},
        {kBoth, 13, K::Up, 5},                     {kBoth, 5, K::Up, kDefaultCell},
        {kBoth, kNoCell, K::Up, kDefaultCell},     {kCustomOnly, 5, K::Up, kCustomCell},
        {kNone, 3, K::Up, 39},

        {kBoth, kDefaultCell, K::Right, 0},        {kBoth, kCustomCell, K::Right, kDefaultCell},
        {kBoth, 7, K::Right, 8},                   {kBoth, 39, K::Right, kCustomCell},
        {kBoth, kNoCell, K::Right, kCustomCell},   {kNone, 39, K::Right, 0},

        {kBoth, kDefaultCell, K::Left, kCustomCell}, {kBoth, kCustomCell, K::Left, 39},
        {kBoth, 9, K::Left, 8},                    {kBoth, 8, K::Left, 7},
        {kBoth, 0, K::Left, kDefaultCell},         {kBoth, kNoCell, K::Left, kDefaultCell},
        {kCustomOnly, 0, K::Left, kCustomCell},    {kNone, 0, K::Left, 39},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nExpected, CellAfterKey(c.boxes, c.nHot, c.key))
            << "from " << c.nHot << " key " << static_cast<int>(c.key) << " boxes " << c.boxes.bDefault
            << c.boxes.bCustom;
}

TEST(ColourPopupCells, TheOpeningColourMarksItsCell)
{
    EXPECT_EQ(kDefaultCell, MarkInitialCell(kBoth, kClrDefault));
    EXPECT_EQ(kCustomCell, MarkInitialCell(kCustomOnly, kClrDefault));
    EXPECT_EQ(0, MarkInitialCell(kBoth, 0x000000));
    EXPECT_EQ(13, MarkInitialCell(kBoth, 0xFF0000)); // "Blue": blue is the high byte
    EXPECT_EQ(16, MarkInitialCell(kBoth, 0x0000FF)); // "Red"
    EXPECT_EQ(39, MarkInitialCell(kBoth, 0xFFFFFF));
    EXPECT_EQ(kCustomCell, MarkInitialCell(kBoth, 0x8BB7B3));
    EXPECT_EQ(kNoCell, MarkInitialCell(kNone, 0x8BB7B3));

    std::set<std::uint32_t> colours;
    for (const ColourEntry& entry : kColourTable)
        colours.insert(entry.crColour);
    EXPECT_EQ(static_cast<size_t>(kColourCount), colours.size()) << "two cells share a colour";
}
