#include "config/ConfigRules.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kDefaultBack = 0x8BB7B3;
constexpr std::uint32_t kDefaultOn = 0x000000;
constexpr std::uint32_t kDefaultOff = 0x6CA49E;

} // namespace

TEST(ColourSchemeChoice, DefaultWinsOverUserAndAnUnmatchedSetBecomesUser)
{
    ColourSchemeTable schemes = ColourSchemes();
    struct Case
    {
        std::uint32_t crBack, crOn, crOff;
        std::size_t nExpected;
    };
    const Case cases[] = {
        {kDefaultBack, kDefaultOn, kDefaultOff, 1},
        {0x000000, 0xFFB53F, 0x492200, 2}, // "Blue"
        {0xC0C0C0, 0x000000, 0xA2A2A2, 8}, // "XP-SILVER"
        {0x010203, 0x040506, 0x070809, 0}, // no row: "USER" takes them
        {0x010203, 0x040506, 0x070809, 0}, // now "USER" matches them
        {kDefaultBack, kDefaultOn, kDefaultOff, 1},
        {kDefaultBack, kDefaultOn, 0x6CA49F, 0}, // one colour off by one is no match
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.nExpected, SelectScheme(schemes, c.crBack, c.crOn, c.crOff)) << std::hex << c.crBack;
        EXPECT_EQ(c.crOff, schemes[c.nExpected].crOff);
    }
    EXPECT_STREQ("USER", schemes[0].pszName);
    EXPECT_EQ(kDefaultOff, schemes[1].crOff) << "only row 0 is ever overwritten";
}

TEST(ShowStyle, UnpacksAndPacksMethodAndDirection)
{
    const struct
    {
        int nShowStyle;
        DisplayStyle style;
    } cases[] = {{0, {0, 0}}, {4, {0, 1}}, {1, {1, 0}}, {6, {2, 1}}, {2, {2, 0}}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.style, UnpackShowStyle(c.nShowStyle)) << c.nShowStyle;
        EXPECT_EQ(c.nShowStyle, PackShowStyle(c.style));
    }
    EXPECT_EQ(4, PackShowStyle({0, 5})) << "any direction but 0 is vertical";
    EXPECT_EQ(3, PackShowStyle({-1, 0})) << "no method checked keeps both method bits";
    EXPECT_EQ((DisplayStyle{3, 1}), UnpackShowStyle(0x7F)) << "higher bits are not looked at";
}

TEST(HotKeyPacking, SettingAndControlHoldKeyAndFlagsInOppositeOrder)
{
    EXPECT_EQ(0x00F0u, HotKeyControlValue(0xF00000)); // the default: 0xF0 without modifiers
    EXPECT_EQ(0x0641u, HotKeyControlValue(0x410006)); // Ctrl+Alt+A
    EXPECT_EQ(0x0841u, HotKeyControlValue(0x0141FF08)) << "only bits 16-23 and 0-7 count";
    EXPECT_EQ(0x410006, PackHotKey(0x41, 0x06));
    EXPECT_EQ(0xF00000, PackHotKey(0xF0, 0));
}

TEST(ServerList, TheConfirmedServerComesFirstOnceAndTenAreKept)
{
    using List = std::vector<std::string>;
    const auto servers = [](const List& expected) {
        std::array<std::string, kServerCount> a;
        for (std::size_t i = 0; i < expected.size(); ++i)
            a[i] = expected[i];
        return a;
    };
    const List ten = {"s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "s10"};
    std::string strLong;
    for (int i = 0; i < 150; ++i)
        strLong += "\x82\xA0"; // a double-byte character, 300 bytes in all
    const struct
    {
        List listed;
        std::string strTyped;
        List expected;
    } cases[] = {
        {{"a", "b", "c"}, "b", {"b", "a", "c"}},
        {{"ntp.example"}, "NTP.Example", {"NTP.Example"}},   // the typed form wins
        {{"a", "A", "b"}, "a", {"a", "b"}},                  // every equal entry goes
        {{}, "x", {"x"}},
        {{"a", "b"}, "", {"", "a", "b"}},                    // an empty server is kept first
        {ten, "new", {"new", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"}},
        {ten, "s10", {"s10", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"}},
        {{"\x83\x41"}, "\x83\x61", {"\x83\x61", "\x83\x41"}}, // trail bytes are not letters
        {{"a"}, strLong, {strLong.substr(0, 258), "a"}},      // 259 bytes would split a character
    };
    for (const auto& c : cases)
        EXPECT_EQ(servers(c.expected), ServersAfterChoice(c.listed, c.strTyped)) << c.strTyped.substr(0, 20);
}
