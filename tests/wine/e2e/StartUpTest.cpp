// Tempiva.exe end to end from its start: the first run's greeting and settings, one copy at a
// time, and a time table it cannot read, which ends the start with a message.
#include "tests/wine/e2e/ProgramWindows.h"

#include <cstring>

namespace {

const char* const kDefaultSettings =
    "[TEMPIVA]\r\nRGB_BACK=B3B78B\r\nRGB_ON=000000\r\nRGB_OFF=9EA46C\r\n"
    "RGB_SATURDAY=0000FF\r\nRGB_SUNDAY=FF0000\r\nDRAW_SEC=400\r\nSHOWSTYLE=4\r\n"
    "DISP_POS=3\r\nHOTKEY=15728640\r\nDELAY=1000\r\nFONT_NAME=ＭＳ Ｐゴシック\r\n"
    "FONT_SIZE=9\r\n[NTP]\r\nSERVER1=ntp.nict.jp\r\nPORT=123\r\nUSE_NTP=0\r\n";

// Answers the program's message box, whose text must be strExpected; pszPicture names its picture.
void ExpectMessageAndAnswer(const CProgramUnderTest& program, const std::string& strExpected,
                            const char* pszPicture = nullptr)
{
    const HWND hBox = program.WaitForMessageBox(kWaitMs);
    ASSERT_NE(nullptr, hBox) << "no message box; expected: " << strExpected;
    EXPECT_EQ(strExpected, MessageBoxText(hBox));
    EXPECT_EQ("Tempiva", WindowText(hBox));
    if (pszPicture != nullptr)
        ScreenshotWhenStill(WindowRect(hBox), pszPicture);
    ASSERT_TRUE(PressButton(hBox, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hBox); }, kWaitMs));
}

} // namespace

TEST(StartUp, TheFirstStartGreetsOnceAndWritesTheDefaultsAndASecondCopyEndsSilently)
{
    CScratchFolder folder;
    folder.Write("TimeTable.ini", std::string("[TIMETABLE_RESERVE]\r\n") + kPastTask + kPastTask);
    for (const bool bFirst : {true, false}) {
        CProgramUnderTest program(folder);
        ASSERT_TRUE(program.Start());
        if (bFirst)
            ExpectMessageAndAnswer(program, kFirstRunText);
        ASSERT_NE(nullptr, program.WaitForMainDialog(kWaitMs));
        EXPECT_EQ(nullptr, program.WaitForMessageBox(0)) << "the greeting comes once, before the main dialog";
        EXPECT_EQ(kDefaultSettings, folder.Read("Tempiva.ini").value_or(""));
        if (!bFirst) {
            // Without its last line: a second copy that saved would put it back.
            const std::string strPartial(kDefaultSettings,
                                         std::strlen(kDefaultSettings) - std::strlen("USE_NTP=0\r\n"));
            folder.Write("Tempiva.ini", strPartial);
            CProgramUnderTest second(folder);
            ASSERT_TRUE(second.Start());
            EXPECT_EQ(std::optional<DWORD>(0), second.WaitForExit(kWaitMs));
            EXPECT_EQ(strPartial, folder.Read("Tempiva.ini").value_or(""));
            EXPECT_EQ(nullptr, program.WaitForMessageBox(0));
        }
        ExitProgram(program);
        EXPECT_EQ(kDefaultSettings, folder.Read("Tempiva.ini").value_or("")) << "EXIT saves the settings";
    }
}

TEST(StartUp, ATimeTableItCannotReadEndsTheStartWithAMessageOfTheFileTheLineAndTheReason)
{
    const std::string strBad = "   *  *  * 02 12 00 10 30 FF0000      *  \"Lunch|Go";
    const std::string strTask = "   *  *  *  * 12 00  *  *      *      *  \"good\"\r\n";
    // The time table, and the message's lines after the file's.
    const std::pair<std::string, std::string> rows[] = {
        {"", "\n理由：ファイルがありません"},
        {std::string("[TIMETABLE_RESERVE]\r\n") + kPastTask + kPastTask + "[TIMETABLE]\r\n" + strTask +
             "; a comment\r\n" + strBad + "\r\n" + strTask,
         "\nセクション：[TIMETABLE]\n7 行目：" + strBad + "\n理由：引用符が閉じていません"},
    };
    for (const auto& [strTimeTable, strDetails] : rows) {
        CScratchFolder folder;
        folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F20 << 16) + "\r\n");
        if (!strTimeTable.empty())
            folder.Write("TimeTable.ini", strTimeTable);
        CProgramUnderTest program(folder);
        ASSERT_TRUE(program.Start());
        // The broken line's message is the README's.
        ExpectMessageAndAnswer(program,
                               "ERROR: Time Table Format error\nファイル：" + folder.PathOf("TimeTable.ini") +
                                   strDetails,
                               strTimeTable.empty() ? nullptr : "format-error.png");
        EXPECT_TRUE(program.WaitForExit(kWaitMs));
        EXPECT_NE(std::string::npos, folder.Read("Tempiva.ini").value_or("").find("USE_NTP=0"))
            << "the settings are saved at every end of the first copy";
    }
}
