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
    const struct
    {
        std::string text;
        std::string strFolder;
        std::vector<std::string> names;
    } cases[] = {
        {"C:\\sounds\\chime.wav", "C:\\sounds\\", {"chime.wav"}},
        {"a.wav; b.wav", "", {"a.wav"}},
        {" ;; C:\\x\\a.wav  ;b", "C:\\x\\", {"a.wav"}},
        {"C:\\sounds\\", "C:\\sounds\\", {""}},
        {"sounds/a.wav", "sounds/", {"a.wav"}},
        {"D:a.wav", "D:", {"a.wav"}},
        {"C:\\" + kKanji + "\\a.wav", "C:\\" + kKanji + "\\", {"a.wav"}},
        {"C:\\" + kKanji, "C:\\", {kKanji}},
        {"", "", {}},
        {" ; ", "", {}},
    };
    for (const auto& c : cases)
    {
        const FileEditText parsed = ParseFileEditText(c.text);
        EXPECT_EQ(c.strFolder, parsed.strFolder) << c.text;
        EXPECT_EQ(c.names, parsed.names) << c.text;
    }
}

TEST(FileEditText, ANameGetsItsFolderUnlessItIsAbsolute)
{
    const struct
    {
        std::string strFolder, strName, strPath;
    } cases[] = {
        {"C:\\x\\", "a.wav", "C:\\x\\a.wav"},
        {"C:\\x\\", "a", "C:\\x\\a"}, // a one-letter name keeps its folder too
        {"C:\\x\\", "", "C:\\x\\"},
        {"sounds\\", "a.wav", "sounds\\a.wav"},
        {"", "a.wav", "a.wav"},
        {"C:\\x\\", "D:\\y.wav", "D:\\y.wav"},
        {"C:\\x\\", "\\y.wav", "\\y.wav"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.strPath, PathInFolder(c.strFolder, c.strName)) << c.strFolder << "|" << c.strName;
    EXPECT_EQ("t.wav", NameInFolder("C:\\x\\", "C:\\x\\t.wav"));
    EXPECT_EQ("D:\\t.wav", NameInFolder("C:\\x\\", "D:\\t.wav"));
}

TEST(FileEditText, ShortcutsAreNamedLnkOrPifInAnyCase)
{
    for (const char* pszName : {"a.lnk", "A.LNK", "x.Pif"})
        EXPECT_TRUE(IsShortcutName(pszName)) << pszName;
    for (const char* pszName : {"lnk", "a.lnkx", "a.wav", ".ln"})
        EXPECT_FALSE(IsShortcutName(pszName)) << pszName;
}

TEST(BrowseStart, OpensInTheDeepestExistingFolderWithAnExistingFilesName)
{
    const struct
    {
        std::string strPath, strFolder, strName;
    } cases[] = {
        {"C:\\sounds\\chime.wav", "C:\\sounds\\", "chime.wav"},
        {"C:\\sounds\\gone.wav", "C:\\sounds\\", ""},
        {"C:\\sounds\\nope\\x.wav", "C:\\sounds\\", ""},
        {"C:\\sounds", "C:\\sounds\\", ""},
        {"C:\\sounds\\", "C:\\sounds\\", ""},
        {"C:\\" + kKanji + "\\a.wav", "C:\\" + kKanji + "\\", "a.wav"},
        {"C:\\nope\\x.wav", "C:\\", ""},
        {"Q:\\x.wav", "", ""},
        {"\\x.wav", "", ""},
    };
    for (const auto& c : cases)
    {
        const BrowseStart start = DecideBrowseStart(c.strPath, &FakeProbe);
        EXPECT_EQ(c.strFolder, start.strFolder) << c.strPath;
        EXPECT_EQ(c.strName, start.strName) << c.strPath;
    }
}

TEST(BrowseButton, ItsDotsSitAroundTheMiddle)
{
    const struct
    {
        int nWidth, nHeight, nShift;
        BrowseDots dots;
    } cases[] = {
        {15, 17, 0, {{4, 7, 10}, 8, 1}}, // the task dialog's button
        {15, 17, 1, {{5, 8, 11}, 9, 1}}, // pressed
        {16, 20, 0, {{3, 7, 11}, 10, 1}},
        {20, 21, 0, {{4, 9, 14}, 9, 2}},
    };
    for (const auto& c : cases)
    {
        const BrowseDots dots = PlaceBrowseDots(c.nWidth, c.nHeight, c.nShift);
        EXPECT_EQ((std::vector<int>{c.dots.x[0], c.dots.x[1], c.dots.x[2], c.dots.y, c.dots.nSize}),
                  (std::vector<int>{dots.x[0], dots.x[1], dots.x[2], dots.y, dots.nSize}))
            << c.nWidth << "x" << c.nHeight;
    }
    EXPECT_EQ(16, BrowseButtonWidth(-1, 20)) << "8/10 of the client height";
    EXPECT_EQ(13, BrowseButtonWidth(-1, 17));
    EXPECT_EQ(15, BrowseButtonWidth(15, 17));
}
