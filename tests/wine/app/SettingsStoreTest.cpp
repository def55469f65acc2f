// The settings store against real files through the real profile functions.
#include "app/AppSettings.h"
#include "app/SettingsStore.h"
#include "framework/CWinApp.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

class SettingsStore : public ::testing::Test
{
protected:
    void Load() { LoadSettingsFrom(m_folder.PathOf("Tempiva.ini")); }

    CWinApp m_app;
    CScratchFolder m_folder;
    CFakeMessageBox m_box;
};

} // namespace

TEST_F(SettingsStore, AnExistingFileIsReadAsWrittenAndSavedBack)
{
    // 15 two-byte characters plus "ab" = 32 bytes: the cut must not split the last one.
    const std::string strFont = "abゴゴゴゴゴゴゴゴゴゴゴゴゴゴゴ";
    const std::string strServer(258, 's');
    m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=0\r\nRGB_ON=\r\nRGB_BACK=b3b78b\r\nFONT_NAME=" + strFont +
                                      "\r\n[NTP]\r\nSERVER3=" + strServer + "時\r\nUSE_NTP=1\r\nPORT=10123\r\n");
    Load();
    Load();
    EXPECT_EQ(2u, m_box.m_texts.size()) << "hot key 0 greets at every start";
    EXPECT_EQ(0, TheSettings().HOTKEY);
    EXPECT_EQ(1, TheSettings().USE_NTP);
    EXPECT_EQ(10123, TheSettings().PORT);
    EXPECT_EQ(0u, TheSettings().RGB_ON) << "an empty colour is black";
    EXPECT_EQ(0x8BB7B3u, TheSettings().RGB_BACK);
    EXPECT_EQ(strFont.substr(0, 30), TheSettings().FONT_NAME);
    EXPECT_EQ("", TheSettings().SERVER[0]) << "no default server in a file that has none";
    EXPECT_EQ(strServer, TheSettings().SERVER[2]);
    const std::string strFile = m_folder.Read("Tempiva.ini").value_or("<missing>");
    for (const char* pszLine : {"HOTKEY=0\r\n", "RGB_BACK=B3B78B\r\n", "SERVER3=sss", "PORT=10123\r\n"})
        EXPECT_NE(std::string::npos, strFile.find(pszLine)) << pszLine;
    EXPECT_EQ(std::string::npos, strFile.find("SERVER1"));
}

TEST_F(SettingsStore, DelayOutsideOneToThousandAndPortZeroAreCorrected)
{
    const std::pair<const char*, int> cases[] = {{"0", 1000},    {"5000", 1000}, {"1001", 1000}, {"1", 1},
                                                 {"1000", 1000}, {"250", 250},   {"-3", 1000},   {"x", 1000}};
    for (const auto& [pszDelay, nExpected] : cases)
    {
        m_folder.Write("Tempiva.ini", std::string("[TEMPIVA]\r\nHOTKEY=112\r\nDELAY=") + pszDelay +
                                          "\r\n[NTP]\r\nPORT=0\r\n");
        Load();
        EXPECT_EQ(nExpected, TheSettings().DELAY) << "DELAY=" << pszDelay;
        EXPECT_EQ(123, TheSettings().PORT);
    }
    EXPECT_TRUE(m_box.m_texts.empty());
}
