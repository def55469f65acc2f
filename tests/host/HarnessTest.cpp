// settimeofday is tried only once CAP_SYS_TIME is out of the bounding set: nothing started since holds it.
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
