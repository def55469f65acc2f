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
    for (const DataRow& r : DataRows("scroller.txt"))
        EXPECT_EQ(std::tuple(Num(r[3]), Num(r[4]), r[5] == "1"),
                  StepUntilRestOrOut(Num(r[0]), Num(r[1]), r[2] == "1")) << r[0] << " " << r[1];
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
