// TimeTable.ini and Holiday.ini through the real profile section functions.
#include "timetable/TaskFile.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

const char* const kFormatError = "ERROR: Time Table Format error";

class TaskFile : public ::testing::Test
{
protected:
    std::string Path() const { return m_folder.PathOf("TimeTable.ini"); }

    CScratchFolder m_folder;
    CFakeMessageBox m_box;
};

std::vector<const TimeTask*> Pointers(const TaskList& tasks, size_t nFrom = 0)
{
    std::vector<const TimeTask*> pointers;
    for (size_t i = nFrom; i < tasks.size(); ++i)
        pointers.push_back(tasks[i].get());
    return pointers;
}

} // namespace

TEST_F(TaskFile, RoundTripReplacesOnlyItsSection)
{
    m_folder.Write("TimeTable.ini", "[OTHER]\r\nKEEP=me\r\n"
                                    "[TIMETABLE]\r\n"
                                    "   *  *  * 02 12 00 10 30 FF0000      *  \"Lunch|Go\" \"C:\\s\\c.wav\"\r\n"
                                    "2004 12 24  * 18 30  *  *      *      *  \"Party\\n19:00\"\r\n"
                                    "[LAST]\r\nX=1\r\n");
    TaskList tasks;
    ASSERT_TRUE(LoadTaskSection(Path(), tasks, "TIMETABLE"));
    ASSERT_EQ(2u, tasks.size());
    EXPECT_EQ("Party\n19:00", tasks[1]->m_strText);
    EXPECT_EQ("C:\\s\\c.wav", tasks[0]->m_strSound);

    tasks[1]->m_strText = "quoted \"text\" ending in \\";
    tasks.erase(tasks.begin());
    SaveTaskSection(Path(), Pointers(tasks), "TIMETABLE");

    TaskList reread;
    ASSERT_TRUE(LoadTaskSection(Path(), reread, "TIMETABLE"));
    ASSERT_EQ(1u, reread.size());
    EXPECT_EQ(*tasks[0], *reread[0]);
    const std::string strFile = m_folder.Read("TimeTable.ini").value();
    EXPECT_NE(std::string::npos, strFile.find("[OTHER]\r\nKEEP=me\r\n"));
    EXPECT_NE(std::string::npos, strFile.find("[LAST]\r\nX=1\r\n"));
    EXPECT_EQ(std::string::npos, strFile.find("Lunch")) << "the old lines must be gone";
    EXPECT_TRUE(m_box.m_texts.empty());
}

TEST_F(TaskFile, SavingNoTasksLeavesAnEmptySection)
{
    m_folder.Write("TimeTable.ini", "[TIMETABLE]\r\n   *  *  *  *  *  *  *  *      *      *  \"a\"\r\n");
    SaveTaskSection(Path(), {}, "TIMETABLE");
    TaskList tasks;
    EXPECT_TRUE(LoadTaskSection(Path(), tasks, "TIMETABLE"));
    EXPECT_TRUE(tasks.empty());
}

TEST_F(TaskFile, AThousandTasksLoad)
{
    // Far more than the 10,240 bytes a fixed buffer would hold.
    std::string strFile = "[TIMETABLE]\r\n";
    for (int i = 0; i < 1000; ++i)
        strFile += "   *  *  *  *  * 30  *  *      *      *  \"task " + std::to_string(i) +
                   " with a longer text to fill the line\"\r\n";
    m_folder.Write("TimeTable.ini", strFile);
    TaskList tasks;
    ASSERT_TRUE(LoadTaskSection(Path(), tasks, "TIMETABLE"));
    ASSERT_EQ(1000u, tasks.size());
    EXPECT_EQ("task 999 with a longer text to fill the line", tasks[999]->m_strText);
    EXPECT_TRUE(m_box.m_texts.empty());
}

TEST_F(TaskFile, MissingFileOrSectionLoadsNothing)
{
    TaskList tasks;
    EXPECT_TRUE(LoadTaskSection(Path(), tasks, "TIMETABLE"));
    m_folder.Write("TimeTable.ini", "[OTHER]\r\nA=1\r\n");
    EXPECT_TRUE(LoadTaskSection(Path(), tasks, "TIMETABLE"));
    HolidayList holidays;
    EXPECT_TRUE(LoadHolidaySection(m_folder.PathOf("Holiday.ini"), holidays, "HOLIDAY"));
    EXPECT_TRUE(tasks.empty());
    EXPECT_TRUE(holidays.empty());
    EXPECT_TRUE(m_box.m_texts.empty());
}

