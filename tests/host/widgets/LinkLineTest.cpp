#include "widgets/LinkLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A text area from x 2 to 102, 20 pixels high, as in a control of 104 x 24.
constexpr LinkArea kArea{2, 2, 102, 22};

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

TEST(LinkLine, CopiesMoveAPixelAStepAndFollowEachOtherRoundTheLoop)
{
    // The next item enters when the rightmost copy's right end is more than the gap (50) left
    // of the right edge; a copy goes when its right end reaches the left edge.
    const std::tuple<std::vector<int>, int, std::vector<LinkCopy>> cases[] = {
        {{30, 20}, 0, {{0, 102}}},
        {{30, 20}, 1, {{0, 101}}},
        {{30, 20}, 80, {{0, 22}}},            // 22 + 30 + 50 = 102: not yet left of the edge
        {{30, 20}, 81, {{0, 21}, {1, 102}}},  // item 1 enters 51 pixels behind item 0's end
        {{30, 20}, 129, {{0, -27}, {1, 54}}}, // item 0 ends at 3, still over the text area
        {{30, 20}, 130, {{1, 53}}},           // ... and at 2 it has gone
        {{30, 20}, 152, {{1, 31}, {0, 102}}}, // after the last item comes item 0 again
        {{30}, 81, {{0, 21}, {0, 102}}},      // one item follows itself
    };
    for (const auto& [widths, nSteps, copies] : cases)
    {
        LinkLine line = Line(widths);
        EXPECT_EQ(copies, Steps(line, nSteps)) << widths.size() << " items, " << nSteps << " steps";
    }
    EXPECT_FALSE(LinkLine().Restart()) << "nothing to scroll";
    // A line narrower than the gap never runs empty: item 0 leaves after 40 steps, before the gap
    // behind it could open.
    LinkLine line = Line({10, 10}, LinkArea{2, 2, 32, 22});
    EXPECT_EQ((std::vector<LinkCopy>{{1, 32}}), Steps(line, 40));
    EXPECT_EQ((std::vector<LinkCopy>{{0, 32}}), Steps(line, 40));
}

TEST(LinkLine, TheHoverBandIsTheCopyWithinTheTextAreaAndItsTextHigh)
{
    // Copies of item 0 at -27 (30 wide) and item 1 at 54 (20 wide); texts 14 high, so the band
    // runs from (20 - 14) / 2 = 3 to 16 measured from the control's top.
    LinkLine line = Line({30, 20});
    Steps(line, 129);
    const std::tuple<int, int, std::optional<LinkCopy>> cases[] = {
        {2, 8, LinkCopy{0, -27}}, // the visible end of the copy that started off the area
        {1, 8, std::nullopt},     // left of the text area
        {3, 8, std::nullopt},     // its right end is outside
        {54, 8, LinkCopy{1, 54}}, {74, 8, std::nullopt},     {40, 8, std::nullopt}, // in the gap
        {60, 2, std::nullopt},    {60, 16, LinkCopy{1, 54}}, {60, 17, std::nullopt},
    };
    for (const auto& [x, y, hit] : cases)
        EXPECT_EQ(hit, line.HitTest(x, y)) << x << "," << y;

    LinkLine edge = Line({30});
    Steps(edge, 10); // at 92, running 30 pixels past the right edge at 102
    EXPECT_TRUE(edge.HitTest(101, 8));
    EXPECT_FALSE(edge.HitTest(102, 8));
}
