// Tempiva.exe end to end: start-up, its failure paths, the single instance and EXIT.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(TempivaStartUp, TimeTableFormatErrorsNameTheFileTheLineAndTheReasonAndEndTheProgram)
{
    const std::string strBad = "   *  *  * 02 12 00 10 30 FF0000      *  \"Lunch|Go";
    const struct
    {
        std::string strTimeTable;
        std::string strDetails;
    } rows[] = {
        {"", "\n理由：ファイルがありません"},
        {"[TIMETABLE_RESERVE]\r\n" + TimedTask("only one"), "\nセクション：[TIMETABLE_RESERVE]\n理由：予約タスクが2つ必要です"},
        {"[TIMETABLE_RESERVE]\r\n" + TimedTask("r0") + TimedTask("r1") + "[TIMETABLE]\r\n" + TimedTask("good") +
             "; a comment\r\n" + strBad + "\r\n" + TimedTask("never read"),
         "\nセクション：[TIMETABLE]\n7 行目：" + strBad + "\n理由：引用符が閉じていません"},
    };
    for (const auto& row : rows)
    {
        CScratchFolder folder;
        folder.Write("Tempiva.ini", SettingsWithHotKey(VK_F17));
        if (!row.strTimeTable.empty())
            folder.Write("TimeTable.ini", row.strTimeTable);
        CProgramUnderTest program(folder);
        ASSERT_TRUE(program.Start());
        if (&row == &rows[2])
        {
            // For the README: the message a user with a broken line sees.
            const std::optional<CMessageBoxView> box = program.WaitForMessageBox(kWaitMs);
            ASSERT_TRUE(box);
            ::Sleep(300);
            Screenshot(WindowRect(box->m_hWnd), "format-error.png");
        }
        ExpectMessageAndAnswer(program, std::string(kFormatError) + "\nファイル：" + folder.PathOf("TimeTable.ini") +
                                            row.strDetails);
        EXPECT_TRUE(program.WaitForExit(kWaitMs)) << row.strTimeTable;
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

TEST_F(TempivaStartUp, AHotKeyTakenByAnotherProgramAsksForANewOneAndCancellingKeepsTheFilesKey)
{
    WriteStandardFiles(VK_F18);
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, 0, VK_F18));
    CProgramUnderTest program(m_folder);
    ASSERT_TRUE(program.Start());
    ExpectMessageAndAnswer(program,
                           "ホットキーの設定に失敗しました。\n既に別のアプリケーションで使用している可能性があります\n");
    ExpectMessageAndAnswer(program, "ホットキーの設定をして下さい。");
    // The configuration dialog asks for a key; cancelled, the program ends.
    HWND hDialog = WaitForConfigDialog(program, kWaitMs);
    ASSERT_NE(nullptr, hDialog);
    ::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(program.WaitForExit(kWaitMs));
    ::UnregisterHotKey(nullptr, 7);
    // Every setting is saved, but the user's own key stays for the next start to try again.
    const std::string strFile = m_folder.Read("Tempiva.ini").value_or("");
    EXPECT_NE(std::string::npos, strFile.find("HOTKEY=" + std::to_string(VK_F18 << 16) + "\r\n")) << strFile;
    EXPECT_NE(std::string::npos, strFile.find("USE_NTP=0\r\n")) << strFile;
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

TEST_F(TempivaStartUp, AnUnwritableSettingsFileIsReportedAtFirstRunAndAtExitAndTheProgramGoesOn)
{
    // A folder where Tempiva.ini should be: nothing can be read from it or saved over it.
    WriteTimeTable(TimedTask("r0") + TimedTask("r1"));
    ASSERT_TRUE(::CreateDirectoryA(m_folder.PathOf("Tempiva.ini").c_str(), nullptr));
    CProgramUnderTest program(m_folder);
    ASSERT_TRUE(program.Start());
    const auto expectSaveFailure = [&] {
        const std::optional<CMessageBoxView> box = program.WaitForMessageBox(kWaitMs);
        ASSERT_TRUE(box);
        EXPECT_EQ(0u, box->Text().find(m_folder.PathOf("Tempiva.ini") + " を保存できませんでした。\n")) << box->Text();
        ASSERT_TRUE(box->Press(IDOK));
        EXPECT_TRUE(box->WaitGone(kWaitMs));
    };
    ExpectMessageAndAnswer(program, kFirstRunText);
    expectSaveFailure();
    ASSERT_NE(nullptr, program.WaitForMainDialog(kWaitMs));
    EXPECT_FALSE(program.WaitForMessageBox(500)) << "once per save";
    ASSERT_TRUE(program.SendCommand(ID_APP_EXIT));
    expectSaveFailure();
    EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit(kWaitMs));
    ::RemoveDirectoryA(m_folder.PathOf("Tempiva.ini").c_str());
}

TEST_F(TempivaStartUp, AUtf8TimeTableShowsItsJapaneseAsTheShiftJisOneDoes)
{
    // Reserved task 0 runs at start-up with a notice: from a file saved as UTF-8 without a
    // byte-order mark, and from the same file in Shift-JIS. The notices must look the same.
    const std::string strUtf8 = "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88\xE8\xA1\xA8\xE7\xA4\xBA\xE3\x83\x9D"
                                "\xE3\x81\xAE\xE4\xBA\x88\xE5\xAE\x9A\xE8\xA1\xA8";
    const std::string strSjis = "ソフト表示ポの予定表";
    std::vector<std::uint32_t> pictures[2];
    for (int i = 0; i < 2; ++i)
    {
        CScratchFolder folder;
        folder.Write("Tempiva.ini", SettingsWithHotKey(VK_F18));
        folder.Write("TimeTable.ini", "[TIMETABLE_RESERVE]\r\n   *  *  *  *  *  *  *  *      *      *  \"" +
                                          (i == 0 ? strUtf8 : strSjis) + "\"\r\n" + TimedTask("r1") +
                                          "[TIMETABLE]\r\n");
        ::SetCursorPos(0, 0);
        CProgramUnderTest program(folder);
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(WaitUntil([&] { return ToolWindows(program).size() == 2; }, kWaitMs));
        EXPECT_FALSE(program.WaitForMessageBox(0));
        HWND hPanel = FindPanel(program);
        const std::vector<HWND> windows = ToolWindows(program);
        HWND hNotice = windows[0] == hPanel ? windows[1] : windows[0];
        ::Sleep(500); // painted, and still in the first page's rest of three seconds
        pictures[i] = Screenshot(WindowRect(hNotice), i == 0 ? "notice-utf8.png" : "notice-sjis.png");
        ExitAndExpectZero(program);
    }
    EXPECT_EQ(pictures[1], pictures[0]);
    const size_t nText = static_cast<size_t>(std::count(pictures[0].begin(), pictures[0].end(), 0x000000u));
    EXPECT_GT(nText, 100u) << "the text in RGB_ON";
}
