#include "config/ColourPopupModel.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

// The first of the candidates that exists (kNoCell stands for a box the popup lacks).
int FirstPresent(std::initializer_list<int> cells)
{
    for (const int nCell : cells)
        if (nCell != kNoCell)
            return nCell;
    return kNoCell;
}

int DefaultBox(PopupBoxes boxes)
{
    return boxes.bDefault ? kDefaultCell : kNoCell;
}

int CustomBox(PopupBoxes boxes)
{
    return boxes.bCustom ? kCustomCell : kNoCell;
}

} // namespace

const std::array<ColourEntry, kColourCount> kColourTable = {{
    {Rgb(0x00, 0x00, 0x00), "Black"},
    {Rgb(0xA5, 0x2A, 0x00), "Brown"},
    {Rgb(0x00, 0x40, 0x40), "Dark Olive Green"},
    {Rgb(0x00, 0x55, 0x00), "Dark Green"},
    {Rgb(0x00, 0x00, 0x5E), "Dark Teal"},
    {Rgb(0x00, 0x00, 0x8B), "Dark blue"},
    {Rgb(0x4B, 0x00, 0x82), "Indigo"},
    {Rgb(0x28, 0x28, 0x28), "Dark grey"},
    {Rgb(0x8B, 0x00, 0x00), "Dark red"},
    {Rgb(0xFF, 0x68, 0x20), "Orange"},
    {Rgb(0x8B, 0x8B, 0x00), "Dark yellow"},
    {Rgb(0x00, 0x93, 0x00), "Green"},
    {Rgb(0x38, 0x8E, 0x8E), "Teal"},
    {Rgb(0x00, 0x00, 0xFF), "Blue"},
    {Rgb(0x7B, 0x7B, 0xC0), "Blue-grey"},
    {Rgb(0x66, 0x66, 0x66), "Grey - 40"},
    {Rgb(0xFF, 0x00, 0x00), "Red"},
    {Rgb(0xFF, 0xAD, 0x5B), "Light orange"},
    {Rgb(0x32, 0xCD, 0x32), "Lime"},
    {Rgb(0x3C, 0xB3, 0x71), "Sea green"},
    {Rgb(0x7F, 0xFF, 0xD4), "Aqua"},
    {Rgb(0x7D, 0x9E, 0xC0), "Light blue"},
    {Rgb(0x80, 0x00, 0x80), "Violet"},
    {Rgb(0x7F, 0x7F, 0x7F), "Grey - 50"},
    {Rgb(0xFF, 0xC0, 0xCB), "Pink"},
    {Rgb(0xFF, 0xD7, 0x00), "Gold"},
    {Rgb(0xFF, 0xFF, 0x00), "Yellow"},
    {Rgb(0x00, 0xFF, 0x00), "Bright green"},
    {Rgb(0x40, 0xE0, 0xD0), "Turquoise"},
    {Rgb(0xC0, 0xFF, 0xFF), "Skyblue"},
    {Rgb(0x48, 0x00, 0x48), "Plum"},
    {Rgb(0xC0, 0xC0, 0xC0), "Light grey"},
    {Rgb(0xFF, 0xE4, 0xE1), "Rose"},
    {Rgb(0xD2, 0xB4, 0x8C), "Tan"},
    {Rgb(0xFF, 0xFF, 0xE0), "Light yellow"},
    {Rgb(0x98, 0xFB, 0x98), "Pale green "},
    {Rgb(0xAF, 0xEE, 0xEE), "Pale turquoise"},
    {Rgb(0x68, 0x83, 0x8B), "Pale blue"},
    {Rgb(0xE6, 0xE6, 0xFA), "Lavender"},
    {Rgb(0xFF, 0xFF, 0xFF), "White"},
}};

int PopupBoxSize(int nMargin)
{
    constexpr int kBoxSize = 18;
    return kBoxSize - 2 * nMargin - 2 < 5 ? 2 * nMargin + 7 : kBoxSize;
}

PopupLayout LayoutPopup(int nLeft, int nTop, int nMargin, int nTextWidth, int nTextHeight, PopupBoxes boxes)
{
    PopupLayout layout;
    layout.boxes = boxes;
    layout.nMargin = nMargin;
    layout.nBoxSize = PopupBoxSize(nMargin);
    const int m = nMargin;
    const int nTextBoxWidth = nTextWidth + 2 * m;
    const int nTextBoxHeight = nTextHeight + 4 * m + 2;

    int nWidth = kColourColumns * layout.nBoxSize + 2 * m;
    int nHeight = kColourRows * layout.nBoxSize + 2 * m;
    if (boxes.bDefault || boxes.bCustom)
        nWidth = std::max(nWidth, nTextBoxWidth);
    if (boxes.bDefault)
    {
        layout.rcDefault = {m, m, nWidth - m, nTextBoxHeight + 2 * m};
        nHeight += 2 * m + layout.rcDefault.Height();
    }
    if (boxes.bCustom)
    {
        layout.rcCustom = {m, nHeight, nWidth - m, nHeight + m + nTextBoxHeight};
        nHeight += 2 * m + layout.rcCustom.Height();
    }
    layout.rcWindow = {nLeft, nTop, nLeft + nWidth, nTop + nHeight};
    return layout;
}

