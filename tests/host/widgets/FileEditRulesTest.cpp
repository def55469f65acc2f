#include "widgets/FileEditRules.h"

#include "tests/host/HostData.h"

#include <set>

TEST(FileEditText, NamesFoldersShortcutsAndWhereTheBrowseButtonOpens)
{
    // A final backslash names the same folder.
    const std::string kanji = "C:\\\x95\x5c";
    const auto probe = [&kanji](std::string strPath) {
        const std::set<std::string> folders = {"C:", "C:\\sounds", kanji};
        const std::set<std::string> files = {"C:\\sounds\\chime.wav", kanji + "\\a.wav"};
        if (strPath.size() > 2 && strPath.back() == '\\' && strPath != kanji)
            strPath.pop_back();
        return folders.count(strPath) ? PathKind::Folder
                                      : (files.count(strPath) ? PathKind::File : PathKind::Missing);
    };
    for (const DataRow& r : DataRows("file-edit.txt"))
    {
        SCOPED_TRACE(r[0] + " " + r[1]);
        if (r[0] == "parse")
        {
            const FileEditText parsed = ParseFileEditText(r[1]);
            EXPECT_EQ(r[2], parsed.strFolder);
            EXPECT_EQ(DataRow(r.begin() + 3, r.end()), parsed.names);
        }
        else if (r[0] == "path")
            EXPECT_EQ(r[3], PathInFolder(r[1], r[2]));
        else if (r[0] == "name")
            EXPECT_EQ(r[3], NameInFolder(r[1], r[2]));
        else if (r[0] == "shortcut")
            EXPECT_EQ(r[2] == "1", IsShortcutName(r[1].c_str()));
        else if (r[0] == "width")
            EXPECT_EQ(Num(r[3]), BrowseButtonWidth(Num(r[1]), Num(r[2])));
        else
        {
            const BrowseStart start = DecideBrowseStart(r[1], probe);
            EXPECT_EQ((std::pair{r[2], r[3]}), (std::pair{start.strFolder, start.strName}));
        }
    }
}
