// The right to set the clock is gone from the bounding set, so no program started since holds it;
// settimeofday is tried only once that is certain.
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/prctl.h>
#include <sys/time.h>
#include <linux/capability.h>

TEST(Harness, TestsCannotSetTheClock)
{
    ASSERT_EQ(0, prctl(PR_CAPBSET_READ, CAP_SYS_TIME, 0, 0, 0))
        << "CAP_SYS_TIME is still in the bounding set: run under the Wine session";
    timeval now{};
    ASSERT_EQ(0, gettimeofday(&now, nullptr));
    errno = 0;
    EXPECT_EQ(-1, settimeofday(&now, nullptr));
    EXPECT_EQ(EPERM, errno);
}
