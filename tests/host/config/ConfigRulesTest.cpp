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
