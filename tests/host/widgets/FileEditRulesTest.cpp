#include "widgets/FileEditRules.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// "\x95\x5c" (a kanji) ends in the byte of a backslash.
const std::string kKanji = "\x95\x5c";

// A file system of a few folders and files; a final backslash names the same folder.
PathKind FakeProbe(const std::string& strPath)
{
    static const std::set<std::string> folders = {"C:", "C:\\sounds", "C:\\" + kKanji};
    static const std::set<std::string> files = {"C:\\sounds\\chime.wav", "C:\\" + kKanji + "\\a.wav"};
    std::string strKey = strPath;
    if (strKey.size() > 2 && strKey.back() == '\\' && strKey.compare(strKey.size() - 2, 2, kKanji) != 0)
        strKey.pop_back();
    if (folders.count(strKey))
        return PathKind::Folder;
    return files.count(strKey) ? PathKind::File : PathKind::Missing;
}

} // namespace

TEST(FileEditText, TheFirstNameCountsWithTheFolderItLiesIn)
{
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {"C:\\sounds\\chime.wav", "C:\\sounds\\", {"chime.wav"}},
        {" ;; C:\\x\\a.wav  ;b", "C:\\x\\", {"a.wav"}},
        {"C:\\sounds\\", "C:\\sounds\\", {""}},
        {"sounds/a.wav", "sounds/", {"a.wav"}},
        {"D:a.wav", "D:", {"a.wav"}},
        {"C:\\" + kKanji + "\\a.wav", "C:\\" + kKanji + "\\", {"a.wav"}},
        {"C:\\" + kKanji, "C:\\", {kKanji}},
        {" ; ", "", {}},
    };
    for (const auto& [text, strFolder, names] : cases)
    {
        const FileEditText parsed = ParseFileEditText(text);
        EXPECT_EQ(strFolder, parsed.strFolder) << text;
        EXPECT_EQ(names, parsed.names) << text;
    }
    for (const char* pszName : {"a.lnk", "A.LNK", "x.Pif"})
        EXPECT_TRUE(IsShortcutName(pszName)) << pszName;
    for (const char* pszName : {"lnk", "a.lnkx", "a.wav", ".ln"})
        EXPECT_FALSE(IsShortcutName(pszName)) << pszName;
}

TEST(FileEditText, ANameGetsItsFolderUnlessItIsAbsolute)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"C:\\x\\", "a.wav", "C:\\x\\a.wav"},
        {"C:\\x\\", "a", "C:\\x\\a"}, // a one-letter name keeps its folder too
        {"C:\\x\\", "", "C:\\x\\"},
        {"", "a.wav", "a.wav"},
        {"C:\\x\\", "D:\\y.wav", "D:\\y.wav"},
        {"C:\\x\\", "\\y.wav", "\\y.wav"},
    };
    for (const auto& [strFolder, strName, strPath] : cases)
        EXPECT_EQ(strPath, PathInFolder(strFolder, strName)) << strFolder << "|" << strName;
    EXPECT_EQ("t.wav", NameInFolder("C:\\x\\", "C:\\x\\t.wav"));
    EXPECT_EQ("D:\\t.wav", NameInFolder("C:\\x\\", "D:\\t.wav"));
}

TEST(BrowseStart, OpensInTheDeepestExistingFolderWithAnExistingFilesName)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"C:\\sounds\\chime.wav", "C:\\sounds\\", "chime.wav"},
        {"C:\\sounds\\nope\\x.wav", "C:\\sounds\\", ""},
        {"C:\\sounds", "C:\\sounds\\", ""},
        {"C:\\sounds\\", "C:\\sounds\\", ""},
        {"C:\\" + kKanji + "\\a.wav", "C:\\" + kKanji + "\\", "a.wav"},
        {"C:\\nope\\x.wav", "C:\\", ""},
        {"Q:\\x.wav", "", ""},
        {"\\x.wav", "", ""},
    };
    for (const auto& [strPath, strFolder, strName] : cases)
    {
        const BrowseStart start = DecideBrowseStart(strPath, &FakeProbe);
        EXPECT_EQ(strFolder, start.strFolder) << strPath;
        EXPECT_EQ(strName, start.strName) << strPath;
    }
}

TEST(BrowseButton, ItsDotsSitAroundTheMiddle)
{
    // Width, height, shift; then the dots' x, y and size.
    const std::pair<std::array<int, 3>, std::vector<int>> cases[] = {
        {{15, 17, 0}, {4, 7, 10, 8, 1}}, // the task dialog's button
        {{15, 17, 1}, {5, 8, 11, 9, 1}}, // pressed
        {{16, 20, 0}, {3, 7, 11, 10, 1}},
        {{20, 21, 0}, {4, 9, 14, 9, 2}},
    };
    for (const auto& [size, expected] : cases)
    {
        const BrowseDots dots = PlaceBrowseDots(size[0], size[1], size[2]);
        EXPECT_EQ(expected, (std::vector<int>{dots.x[0], dots.x[1], dots.x[2], dots.y, dots.nSize}))
            << size[0] << "x" << size[1];
    }
    EXPECT_EQ(16, BrowseButtonWidth(-1, 20)) << "8/10 of the client height";
    EXPECT_EQ(13, BrowseButtonWidth(-1, 17));
    EXPECT_EQ(15, BrowseButtonWidth(15, 17));
}
