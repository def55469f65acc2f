#include "widgets/LinkLine.h"

#include "tests/host/HostData.h"

#include <vector>

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
