#include "timetable/ScrollerModel.h"

#include "tests/host/HostData.h"

namespace {

constexpr int kHeight = 3 * 16; // three lines; the notice's timing: a 10 ms step, 2 s rests

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
    {
        SCOPED_TRACE(r[0] + " " + r[1] + " " + r[2]);
        const auto n = [&r](std::size_t i) { return Num(r[i]); };
        if (r[0] == "step")
            EXPECT_EQ(std::tuple(n(4), n(5), r[6] == "1"), StepUntilRestOrOut(n(1), n(2), r[3] == "1"));
        else if (r[0] == "rest")
            EXPECT_EQ(r[5] == "1", RestsAt(n(1), n(2), kHeight, n(3), n(4)));
        else
            EXPECT_EQ(r[4] == "-" ? std::nullopt : std::optional(n(4)),
                      NextCopyTop(n(1), n(2), kHeight, r[3] == "1"));
    }
}

TEST(NoticePages, EmptyPiecesAreDroppedAndThePagesComeRoundAgain)
{
    for (const DataRow& r : DataRows("notice-pages.txt"))
        EXPECT_EQ(DataRow(r.begin() + 1, r.end()), SplitPages(r[0])) << r[0];
    std::size_t nNext = 1; // page 0 is shown first
    EXPECT_EQ((std::array<std::optional<std::size_t>, 3>{1, 2, 0}),
              (std::array{TurnPage(nNext, 3), TurnPage(nNext, 3), TurnPage(nNext, 3)}));
    EXPECT_EQ(std::nullopt, TurnPage(nNext, 1));
    EXPECT_EQ(std::nullopt, TurnPage(nNext, 0));
}
