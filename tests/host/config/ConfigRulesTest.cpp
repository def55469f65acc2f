#include "config/ConfigRules.h"

#include "tests/host/HostData.h"

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
    using S = DisplayStyle;
    for (const auto& [nShowStyle, style] : {std::pair{0, S{0, 0}}, {4, S{0, 1}}, {1, S{1, 0}}, {6, S{2, 1}}})
    {
        EXPECT_EQ(style, UnpackShowStyle(nShowStyle)) << nShowStyle;
        EXPECT_EQ(nShowStyle, PackShowStyle(style));
    }
    EXPECT_EQ(4, PackShowStyle({0, 5})) << "any direction but 0 is vertical";
    EXPECT_EQ(3, PackShowStyle({-1, 0})) << "no method checked keeps both method bits";
    EXPECT_EQ((DisplayStyle{3, 1}), UnpackShowStyle(0x7F)) << "higher bits are not looked at";
    // The setting and the control hold key and flags in opposite order.
    EXPECT_EQ(0x00F0u, HotKeyControlValue(0xF00000)); // the default: 0xF0 without modifiers
    EXPECT_EQ(0x0641u, HotKeyControlValue(0x410006)); // Ctrl+Alt+A
    EXPECT_EQ(0x0841u, HotKeyControlValue(0x0141FF08)) << "only bits 16-23 and 0-7 count";
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
