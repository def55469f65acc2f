// TimeTable.ini and Holiday.ini through the real profile section functions.
#include "timetable/TaskFile.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string kAnyTime = "   *  *  *  *  *  *  *  *      *      *  ";

class TaskFile : public ::testing::Test
{
protected:
    std::string Path() const { return m_folder.PathOf("TimeTable.ini"); }
    TaskList Load(bool bExpectGood = true) const
    {
        TaskList tasks;
        EXPECT_EQ(bExpectGood, LoadTaskSection(Path(), tasks, "TIMETABLE"));
        return tasks;
    }

    CScratchFolder m_folder;
    CFakeMessageBox m_box;
};

} // namespace

TEST_F(TaskFile, AThousandTasksLoadSavingNoneEmptiesOnlyItsSectionAndAMalformedLineIsReportedWithItsNumber)
{
    // Far more than the 10,240 bytes a fixed buffer would hold.
    std::string strFile = "[OTHER]\r\nKEEP=me\r\n[TIMETABLE]\r\n";
    for (int i = 0; i < 1000; ++i)
        strFile += kAnyTime + "\"task " + std::to_string(i) + " with a longer text to fill the line\"\r\n";
    m_folder.Write("TimeTable.ini", strFile + "[LAST]\r\nX=1\r\n");
    const TaskList tasks = Load();
    ASSERT_EQ(1000u, tasks.size());
    EXPECT_EQ("task 999 with a longer text to fill the line", tasks[999]->m_strText);
    ASSERT_TRUE(SaveTaskSection(Path(), {}, "TIMETABLE"));
    EXPECT_EQ("[OTHER]\r\nKEEP=me\r\n[TIMETABLE]\r\n[LAST]\r\nX=1\r\n", m_folder.Read("TimeTable.ini").value());
    EXPECT_TRUE(Load().empty());

    m_folder.Write("TimeTable.ini", "[OTHER]\r\nA=1\r\n");
    EXPECT_TRUE(Load().empty());
    HolidayList holidays;
    EXPECT_TRUE(LoadHolidaySection(m_folder.PathOf("Holiday.ini"), holidays, "HOLIDAY")) << "no file";
    EXPECT_TRUE(holidays.empty());
    EXPECT_TRUE(m_box.m_texts.empty());

    m_folder.Write("TimeTable.ini", "[OTHER]\r\n\r\n[TIMETABLE]\r\n" + kAnyTime + "\"good\"\r\n   *  *  * 02 12\r\n");
    const TaskList good = Load(false);
    EXPECT_EQ(std::vector<std::string>{"ERROR: Time Table Format error\nファイル：" + Path() +
                                       "\nセクション：[TIMETABLE]\n5 行目：   *  *  * 02 12\n理由：項目が足りません"},
              m_box.m_texts);
    ASSERT_EQ(1u, good.size());
    EXPECT_EQ("good", good[0]->m_strText);

    m_folder.Write("Holiday.ini", "[HOLIDAY]\r\n   *  1  1 \"no colour\"\r\n");
    EXPECT_FALSE(LoadHolidaySection(m_folder.PathOf("Holiday.ini"), holidays, "HOLIDAY"));
    EXPECT_EQ(2u, m_box.m_texts.size()) << "the holiday file's too";
}

TEST_F(TaskFile, FilesSavedAsUtf8ReadAsShiftJisAndAreWrittenBackWhollyInShiftJis)
{
    const auto file = [](const std::string& strComment, const std::string& strText) {
        return strComment + "\r\n[TIMETABLE]\r\n" + kAnyTime + "\"" + strText +
               "\" \"C:\\s\\c.wav\"\r\n[MINE]\r\nA=1\r\n";
    };
    // "; 予定表" above the sections; "ソフト表示ポ|予定表": second bytes \ and | in Shift-JIS.
    const std::string strUtf8 = file("; \xE4\xBA\x88\xE5\xAE\x9A\xE8\xA1\xA8",
                                     "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88\xE8\xA1\xA8\xE7\xA4\xBA\xE3\x83\x9D|"
                                     "\xE4\xBA\x88\xE5\xAE\x9A\xE8\xA1\xA8");
    const std::string strSjisText = "ソフト表示ポ|予定表";
    // The writer doubles the backslash that 表 ends in before the closing quote.
    const std::string strSaved = file("; 予定表", strSjisText + "\\");
    const std::tuple<std::string, std::string, std::string> rows[] = { // file, text read, file saved
        {strUtf8, strSjisText, strSaved},
        {"\xEF\xBB\xBF" + strUtf8, strSjisText, strSaved},
        {file("; 予定表", strSjisText), strSjisText, strSaved},
        {file(";", "a\xF0\x9F\x98\x80" "b"), "a?b", file(";", "a?b")}, // not in code page 932: "?"
    };
    for (const auto& [strBytes, strText, strWritten] : rows)
    {
        m_folder.Write("TimeTable.ini", strBytes);
        const TaskList tasks = Load();
        ASSERT_EQ(1u, tasks.size()) << strBytes;
        EXPECT_EQ(strText, tasks[0]->m_strText);
        EXPECT_EQ("C:\\s\\c.wav", tasks[0]->m_strSound);
        ASSERT_TRUE(SaveTaskSection(Path(), {tasks[0].get()}, "TIMETABLE"));
        EXPECT_EQ(strWritten, m_folder.Read("TimeTable.ini").value());
        const TaskList reread = Load();
        ASSERT_EQ(1u, reread.size());
        EXPECT_EQ(strText, reread[0]->m_strText) << "read back as it was saved";
    }
    EXPECT_TRUE(m_box.m_texts.empty());
}
