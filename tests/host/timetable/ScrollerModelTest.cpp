#include "timetable/ScrollerModel.h"

#include <gtest/gtest.h>

namespace {

// A control three lines of 16 pixels high, with the notice's timing: a 10 ms step, 2 s rests.
constexpr int kLine = 16;
constexpr int kHeight = 3 * kLine;
constexpr int kPauseMs = 2000;
constexpr int kDelayMs = 0;

struct Steps
{
    int nSteps = 0;
    int nOffset = 0;
    bool bScrolledOut = false;
};

// Steps from nOffset until the text rests or has scrolled out, as the control's timer does.
Steps StepUntilRestOrOut(int nOffset, int nTextHeight, bool bWrap)
{
    Steps run{0, nOffset, false};
    while (run.nSteps < 1000)
    {
        const ScrollMove move = ScrollUpOnePixel(run.nOffset, nTextHeight, kHeight, bWrap);
        ++run.nSteps;
        run.nOffset = move.nOffset;
        run.bScrolledOut = move.bScrolledOut;
        if (move.bScrolledOut || RestsAt(run.nOffset, nTextHeight, kHeight, kPauseMs, kDelayMs))
            break;
    }
    return run;
}

} // namespace

TEST(ScrollerModel, RestsAtTheTopOnlyWhenTheRestOutlastsAStep)
{
    EXPECT_TRUE(RestsAt(0, kLine, kHeight, kPauseMs, kDelayMs));
    EXPECT_TRUE(RestsAt(0, kLine, kHeight, 81, 80));
    EXPECT_FALSE(RestsAt(0, kLine, kHeight, 80, 80));
    EXPECT_FALSE(RestsAt(-1, kLine, kHeight, kPauseMs, kDelayMs));
    EXPECT_FALSE(RestsAt(1, kLine, kHeight, kPauseMs, kDelayMs));
}

TEST(ScrollerModel, RisesUntilTheLastLineHasLeftThenReentersFromBelow)
{
    // One line leaves after kLine + 1 steps: at -kLine its last row is still just gone.
    const Steps out = StepUntilRestOrOut(0, kLine, false);
    EXPECT_TRUE(out.bScrolledOut);
    EXPECT_EQ(kLine + 1, out.nSteps);
    EXPECT_EQ(kHeight, out.nOffset);
    // From below it passes "last line at the bottom" (offset 32) without a rest: it is short.
    const Steps in = StepUntilRestOrOut(out.nOffset, kLine, false);
    EXPECT_FALSE(in.bScrolledOut);
    EXPECT_EQ(kHeight, in.nSteps);
    EXPECT_EQ(0, in.nOffset);
    // Wrapping, it starts again at the top, where it rests.
    EXPECT_EQ(0, StepUntilRestOrOut(0, kLine, true).nOffset);
}

TEST(ScrollerModel, AFiveLinePageRestsWithItsLastLinesShownAtTheBottom)
{
    const int nText = 5 * kLine;
    const Steps rest = StepUntilRestOrOut(0, nText, false);
    EXPECT_FALSE(rest.bScrolledOut);
    EXPECT_EQ(kHeight - nText, rest.nOffset);
    const Steps out = StepUntilRestOrOut(rest.nOffset, nText, false);
    EXPECT_TRUE(out.bScrolledOut);
    EXPECT_EQ(kHeight + 1, out.nSteps);
}

TEST(ScrollerModel, CopiesFillTheControlBelowAWrappingText)
{
    EXPECT_EQ(std::optional<int>(6), NextCopyTop(-10, kLine, kHeight, true));
    EXPECT_EQ(std::optional<int>(47), NextCopyTop(31, kLine, kHeight, true));
    EXPECT_EQ(std::nullopt, NextCopyTop(32, kLine, kHeight, true));
    EXPECT_EQ(std::nullopt, NextCopyTop(-10, kLine, kHeight, false));
    EXPECT_EQ(std::nullopt, NextCopyTop(0, 0, kHeight, true)) << "an empty text is drawn once";
}

TEST(NoticePages, ThreePagesComeRoundAgain)
{
    const std::vector<std::string> pages = SplitPages("A|B|C");
    ASSERT_EQ((std::vector<std::string>{"A", "B", "C"}), pages);
    std::size_t nNext = 1; // page 0 is shown first
    std::string shown = pages[0];
    for (int i = 0; i < 3; ++i)
        shown += pages[TurnPage(nNext, pages.size()).value()];
    EXPECT_EQ("ABCA", shown);
}

TEST(NoticePages, EmptyPiecesAreDropped)
{
    EXPECT_EQ((std::vector<std::string>{"A"}), SplitPages("|A||"));
    EXPECT_EQ((std::vector<std::string>{" ", "B\nC"}), SplitPages(" |B\nC|"));
    EXPECT_TRUE(SplitPages("").empty());
    EXPECT_TRUE(SplitPages("||").empty());
    std::size_t nNext = 1;
    EXPECT_EQ(std::nullopt, TurnPage(nNext, 1));
    EXPECT_EQ(std::nullopt, TurnPage(nNext, 0));
}

TEST(NoticePages, ADoubleByteCharacterEndingInABarIsNoPageBreak)
{
    // "\x83\x7c" is a katakana po ("pointo" here); its trail byte is the code of "|".
    EXPECT_EQ((std::vector<std::string>{"\x83\x7c\x83\x43\x83\x93\x83\x67", "B"}),
              SplitPages("\x83\x7c\x83\x43\x83\x93\x83\x67|B"));
    EXPECT_EQ((std::vector<std::string>{"A", "\x83\x7c"}), SplitPages("A|\x83\x7c"));
}
