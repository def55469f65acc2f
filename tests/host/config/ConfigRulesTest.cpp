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
    EXPECT_STREQ("USER", schemes[0].pszName);
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
    using List = std::vector<std::string>;
    const List ten = {"s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "s10"};
    std::string strLong;
    for (int i = 0; i < 150; ++i)
        strLong += "\x82\xA0"; // a double-byte character, 300 bytes in all
    const std::tuple<List, std::string, List> cases[] = {
        {{"a", "b", "c"}, "b", {"b", "a", "c"}},
        {{"ntp.example"}, "NTP.Example", {"NTP.Example"}},   // the typed form wins
        {{"a", "A", "b"}, "a", {"a", "b"}},                  // every equal entry goes
        {{"a", "b"}, "", {"", "a", "b"}},                    // an empty server is kept first
        {ten, "new", {"new", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"}},
        {ten, "s10", {"s10", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"}},
        {{"\x83\x41"}, "\x83\x61", {"\x83\x61", "\x83\x41"}}, // trail bytes are not letters
        {{"a"}, strLong, {strLong.substr(0, 258), "a"}},      // 259 bytes would split a character
    };
    for (const auto& [listed, strTyped, expected] : cases)
    {
        std::array<std::string, kServerCount> servers;
        std::copy(expected.begin(), expected.end(), servers.begin());
        EXPECT_EQ(servers, ServersAfterChoice(listed, strTyped)) << strTyped.substr(0, 20);
    }
}
