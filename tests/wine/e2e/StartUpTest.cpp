// Tempiva.exe end to end: start-up, its failure paths, the single instance and EXIT.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWaitMs = 10000;
const char* const kFormatError = "ERROR: Time Table Format error";
const char* const kDefaultSettings = "[TEMPIVA]\r\nRGB_BACK=B3B78B\r\nRGB_ON=000000\r\nRGB_OFF=9EA46C\r\n"
                                     "RGB_SATURDAY=0000FF\r\nRGB_SUNDAY=FF0000\r\nDRAW_SEC=400\r\nSHOWSTYLE=4\r\n"
                                     "DISP_POS=3\r\nHOTKEY=15728640\r\nDELAY=1000\r\nFONT_NAME=ＭＳ Ｐゴシック\r\n"
                                     "FONT_SIZE=9\r\n[NTP]\r\nSERVER1=ntp.nict.jp\r\nPORT=123\r\nUSE_NTP=0\r\n";

std::string TimedTask(const std::string& strText)
{
    return "   *  *  *  * 12 00  *  *      *      *  \"" + strText + "\"\r\n";
}

// Settings with a hot key of the test's choosing, so no first-run message comes.
std::string SettingsWithHotKey(UINT nVirtualKey)
{
    return "[TEMPIVA]\r\nHOTKEY=" + std::to_string(nVirtualKey << 16) + "\r\n";
}

class TempivaStartUp : public ::testing::Test
{
protected:
    void WriteTimeTable(const std::string& strReserve, const std::string& strTasks = "")
    {
        m_folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n" + strReserve + "[TIMETABLE]\r\n" + strTasks);
    }
    void WriteStandardFiles(UINT nVirtualKey = VK_F16)
    {
        WriteTimeTable(TimedTask("r0") + TimedTask("r1"));
        m_folder.Write("Tempiva.ini", SettingsWithHotKey(nVirtualKey));
    }
    // Answers one message box, whose text must be strExpected.
    void ExpectMessageAndAnswer(CProgramUnderTest& program, const std::string& strExpected)
    {
        std::optional<CMessageBoxView> box = program.WaitForMessageBox(kWaitMs);
        ASSERT_TRUE(box) << "no message box; expected: " << strExpected;
        EXPECT_EQ(strExpected, box->Text());
        EXPECT_EQ("Tempiva", box->Caption());
        ASSERT_TRUE(box->Press(IDOK));
        EXPECT_TRUE(box->WaitGone(kWaitMs));
    }
    void ExitAndExpectZero(CProgramUnderTest& program)
    {
        ASSERT_TRUE(program.SendCommand(ID_APP_EXIT));
        EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit(kWaitMs));
    }

    CScratchFolder m_folder;
};

} // namespace

TEST_F(TempivaStartUp, FirstStartGreetsOnceAndWritesTheDefaults)
{
    WriteTimeTable(TimedTask("r0") + TimedTask("r1"));
    {
        CProgramUnderTest program(m_folder);
        ASSERT_TRUE(program.Start());
        ExpectMessageAndAnswer(program, kFirstRunText);
        ASSERT_NE(nullptr, program.WaitForMainDialog(kWaitMs));
        EXPECT_EQ(kDefaultSettings, m_folder.Read("Tempiva.ini").value_or(""));
        ExitAndExpectZero(program);
        EXPECT_EQ(kDefaultSettings, m_folder.Read("Tempiva.ini").value_or(""));
    }
    CProgramUnderTest again(m_folder);
    ASSERT_TRUE(again.Start());
    ASSERT_NE(nullptr, again.WaitForMainDialog(kWaitMs));
    EXPECT_FALSE(again.WaitForMessageBox(1000)) << "the greeting must come only once";
    ExitAndExpectZero(again);
}