PopupRect FitPopupToArea(const PopupRect& rcWindow, const PopupRect& rcArea, int nButtonHeight)
{
    PopupRect rc = rcWindow;
    auto offset = [&rc](int dx, int dy) {
        rc.left += dx;
        rc.right += dx;
        rc.top += dy;
        rc.bottom += dy;
    };
    if (rc.right > rcArea.right)
        offset(rcArea.right - rc.right, 0);
    if (rc.left < rcArea.left)
        offset(rcArea.left - rc.left, 0);
    if (rc.bottom > rcArea.bottom)
        offset(0, -(rc.Height() + nButtonHeight));
    return rc;
}

PopupRect CellRect(const PopupLayout& layout, int nCell)
{
    if (nCell == kCustomCell)
        return layout.rcCustom;
    if (nCell == kDefaultCell)
        return layout.rcDefault;
    if (nCell < 0 || nCell >= kColourCount)
        return {};
    const int b = layout.nBoxSize;
    const int nLeft = (nCell % kColourColumns) * b + layout.nMargin;
    int nTop = (nCell / kColourColumns) * b + layout.nMargin;
    if (layout.boxes.bDefault)
        nTop += layout.rcDefault.Height() + layout.nMargin;
    return {nLeft, nTop, nLeft + b, nTop + b};
}

int CellIndex(PopupBoxes boxes, int nRow, int nColumn)
{
    if ((nRow == kCustomCell || nColumn == kCustomCell) && boxes.bCustom)
        return kCustomCell;
    if ((nRow == kDefaultCell || nColumn == kDefaultCell) && boxes.bDefault)
        return kDefaultCell;
    if (nRow < 0 || nRow >= kColourRows || nColumn < 0 || nColumn >= kColourColumns)
        return kNoCell;
    const int nCell = nRow * kColourColumns + nColumn;
    return nCell < kColourCount ? nCell : kNoCell;
}

int CellRow(PopupBoxes boxes, int nCell)
{
    if ((nCell == kCustomCell && boxes.bCustom) || (nCell == kDefaultCell && boxes.bDefault))
        return nCell;
    return nCell >= 0 && nCell < kColourCount ? nCell / kColourColumns : kNoCell;
}

int CellColumn(PopupBoxes boxes, int nCell)
{
    if ((nCell == kCustomCell && boxes.bCustom) || (nCell == kDefaultCell && boxes.bDefault))
        return nCell;
    return nCell >= 0 && nCell < kColourCount ? nCell % kColourColumns : kNoCell;
}

int CellAtPoint(const PopupLayout& layout, int x, int y)
{
    // The point is taken one margin in from the top left, boxes included, as the popup always
    // measured it.
    const int xIn = x - layout.nMargin;
    int yIn = y - layout.nMargin;
    if (layout.boxes.bCustom && layout.rcCustom.Contains(xIn, yIn))
        return kCustomCell;
    if (layout.boxes.bDefault && layout.rcDefault.Contains(xIn, yIn))
        return kDefaultCell;
    if (layout.boxes.bDefault)
        yIn -= layout.rcDefault.Height();
    const int nCell = CellIndex(layout.boxes, yIn / layout.nBoxSize, xIn / layout.nBoxSize);
    return nCell >= 0 && nCell < kColourCount ? nCell : kNoCell;
}

int CellAfterKey(PopupBoxes boxes, int nHot, PopupKey key)
{
    const int nDefault = DefaultBox(boxes);
    const int nCustom = CustomBox(boxes);
    const int r = CellRow(boxes, nHot);
    const int c = CellColumn(boxes, nHot);
    const bool bOnCell = nHot >= 0 && nHot < kColourCount;
    switch (key)
    {
    case PopupKey::Down:
        if (nHot == kDefaultCell)
            return 0;
        if (nHot == kCustomCell)
            return FirstPresent({nDefault, 0});
        return FirstPresent({bOnCell ? CellIndex(boxes, r + 1, c) : kNoCell, nCustom, nDefault, 0});
    case PopupKey::Up:
        if (nHot == kDefaultCell)
            return FirstPresent({nCustom, kColourCount - 1});
        if (nHot == kCustomCell)
            return kColourCount - 1;
        if (bOnCell && r > 0)
            return CellIndex(boxes, r - 1, c);
        return FirstPresent({nDefault, nCustom, kColourCount - 1});
    case PopupKey::Right:
        if (nHot == kDefaultCell)
            return 0;
        if (nHot == kCustomCell)
            return FirstPresent({nDefault, 0});
        if (bOnCell)
        {
            const int nNext =
                c < kColourColumns - 1 ? CellIndex(boxes, r, c + 1) : CellIndex(boxes, r + 1, 0);
            if (nNext != kNoCell)
                return nNext;
        }
        return FirstPresent({nCustom, nDefault, 0});
    case PopupKey::Left:
        if (nHot == kDefaultCell)
            return FirstPresent({nCustom, kColourCount - 1});
        if (nHot == kCustomCell)
            return kColourCount - 1;
        if (bOnCell && c > 0)
            return CellIndex(boxes, r, c - 1);
        if (bOnCell && r > 0)
            return CellIndex(boxes, r - 1, kColourColumns - 1);
        return FirstPresent({nDefault, nCustom, kColourCount - 1});
    }
    return nHot;
}

int MarkInitialCell(PopupBoxes boxes, std::uint32_t crColour)
{
    if (crColour == kClrDefault && boxes.bDefault)
        return kDefaultCell;
    for (int i = 0; i < kColourCount; ++i)
        if (kColourTable[static_cast<std::size_t>(i)].crColour == crColour)
            return i;
    return boxes.bCustom ? kCustomCell : kNoCell;
}
