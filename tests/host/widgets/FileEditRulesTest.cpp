#include "widgets/FileEditRules.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A folder whose name, a kanji, ends in the byte of a backslash.
const std::string kKanji = "C:\\\x95\x5c";

} // namespace

TEST(FileEditText, TheFirstNameCountsWithTheFolderItLiesInUnlessItIsAbsolute)
{
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {"C:\\sounds\\chime.wav", "C:\\sounds\\", {"chime.wav"}}, {"C:\\sounds\\", "C:\\sounds\\", {""}},
        {" ;; C:\\x\\a.wav  ;b", "C:\\x\\", {"a.wav"}}, {"sounds/a.wav", "sounds/", {"a.wav"}},
        {"D:a.wav", "D:", {"a.wav"}}, {kKanji + "\\a.wav", kKanji + "\\", {"a.wav"}},
        {kKanji, "C:\\", {kKanji.substr(3)}}, {" ; ", "", {}},
    };
    for (const auto& [text, strFolder, names] : cases)
    {
        const FileEditText parsed = ParseFileEditText(text);
        EXPECT_EQ(strFolder, parsed.strFolder) << text;
        EXPECT_EQ(names, parsed.names) << text;
    }
    // A one-letter name keeps its folder too.
    const std::tuple<std::string, std::string, std::string> paths[] = {
        {"C:\\x\\", "a.wav", "C:\\x\\a.wav"}, {"C:\\x\\", "a", "C:\\x\\a"}, {"C:\\x\\", "", "C:\\x\\"},
        {"", "a.wav", "a.wav"}, {"C:\\x\\", "D:\\y.wav", "D:\\y.wav"}, {"C:\\x\\", "\\y.wav", "\\y.wav"},
    };
    for (const auto& [strFolder, strName, strPath] : paths)
        EXPECT_EQ(strPath, PathInFolder(strFolder, strName)) << strFolder << "|" << strName;
    EXPECT_EQ("t.wav", NameInFolder("C:\\x\\", "C:\\x\\t.wav"));
    EXPECT_EQ("D:\\t.wav", NameInFolder("C:\\x\\", "D:\\t.wav"));
    for (const char* pszName : {"a.lnk", "A.LNK", "x.Pif"})
        EXPECT_TRUE(IsShortcutName(pszName)) << pszName;
    for (const char* pszName : {"lnk", "a.lnkx", "a.wav", ".ln"})
        EXPECT_FALSE(IsShortcutName(pszName)) << pszName;
}

TEST(BrowseButton, OpensInTheDeepestExistingFolderWithAnExistingFilesName)
{
    // A few folders and files; a final backslash names the same folder.
    const auto probe = [](const std::string& strPath) {
        const std::set<std::string> folders = {"C:", "C:\\sounds", kKanji};
        const std::set<std::string> files = {"C:\\sounds\\chime.wav", kKanji + "\\a.wav"};
        std::string strKey = strPath;
        if (strKey.size() > 2 && strKey.back() == '\\' && strKey != kKanji)
            strKey.pop_back();
        return folders.count(strKey) ? PathKind::Folder
               : files.count(strKey) ? PathKind::File
                                     : PathKind::Missing;
    };
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"C:\\sounds\\chime.wav", "C:\\sounds\\", "chime.wav"}, {"C:\\sounds\\no\\x.wav", "C:\\sounds\\", ""},
        {"C:\\sounds", "C:\\sounds\\", ""}, {"C:\\sounds\\", "C:\\sounds\\", ""}, {"\\x.wav", "", ""},
        {kKanji + "\\a.wav", kKanji + "\\", "a.wav"}, {"C:\\no\\x.wav", "C:\\", ""}, {"Q:\\x.wav", "", ""},
    };
    for (const auto& [strPath, strFolder, strName] : cases)
    {
        const BrowseStart start = DecideBrowseStart(strPath, probe);
        EXPECT_EQ(strFolder, start.strFolder) << strPath;
        EXPECT_EQ(strName, start.strName) << strPath;
    }
    // The browse button's width, by default 8/10 of the client height.
    EXPECT_EQ(16, BrowseButtonWidth(-1, 20));
    EXPECT_EQ(13, BrowseButtonWidth(-1, 17));
    EXPECT_EQ(15, BrowseButtonWidth(15, 17));
}
