#include "app/MainDlgRules.h"

#include "timetable/TaskScheduler.h"
#include "timetable/TimeTask.h"

#include <gtest/gtest.h>

struct AnimationCase
{
    int nShowStyle;
    int nDispPos;
    std::uint32_t dwShow;
    std::uint32_t dwHide;
};

class AnimationFlagsTest : public ::testing::TestWithParam<AnimationCase>
{
};

TEST_P(AnimationFlagsTest, FollowTheStyleAndTheCorner)
{
    const AnimationCase& c = GetParam();
    const AnimationFlags flags = ComputeAnimationFlags(c.nShowStyle, c.nDispPos);
    EXPECT_EQ(c.dwShow, flags.dwShow);
    EXPECT_EQ(c.dwHide, flags.dwHide);
}

INSTANTIATE_TEST_SUITE_P(
    ShowStyles, AnimationFlagsTest,
    ::testing::Values(AnimationCase{4, 3, 0x40008, 0x50004},   // defaults: slides up, back down
                      AnimationCase{4, 0, 0x40004, 0x50008},   // vertical out of a top corner
                      AnimationCase{4, 1, 0x40004, 0x50008},
                      AnimationCase{4, 2, 0x40008, 0x50004},
                      AnimationCase{0, 0, 0x40001, 0x50002},   // horizontal out of a left corner
                      AnimationCase{0, 2, 0x40001, 0x50002},
                      AnimationCase{0, 3, 0x40002, 0x50001},
                      AnimationCase{0, 1, 0x40002, 0x50001},
                      AnimationCase{1, 3, 0x00002, 0x10001},   // roll: no slide
                      AnimationCase{5, 0, 0x00004, 0x10008},
                      AnimationCase{2, 3, 0x80000, 0x90000},   // fade, whatever the direction
                      AnimationCase{7, 0, 0x80000, 0x90000},
                      AnimationCase{4, 9, 0x40008, 0x50004})); // an unknown corner counts as bottom right

TEST(HotKeyModifiers, EachFlagMapsToItsModifierAndHighBitsAreIgnored)
{
    EXPECT_EQ(0x0u, TranslateHotKeyModifiers(0x00));
    EXPECT_EQ(0x4u, TranslateHotKeyModifiers(0x01));
    EXPECT_EQ(0x2u, TranslateHotKeyModifiers(0x02));
    EXPECT_EQ(0x1u, TranslateHotKeyModifiers(0x04));
    EXPECT_EQ(0x8u, TranslateHotKeyModifiers(0x08));
    EXPECT_EQ(0xFu, TranslateHotKeyModifiers(0x0F));
    EXPECT_EQ(0x3u, TranslateHotKeyModifiers(0xFF06));
}

TEST(StartupTask, NeedsYearMonthDayHourAndMinuteAllAny)
{
    TimeTask task;
    task.m_nWeekday = 2;
    task.m_nLeadSeconds = 10;
    task.m_nShowSeconds = 5;
    EXPECT_TRUE(IsStartupTask(task));
    int TimeTask::*fields[] = {&TimeTask::m_nYear, &TimeTask::m_nMonth, &TimeTask::m_nDay, &TimeTask::m_nHour,
                               &TimeTask::m_nMinute};
    for (int TimeTask::*field : fields)
    {
        TimeTask set = task;
        set.*field = 0;
        EXPECT_FALSE(IsStartupTask(set));
    }
}
