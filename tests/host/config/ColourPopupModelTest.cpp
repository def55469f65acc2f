#include "config/ColourPopupModel.h"

#include "tests/host/HostData.h"

#include <map>

namespace {

int Cell(const std::string& w)
{
    return w == "D" ? kDefaultCell : w == "C" ? kCustomCell : w == "N" ? kNoCell : Num(w);
}

const std::map<std::string, PopupBoxes> kBoxes = {
    {"both", {true, true}}, {"none", {false, false}}, {"custom", {false, true}}};

} // namespace

TEST(ColourPopupModel, LayoutCellsPointerOpeningColourAndPlaceOnTheMonitor)
{
    for (const auto& [nMargin, nSize] : {std::pair{0, 18}, {5, 18}, {6, 19}, {10, 27}})
        EXPECT_EQ(nSize, PopupBoxSize(nMargin)) << "the box grows only when its swatch would be too small";
    const PopupLayout atZero = LayoutPopup(0, 0, 2, 60, 13, kBoxes.at("both"));
    for (const DataRow& r : DataRows("colour-popup.txt"))
    {
        SCOPED_TRACE(r[0] + " " + r[1] + " " + r[2] + " " + r[3]);
        const auto rect = [&r](std::size_t i) { return RectAt<PopupRect>(r, i); };
        const PopupBoxes boxes = kBoxes.count(r[1]) ? kBoxes.at(r[1]) : kBoxes.at("both");
        const PopupLayout layout = LayoutPopup(100, 200, 2, r[0] == "layout" ? Num(r[2]) : 60, 13, boxes);
        if (r[0] == "layout")
            EXPECT_EQ((std::array{rect(3), rect(7), rect(11)}),
                      (std::array{layout.rcWindow, layout.rcDefault, layout.rcCustom}));
        else if (r[0] == "cell")
            EXPECT_EQ(rect(3), CellRect(layout, Cell(r[2])));
        else if (r[0] == "fit")
            EXPECT_EQ(rect(9), FitPopupToArea(rect(1), rect(5), 20));
        else if (r[0] == "index")
        {
            const int nIndex = CellIndex(boxes, Cell(r[2]), Cell(r[3]));
            EXPECT_EQ((std::array{Cell(r[4]), Cell(r[5]), Cell(r[6])}),
                      (std::array{nIndex, CellRow(boxes, nIndex), CellColumn(boxes, nIndex)}));
        }
        else if (r[0] == "point")
            EXPECT_EQ(Cell(r[3]), CellAtPoint(atZero, Num(r[1]), Num(r[2])));
        else
            EXPECT_EQ(Cell(r[3]), MarkInitialCell(boxes, Num<std::uint32_t>(r[2])));
    }
}

TEST(ColourPopupKeys, FollowTheArrowKeyTable)
{
    const std::map<std::string, PopupKey> keys = {
        {"Down", PopupKey::Down}, {"Up", PopupKey::Up}, {"Right", PopupKey::Right}, {"Left", PopupKey::Left}};
    for (const DataRow& r : DataRows("popup-keys.txt"))
        EXPECT_EQ(Cell(r[3]), CellAfterKey(kBoxes.at(r[0]), Cell(r[1]), keys.at(r[2]))) << r[0] << r[1];
}
