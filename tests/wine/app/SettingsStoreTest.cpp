// The settings store against real files through the real profile functions.
#include "app/AppSettings.h"
#include "app/SettingsStore.h"
#include "framework/CWinApp.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

const char* const kFirstRunText = "ホットキーを \"CapsLock\" に割り当てます。\nホットキーで時計が出ます。\n"
                                  "設定は時計パネル上で右クリック！";

const char* const kFirstSaveBytes = "[TEMPIVA]\r\n"
                                    "RGB_BACK=B3B78B\r\n"
                                    "RGB_ON=000000\r\n"
                                    "RGB_OFF=9EA46C\r\n"
                                    "RGB_SATURDAY=0000FF\r\n"
                                    "RGB_SUNDAY=FF0000\r\n"
                                    "DRAW_SEC=400\r\n"
                                    "SHOWSTYLE=4\r\n"
                                    "DISP_POS=3\r\n"
                                    "HOTKEY=15728640\r\n"
                                    "DELAY=1000\r\n"
                                    "FONT_NAME=ＭＳ Ｐゴシック\r\n"
                                    "FONT_SIZE=9\r\n"
                                    "[NTP]\r\n"
                                    "SERVER1=ntp.nict.jp\r\n"
                                    "PORT=123\r\n"
                                    "USE_NTP=0\r\n";

class SettingsStore : public ::testing::Test
{
protected:
    // Loads the folder's Tempiva.ini as a start of the program would.
    void Load() { LoadSettingsFrom(m_folder.PathOf("Tempiva.ini")); }
    std::string File() const { return m_folder.Read("Tempiva.ini").value_or("<missing>"); }
    void WriteFile(const std::string& strBytes) { m_folder.Write("Tempiva.ini", strBytes); }

    CWinApp m_app;
    CScratchFolder m_folder;
    CFakeMessageBox m_box;
};

} // namespace

TEST_F(SettingsStore, FirstStartGreetsOnceAndWritesTheDefaultsInOrder)
{
    TheSettings() = AppSettings{};
    Load();
    ASSERT_EQ(1u, m_box.m_texts.size());
    EXPECT_EQ(kFirstRunText, m_box.m_texts[0]);
    EXPECT_EQ(static_cast<UINT>(MB_OK), m_box.m_types[0]);
    EXPECT_EQ(kFirstSaveBytes, File());

    Load();
    EXPECT_EQ(1u, m_box.m_texts.size()) << "the second start must not greet again";
    EXPECT_EQ(15728640, TheSettings().HOTKEY);
    EXPECT_EQ(0x8BB7B3u, TheSettings().RGB_BACK);
    EXPECT_EQ(0x6CA49Eu, TheSettings().RGB_OFF);
    EXPECT_EQ("ntp.nict.jp", TheSettings().SERVER[0]);
}

TEST_F(SettingsStore, HotKeyZeroGreetsEveryTimeAndKeepsTheServers)
{
    WriteFile("[TEMPIVA]\r\nHOTKEY=0\r\n[NTP]\r\nSERVER3=ntp.example.jp\r\nUSE_NTP=1\r\n");
    Load();
    Load();
    EXPECT_EQ(2u, m_box.m_texts.size());
    EXPECT_EQ(0, TheSettings().HOTKEY);
    EXPECT_EQ(1, TheSettings().USE_NTP);
    EXPECT_EQ("", TheSettings().SERVER[0]);
    EXPECT_EQ("ntp.example.jp", TheSettings().SERVER[2]);
    const std::string strFile = File();
    EXPECT_NE(std::string::npos, strFile.find("HOTKEY=0\r\n"));
    EXPECT_NE(std::string::npos, strFile.find("SERVER3=ntp.example.jp\r\n"));
    EXPECT_EQ(std::string::npos, strFile.find("SERVER1="));
}

TEST_F(SettingsStore, DelayOutsideOneToThousandAndPortZeroAreCorrected)
{
    const struct
    {
        const char* pszDelay;
        int nExpected;
    } cases[] = {{"0", 1000}, {"5000", 1000}, {"1001", 1000}, {"1", 1}, {"1000", 1000}, {"250", 250},
                 {"-3", 1000}, {"x", 1000}};
    for (const auto& c : cases)
    {
        WriteFile(std::string("[TEMPIVA]\r\nHOTKEY=112\r\nDELAY=") + c.pszDelay + "\r\n[NTP]\r\nPORT=0\r\n");
        Load();
        EXPECT_EQ(c.nExpected, TheSettings().DELAY) << "DELAY=" << c.pszDelay;
        EXPECT_EQ(123, TheSettings().PORT);
    }
    EXPECT_TRUE(m_box.m_texts.empty());
}

TEST_F(SettingsStore, ServerTwoAloneLeavesServerOneEmptyAndSavingDropsItsKey)
{
    WriteFile("[TEMPIVA]\r\nHOTKEY=112\r\n[NTP]\r\nSERVER1=\r\nSERVER2=ntp.two.example\r\nPORT=10123\r\n");
    Load();
    EXPECT_EQ("", TheSettings().SERVER[0]);
    EXPECT_EQ("ntp.two.example", TheSettings().SERVER[1]);
    EXPECT_EQ(10123, TheSettings().PORT);
    SaveSettings();
    const std::string strFile = File();
    EXPECT_EQ(std::string::npos, strFile.find("SERVER1"));
    EXPECT_NE(std::string::npos, strFile.find("SERVER2=ntp.two.example\r\n"));
}

TEST_F(SettingsStore, ColoursReadLowerCaseAndAnEmptyValueIsBlack)
{
    WriteFile("[TEMPIVA]\r\nHOTKEY=112\r\nRGB_ON=\r\nRGB_BACK=b3b78b\r\nRGB_SUNDAY=00ff00\r\n");
    Load();
    EXPECT_EQ(0u, TheSettings().RGB_ON);
    EXPECT_EQ(0x8BB7B3u, TheSettings().RGB_BACK);
    EXPECT_EQ(0x00FF00u, TheSettings().RGB_SUNDAY);
    SaveSettings();
    EXPECT_NE(std::string::npos, File().find("RGB_BACK=B3B78B\r\n"));
}

TEST_F(SettingsStore, OverlongFontAndServerNamesAreCutBetweenCharacters)
{
    // 15 two-byte characters plus "ab" = 32 bytes: the cut must not split the last one.
    std::string strFont = "ab";
    for (int i = 0; i < 15; ++i)
        strFont += "ゴ";
    std::string strServer(258, 's');
    strServer += "時";
    WriteFile("[TEMPIVA]\r\nHOTKEY=112\r\nFONT_NAME=" + strFont + "\r\n[NTP]\r\nSERVER1=" + strServer + "\r\n");
    Load();
    EXPECT_EQ(strFont.substr(0, 30), TheSettings().FONT_NAME);
    EXPECT_EQ(std::string(258, 's'), TheSettings().SERVER[0]);
}
