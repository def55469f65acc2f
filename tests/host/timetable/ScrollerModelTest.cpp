#include "timetable/ScrollerModel.h"

#include "tests/host/HostData.h"

namespace {

// A control three lines of 16 pixels high, with the notice's timing: a 10 ms step, 2 s rests.
constexpr int kLine = 16;
constexpr int kHeight = 3 * kLine;

// Steps from nOffset until the text rests or has scrolled out, as the control's timer does:
// the steps taken, the offset reached, whether it scrolled out.
std::tuple<int, int, bool> StepUntilRestOrOut(int nOffset, int nTextHeight, bool bWrap)
{
    for (int nSteps = 1; nSteps <= 1000; ++nSteps)
    {
        const ScrollMove move = ScrollUpOnePixel(nOffset, nTextHeight, kHeight, bWrap);
        nOffset = move.nOffset;
        if (move.bScrolledOut || RestsAt(nOffset, nTextHeight, kHeight, 2000, 0))
            return {nSteps, nOffset, move.bScrolledOut};
    }
    return {1000, nOffset, false};
}

} // namespace

TEST(ScrollerModel, RisesUntilTheLastLineHasLeftRestingWhereAPageEndsAndReentersFromBelow)
{
    // One line leaves after kLine + 1 steps: at -kLine its last row is still just gone. From below
    // it passes "last line at the bottom" (offset 32) without a rest: it is short. Wrapping, it
    // starts again at the top, where it rests. Five lines rest with their last lines at the bottom.
    const std::tuple<int, int, bool, std::tuple<int, int, bool>> cases[] = {
        {0, kLine, false, {kLine + 1, kHeight, true}},
        {kHeight, kLine, false, {kHeight, 0, false}},
        {0, kLine, true, {kLine + 1, 0, true}},
        {0, 5 * kLine, false, {2 * kLine, kHeight - 5 * kLine, false}},
        {kHeight - 5 * kLine, 5 * kLine, false, {kHeight + 1, kHeight, true}},
    };
    for (const auto& [nOffset, nTextHeight, bWrap, expected] : cases)
        EXPECT_EQ(expected, StepUntilRestOrOut(nOffset, nTextHeight, bWrap)) << nOffset << " " << nTextHeight;
    // It rests at the top only when the rest outlasts a step.
    EXPECT_TRUE(RestsAt(0, kLine, kHeight, 81, 80));
    EXPECT_FALSE(RestsAt(0, kLine, kHeight, 80, 80));
    EXPECT_FALSE(RestsAt(-1, kLine, kHeight, 2000, 0));
    EXPECT_FALSE(RestsAt(1, kLine, kHeight, 2000, 0));
    // Copies fill the control below a wrapping text; an empty text is drawn once.
    EXPECT_EQ(std::optional<int>(6), NextCopyTop(-10, kLine, kHeight, true));
    EXPECT_EQ(std::optional<int>(47), NextCopyTop(31, kLine, kHeight, true));
    EXPECT_EQ(std::nullopt, NextCopyTop(32, kLine, kHeight, true));
    EXPECT_EQ(std::nullopt, NextCopyTop(-10, kLine, kHeight, false));
    EXPECT_EQ(std::nullopt, NextCopyTop(0, 0, kHeight, true));
}

TEST(NoticePages, EmptyPiecesAreDroppedAndThePagesComeRoundAgain)
{
    for (const DataRow& r : DataRows("notice-pages.txt"))
        EXPECT_EQ(DataRow(r.begin() + 1, r.end()), SplitPages(r[0])) << r[0];
    std::size_t nNext = 1; // page 0 is shown first
    std::vector<std::size_t> turned;
    for (int i = 0; i < 3; ++i)
        turned.push_back(TurnPage(nNext, 3).value());
    EXPECT_EQ((std::vector<std::size_t>{1, 2, 0}), turned);
    EXPECT_EQ(std::nullopt, TurnPage(nNext, 1));
    EXPECT_EQ(std::nullopt, TurnPage(nNext, 0));
}
