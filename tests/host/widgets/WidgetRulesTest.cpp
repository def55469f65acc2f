#include "widgets/FileEditRules.h"
#include "widgets/LinkLine.h"

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
        const FileEditText parsed = r[0] == "parse" ? ParseFileEditText(r[1]) : FileEditText{};
        const BrowseStart start = r[0] == "browse" ? DecideBrowseStart(r[1], probe) : BrowseStart{};
        if (r[0] == "parse")
            EXPECT_EQ(std::pair(r[2], DataRow(r.begin() + 3, r.end())),
                      std::pair(parsed.strFolder, parsed.names));
        else if (r[0] == "path")
            EXPECT_EQ(r[3], PathInFolder(r[1], r[2]));
        else if (r[0] == "name")
            EXPECT_EQ(r[3], NameInFolder(r[1], r[2]));
        else if (r[0] == "shortcut")
            EXPECT_EQ(r[2] == "1", IsShortcutName(r[1].c_str()));
        else if (r[0] == "width")
            EXPECT_EQ(Num(r[3]), BrowseButtonWidth(Num(r[1]), Num(r[2])));
        else
            EXPECT_EQ((std::pair{r[2], r[3]}), (std::pair{start.strFolder, start.strName}));
    }
}

namespace {

constexpr LinkArea kArea{2, 2, 102, 22}; // as in a control of 104 x 24

LinkLine Line(const std::vector<int>& widths, LinkArea rcText = kArea)
{
    LinkLine line;
    for (size_t i = 0; i < widths.size(); ++i)
    {
        line.AddItem("item", "");
        line.SetMeasure(i, widths[i], 14);
    }
    line.SetTextArea(rcText);
    line.Restart();
    return line;
}

std::vector<LinkCopy> Steps(LinkLine& line, int nSteps)
{
    for (int i = 0; i < nSteps; ++i)
        line.Step();
    return {line.Copies().begin(), line.Copies().end()};
}

} // namespace

TEST(LinkLine, CopiesMoveAPixelAStepFollowEachOtherRoundTheLoopAndAreHitWithinTheirBand)
{
    LinkLine hover = Line({30, 20});
    Steps(hover, 129);
    for (const DataRow& r : DataRows("link-line.txt"))
    {
        const bool bSteps = r[0] != "hover";
        const auto equals = bSteps ? std::find(r.begin(), r.end(), "=") : r.begin() + 2;
        const auto isNumber = [](const std::string& w) { return std::isdigit(w.back()) != 0; };
        std::vector<LinkCopy> copies;
        for (auto it = equals + 1; it + 1 < r.end() && isNumber(it[0]) && isNumber(it[1]); it += 2)
            copies.push_back({Num<std::size_t>(it[0]), Num(it[1])});
        if (bSteps)
        {
            std::vector<int> widths;
            std::transform(r.begin() + 2, equals, std::back_inserter(widths), Num<int>);
            LinkLine line = Line(widths, r[0] == "narrow" ? LinkArea{2, 2, 32, 22} : kArea);
            EXPECT_EQ(copies, Steps(line, Num(r[1]))) << r[1] << " steps";
        }
        else
            EXPECT_EQ(hover.HitTest(Num(r[1]), Num(r[2])),
                      copies.empty() ? std::nullopt : std::optional(copies[0])) << r[1] << "," << r[2];
    }
    EXPECT_FALSE(LinkLine().Restart()) << "nothing to scroll";
    LinkLine edge = Line({30});
    Steps(edge, 10); // at 92, running 30 pixels past the right edge at 102
    EXPECT_TRUE(edge.HitTest(101, 8));
    EXPECT_FALSE(edge.HitTest(102, 8));
}
