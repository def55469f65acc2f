#include "config/ColourPopupModel.h"
#include "config/ConfigRules.h"

#include "tests/host/HostData.h"

#include <map>

TEST(ColourSchemeChoice, DefaultWinsOverUserAndAnUnmatchedSetBecomesUser)
{
    ColourSchemeTable schemes = ColourSchemes();
    for (const DataRow& r : DataRows("colour-schemes.txt"))
    {
        const auto cr = [&r](std::size_t i) { return Num<std::uint32_t>(r[i]); };
        EXPECT_EQ(Num(r[3]), SelectScheme(schemes, cr(0), cr(1), cr(2))) << r[0];
        EXPECT_EQ(cr(2), schemes[Num(r[3])].crOff);
    }
    EXPECT_EQ(0x6CA49Eu, schemes[1].crOff) << "only row 0 is ever overwritten";
}

TEST(ShowStyleAndHotKey, PackAndUnpackTheirFields)
{
    for (const DataRow& r : DataRows("show-styles.txt"))
    {
        if (r[0] == "key")
            EXPECT_EQ(Num<std::uint16_t>(r[2]), HotKeyControlValue(Num(r[1]))) << r[1];
        else if (r[0] == "pack")
            EXPECT_EQ(Num(r[1]), PackShowStyle({Num(r[2]), Num(r[3])})) << r[2] << " " << r[3];
        else
            EXPECT_EQ((DisplayStyle{Num(r[2]), Num(r[3])}), UnpackShowStyle(Num(r[1]))) << r[1];
    }
    EXPECT_EQ(0x410006, PackHotKey(0x41, 0x06));
}

TEST(ServerList, TheConfirmedServerComesFirstOnceAndTenAreKept)
{
    std::string strLong;
    for (int i = 0; i < 150; ++i)
        strLong += "\x82\xA0"; // a double-byte character, 300 bytes in all
    std::vector<DataRow> rows = DataRows("server-list.txt");
    rows.push_back({"a", "=", strLong, "=", strLong.substr(0, 258), "a"}); // 259 would split a character
    for (const DataRow& r : rows)
    {
        const auto typed = std::find(r.begin(), r.end(), "=") + 1;
        std::array<std::string, kServerCount> servers;
        std::copy(typed + 2, r.end(), servers.begin());
        EXPECT_EQ(servers, ServersAfterChoice({r.begin(), typed - 1}, *typed)) << typed->substr(0, 20);
    }
}

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