TEST_F(TaskFile, AMalformedLineIsReportedWithItsNumberAndTheLinesBeforeItStay)
{
    const std::string strLong = "   *  *  * 02 12 00 10 30 FF0000      *  \"" + std::string(37, 'x') + "表示";
    const struct
    {
        std::string strLine;
        std::string strShown;
        const char* pszReason;
    } rows[] = {
        {"   *  *  * 02 12", "   *  *  * 02 12", "項目が足りません"},
        {"   *  *  * 02 12 00 10 30 FF0000      *", "   *  *  * 02 12 00 10 30 FF0000      *",
         "引用符で囲んだ文字列がありません"},
        // Over 80 bytes: cut before the character that would be split.
        {strLong + "\" \"no end", strLong.substr(0, 79) + "...", "引用符が閉じていません"},
    };
    for (const auto& row : rows)
    {
        m_box.m_texts.clear();
        m_folder.Write("TimeTable.ini", "[OTHER]\r\n\r\n[TIMETABLE]\r\n"
                                        "   *  *  *  *  *  *  *  *      *      *  \"good\"\r\n" +
                                            row.strLine + "\r\n");
        TaskList tasks;
        EXPECT_FALSE(LoadTaskSection(Path(), tasks, "TIMETABLE"));
        ASSERT_EQ(1u, m_box.m_texts.size());
        EXPECT_EQ(std::string(kFormatError) + "\nファイル：" + Path() + "\nセクション：[TIMETABLE]\n5 行目：" +
                      row.strShown + "\n理由：" + row.pszReason,
                  m_box.m_texts[0]);
        ASSERT_EQ(1u, tasks.size());
        EXPECT_EQ("good", tasks[0]->m_strText);
    }
}

TEST_F(TaskFile, HolidaysReadInFileOrderFromShiftJisText)
{
    m_folder.Write("Holiday.ini", "[HOLIDAY]\r\n   *  1  1 FF0000 \"元日\"\r\n2026  1 12 FF0000 \"成人の日\"\r\n"
                                  "   *  *  * 0000FF \"毎日\"\r\n");
    HolidayList holidays;
    ASSERT_TRUE(LoadHolidaySection(m_folder.PathOf("Holiday.ini"), holidays, "HOLIDAY"));
    ASSERT_EQ(3u, holidays.size());
    EXPECT_EQ("元日", holidays[0]->m_strName);
    EXPECT_EQ(2026, holidays[1]->m_nYear);
    EXPECT_EQ(12, holidays[1]->m_nDay);
    EXPECT_EQ(0xFF0000, holidays[2]->m_crColor);

    m_folder.Write("Holiday.ini", "[HOLIDAY]\r\n   *  1  1 \"no colour\"\r\n");
    holidays.clear();
    EXPECT_FALSE(LoadHolidaySection(m_folder.PathOf("Holiday.ini"), holidays, "HOLIDAY"));
    EXPECT_EQ(1u, m_box.m_texts.size());
}

TEST_F(TaskFile, FilesSavedAsUtf8ReadAsShiftJisAndShiftJisFilesByteForByte)
{
    // "ソフト表示ポ|予定表": second bytes \ and | in Shift-JIS, and a text ending in one.
    const std::string strUtf8Text = "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88\xE8\xA1\xA8\xE7\xA4\xBA\xE3\x83\x9D|"
                                    "\xE4\xBA\x88\xE5\xAE\x9A\xE8\xA1\xA8";
    const std::string strSjisText = "ソフト表示ポ|予定表";
    const std::string strLine = "   *  *  *  *  *  *  *  *      *      *  \"%s\" \"C:\\s\\c.wav\"\r\n";
    const auto file = [&](const std::string& strText) {
        std::string strFile = "[TIMETABLE]\r\n" + strLine;
        return strFile.replace(strFile.find("%s"), 2, strText);
    };
    const struct
    {
        std::string strBytes;
        std::string strExpected;
    } rows[] = {
        {file(strUtf8Text), strSjisText},
        {"\xEF\xBB\xBF" + file(strUtf8Text), strSjisText},
        {file(strSjisText), strSjisText},
        // Not in code page 932: an emoji becomes "?".
        {file("a\xF0\x9F\x98\x80" "b"), "a?b"},
    };
    for (const auto& row : rows)
    {
        m_folder.Write("TimeTable.ini", row.strBytes);
        TaskList tasks;
        ASSERT_TRUE(LoadTaskSection(Path(), tasks, "TIMETABLE")) << row.strBytes;
        ASSERT_EQ(1u, tasks.size());
        EXPECT_EQ(row.strExpected, tasks[0]->m_strText);
        EXPECT_EQ("C:\\s\\c.wav", tasks[0]->m_strSound);
    }
    EXPECT_TRUE(m_box.m_texts.empty());
}
