#include "app/MainDlgRules.h"
#include "timetable/TaskScheduler.h"

#include "tests/host/HostData.h"

TEST(AnimationFlags, FollowTheStyleAndTheCorner)
{
    for (const DataRow& r : DataRows("animation-flags.txt"))
    {
        const AnimationFlags flags = ComputeAnimationFlags(Num(r[0]), Num(r[1]));
        EXPECT_EQ(std::pair(Num<std::uint32_t>(r[2]), Num<std::uint32_t>(r[3])),
                  std::pair(flags.dwShow, flags.dwHide)) << r[0] << " " << r[1];
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
