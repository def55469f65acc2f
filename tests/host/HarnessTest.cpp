// Proves that the test harness took away the right to set the clock, without trying to
// set it while the right is still there.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <sys/time.h>
#include <linux/capability.h>

namespace {

// Effective capabilities of this process, from /proc/self/status.
std::uint64_t EffectiveCapabilities()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("CapEff:", 0) == 0)
            return std::stoull(line.substr(7), nullptr, 16);
    }
    return ~0ull;
}

} // namespace

TEST(Harness, TestsCannotSetTheClock)
{
    ASSERT_EQ(0u, EffectiveCapabilities() & (1ull << CAP_SYS_TIME)) << "CAP_SYS_TIME is effective";
    const int inBoundingSet = prctl(PR_CAPBSET_READ, CAP_SYS_TIME, 0, 0, 0);
    ASSERT_EQ(0, inBoundingSet) << "CAP_SYS_TIME is still in the bounding set: run under the Wine session";

    timeval now{};
    ASSERT_EQ(0, gettimeofday(&now, nullptr));
    errno = 0;
    EXPECT_EQ(-1, settimeofday(&now, nullptr));
    EXPECT_EQ(EPERM, errno);
}
