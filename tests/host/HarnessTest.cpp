// The right to set the clock is gone; settimeofday is tried only once that is certain.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <sys/time.h>
#include <linux/capability.h>

TEST(Harness, TestsCannotSetTheClock)
{
    std::ifstream status("/proc/self/status");
    std::uint64_t nEffective = ~0ull;
    for (std::string line; std::getline(status, line);)
        if (line.rfind("CapEff:", 0) == 0)
            nEffective = std::stoull(line.substr(7), nullptr, 16);
    ASSERT_EQ(0u, nEffective & (1ull << CAP_SYS_TIME)) << "CAP_SYS_TIME is effective";
    ASSERT_EQ(0, prctl(PR_CAPBSET_READ, CAP_SYS_TIME, 0, 0, 0))
        << "CAP_SYS_TIME is still in the bounding set: run under the Wine session";
    timeval now{};
    ASSERT_EQ(0, gettimeofday(&now, nullptr));
    errno = 0;
    EXPECT_EQ(-1, settimeofday(&now, nullptr));
    EXPECT_EQ(EPERM, errno);
}