TEST_F(TempivaStartUp, ASecondCopyEndsSilentlyAndTouchesNoFile)
{
    WriteStandardFiles();
    CProgramUnderTest first(m_folder);
    ASSERT_TRUE(first.Start());
    ASSERT_NE(nullptr, first.WaitForMainDialog(kWaitMs));
    const std::string strBefore = m_folder.Read("Tempiva.ini").value();

    CProgramUnderTest second(m_folder);
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(std::optional<DWORD>(0), second.WaitForExit(5000));
    EXPECT_EQ(strBefore, m_folder.Read("Tempiva.ini").value());
    EXPECT_FALSE(first.WaitForMessageBox(200));
    ExitAndExpectZero(first);
}

TEST_F(TempivaStartUp, TimeTableFormatErrorsEndTheProgram)
{
    const std::string timeTables[] = {
        "",                                                             // no TimeTable.ini at all
        "[TIMETABLE_RESERVE]\r\n" + TimedTask("only one"),              // one reserved task
        "[TIMETABLE_RESERVE]\r\n" + TimedTask("r0") + TimedTask("r1") + // a malformed task
            "[TIMETABLE]\r\n   *  *  * 02 12 00\r\n",
    };
    for (const std::string& strTimeTable : timeTables)
    {
        CScratchFolder folder;
        folder.Write("Tempiva.ini", SettingsWithHotKey(VK_F17));
        if (!strTimeTable.empty())
            folder.Write("TimeTable.ini", strTimeTable);
        CProgramUnderTest program(folder);
        ASSERT_TRUE(program.Start());
        ExpectMessageAndAnswer(program, kFormatError);
        EXPECT_TRUE(program.WaitForExit(kWaitMs)) << strTimeTable;
        // The settings are saved at every end of the first copy.
        EXPECT_NE(std::string::npos, folder.Read("Tempiva.ini").value_or("").find("USE_NTP=0"));
    }
}

TEST_F(TempivaStartUp, AMissingHolidayFileIsNoError)
{
    WriteStandardFiles();
    CProgramUnderTest program(m_folder);
    ASSERT_TRUE(program.Start());
    ASSERT_NE(nullptr, program.WaitForMainDialog(kWaitMs));
    EXPECT_FALSE(program.WaitForMessageBox(500));
    ExitAndExpectZero(program);
}

TEST_F(TempivaStartUp, AHotKeyTakenByAnotherProgramShowsBothMessagesInOrder)
{
    WriteStandardFiles(VK_F18);
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, 0, VK_F18));
    CProgramUnderTest program(m_folder);
    ASSERT_TRUE(program.Start());
    ExpectMessageAndAnswer(program,
                           "ホットキーの設定に失敗しました。\n既に別のアプリケーションで使用している可能性があります\n");
    ExpectMessageAndAnswer(program, "ホットキーの設定をして下さい。");
    // Without a hot key chosen in the configuration the program ends.
    for (int i = 0; i < 2 && program.IsRunning(); ++i)
        if (std::optional<CMessageBoxView> box = program.WaitForMessageBox(1000))
            box->Press(IDOK);
    EXPECT_TRUE(program.WaitForExit(kWaitMs));
    ::UnregisterHotKey(nullptr, 7);
    EXPECT_NE(std::string::npos, m_folder.Read("Tempiva.ini").value_or("").find("HOTKEY=0\r\n"));
}

TEST_F(TempivaStartUp, ExitWritesTheWholeSettingsFile)
{
    WriteTimeTable(TimedTask("r0") + TimedTask("r1"));
    m_folder.Write("Tempiva.ini", SettingsWithHotKey(VK_F19) + "DRAW_SEC=250\r\n[NTP]\r\nSERVER2=ntp.two.example\r\n");
    CProgramUnderTest program(m_folder);
    ASSERT_TRUE(program.Start());
    ExitAndExpectZero(program);
    const std::string strFile = m_folder.Read("Tempiva.ini").value_or("");
    EXPECT_NE(std::string::npos, strFile.find("DRAW_SEC=250\r\n"));
    EXPECT_NE(std::string::npos, strFile.find("FONT_NAME=ＭＳ Ｐゴシック\r\n"));
    EXPECT_NE(std::string::npos, strFile.find("SERVER2=ntp.two.example\r\n"));
    EXPECT_EQ(std::string::npos, strFile.find("SERVER1"));
}
