// Tempiva.exe from its start: the first run, one copy at a time, and a time table it cannot read.
#include "tests/wine/e2e/ProgramWindows.h"

namespace {

constexpr char kFirstRunText[] = "ホットキーを \"CapsLock\" に割り当てます。\nホットキーで時計が出ます。\n"
                                 "設定は時計パネル上で右クリック！";
const std::string kDefaultSettings =
    "[TEMPIVA]\r\nRGB_BACK=B3B78B\r\nRGB_ON=000000\r\nRGB_OFF=9EA46C\r\n"
    "RGB_SATURDAY=0000FF\r\nRGB_SUNDAY=FF0000\r\nDRAW_SEC=400\r\nSHOWSTYLE=4\r\n"
    "DISP_POS=3\r\nHOTKEY=15728640\r\nDELAY=1000\r\nFONT_NAME=ＭＳ Ｐゴシック\r\n"
    "FONT_SIZE=9\r\n[NTP]\r\nSERVER1=ntp.nict.jp\r\nPORT=123\r\nUSE_NTP=0\r\n";

using StartUp = ProgramTest;

} // namespace

TEST_F(StartUp, TheFirstStartGreetsAndWritesTheDefaultsASecondCopyEndsWithoutSavingAndExitSaves)
{
    m_folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + kPastReserved);
    ASSERT_TRUE(m_program.Start());
    ExpectMessageAndAnswer(kFirstRunText);
    ASSERT_NE(nullptr, m_program.WaitForMainDialog(kWaitMs));
    EXPECT_EQ(nullptr, WaitForWindow("Tempiva", "#32770", 0)) << "the greeting comes once, first";
    EXPECT_EQ(kDefaultSettings, m_folder.Read("Tempiva.ini").value_or(""));

    // Without its last line: a second copy that saved would put it back.
    const std::string strPartial = kDefaultSettings.substr(0, kDefaultSettings.rfind("USE_NTP=0\r\n"));
    m_folder.Write("Tempiva.ini", strPartial);
    CProgramUnderTest second(m_folder);
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(std::optional<DWORD>(0), second.WaitForExit(kWaitMs));
    EXPECT_EQ(strPartial, m_folder.Read("Tempiva.ini").value_or(""));
    EXPECT_EQ(nullptr, WaitForWindow("Tempiva", "#32770", 0));
    Exit();
    EXPECT_EQ(kDefaultSettings, m_folder.Read("Tempiva.ini").value_or("")) << "EXIT saves the settings";
}

TEST_F(StartUp, ATimeTableItCannotReadEndsTheStartWithAMessageOfTheFileTheLineAndTheReason)
{
    const std::string strBad = "   *  *  * 02 12 00 10 30 FF0000      *  \"Lunch|Go";
    const std::string strTask = "   *  *  *  * 12 00  *  *      *      *  \"good\"\r\n";
    const std::pair<std::string, std::string> rows[] = { // the time table (none at first), the message's end
        {"", "\n理由：ファイルがありません"},
        {"[TIMETABLE_RESERVE]\r\n" + kPastReserved + "[TIMETABLE]\r\n" + strTask + "; a comment\r\n" +
             strBad + "\r\n" + strTask,
         "\nセクション：[TIMETABLE]\n7 行目：" + strBad + "\n理由：引用符が閉じていません"},
    };
    for (const auto& [strTimeTable, strDetails] : rows) {
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F20 << 16) + "\r\n");
        if (!strTimeTable.empty())
            m_folder.Write("TimeTable.ini", strTimeTable);
        ASSERT_TRUE(m_program.Start());
        ExpectMessageAndAnswer("ERROR: Time Table Format error\nファイル：" +
                                   m_folder.PathOf("TimeTable.ini") + strDetails,
                               strTimeTable.empty() ? nullptr : "format-error.png");
        EXPECT_TRUE(m_program.WaitForExit(kWaitMs));
        EXPECT_NE(std::string::npos, m_folder.Read("Tempiva.ini").value_or("").find("USE_NTP=0"))
            << "the settings are saved at every end of the first copy";
    }
}
