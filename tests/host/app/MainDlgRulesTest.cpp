#include "app/MainDlgRules.h"

#include "timetable/TaskScheduler.h"
#include "timetable/TimeTask.h"

#include <gtest/gtest.h>

TEST(AnimationFlags, FollowTheStyleAndTheCorner)
{
    // Show style, corner, then the flags that show and hide the panel.
    const std::array<int, 4> cases[] = {
        {4, 3, 0x40008, 0x50004}, // defaults: slides up, back down
        {4, 0, 0x40004, 0x50008}, // vertical out of a top corner
        {4, 1, 0x40004, 0x50008}, {4, 2, 0x40008, 0x50004},
        {0, 0, 0x40001, 0x50002}, // horizontal out of a left corner
        {0, 2, 0x40001, 0x50002}, {0, 3, 0x40002, 0x50001}, {0, 1, 0x40002, 0x50001},
        {1, 3, 0x00002, 0x10001}, // roll: no slide
        {5, 0, 0x00004, 0x10008},
        {2, 3, 0x80000, 0x90000}, // fade, whatever the direction
        {7, 0, 0x80000, 0x90000},
        {4, 9, 0x40008, 0x50004}, // an unknown corner counts as bottom right
    };
    for (const auto& [nShowStyle, nDispPos, dwShow, dwHide] : cases)
    {
        const AnimationFlags flags = ComputeAnimationFlags(nShowStyle, nDispPos);
        EXPECT_EQ(static_cast<std::uint32_t>(dwShow), flags.dwShow) << nShowStyle << " " << nDispPos;
        EXPECT_EQ(static_cast<std::uint32_t>(dwHide), flags.dwHide) << nShowStyle << " " << nDispPos;
    }
}

TEST(HotKeyModifiers, EachFlagMapsToItsModifierAndHighBitsAreIgnored)
{
    for (const auto& [nFlags, nModifiers] :
         {std::pair{0x00, 0x0u}, {0x01, 0x4u}, {0x02, 0x2u}, {0x04, 0x1u}, {0x08, 0x8u}, {0xFF06, 0x3u}})
        EXPECT_EQ(nModifiers, TranslateHotKeyModifiers(nFlags)) << nFlags;
}

TEST(StartupTask, NeedsYearMonthDayHourAndMinuteAllAny)
{
    const TimeTask task{0, -1, -1, -1, 2, -1, -1, 10, 5, -1, -1, "", "", ""};
    EXPECT_TRUE(IsStartupTask(task));
    using T = TimeTask;
    for (int T::*field : {&T::m_nYear, &T::m_nMonth, &T::m_nDay, &T::m_nHour, &T::m_nMinute})
    {
        TimeTask set = task;
        set.*field = 0;
        EXPECT_FALSE(IsStartupTask(set));
    }
}
