#include <gtest/gtest.h>

#include "sysinfo/ComctlVersion.h"
#include "sysinfo/TimerMath.h"

namespace {

TEST(TicksPerMs, RoundsToNearestWithTiesToEven) {
    EXPECT_EQ(TicksPerMsFromFrequency(1193182), 1193);
    EXPECT_EQ(TicksPerMsFromFrequency(3579545), 3580);
    EXPECT_EQ(TicksPerMsFromFrequency(10000000), 10000);
    EXPECT_EQ(TicksPerMsFromFrequency(1500), 2);
    EXPECT_EQ(TicksPerMsFromFrequency(2500), 2);
    EXPECT_EQ(TicksPerMsFromFrequency(500), 0);
    EXPECT_EQ(TicksPerMsFromFrequency(499), 0);
    EXPECT_EQ(TicksPerMsFromFrequency(501), 1);
    EXPECT_EQ(TicksPerMsFromFrequency(0), 0);
}

constexpr std::uint32_t Ver(std::uint32_t major, std::uint32_t minor) {
    return major << 16 | minor;
}

TEST(CommonControlsVersion, MustBeAtLeast470) {
    EXPECT_TRUE(VersionAtLeast(Ver(4, 70), 4, 70));
    EXPECT_TRUE(VersionAtLeast(Ver(4, 71), 4, 70));
    EXPECT_FALSE(VersionAtLeast(Ver(4, 69), 4, 70));
    EXPECT_TRUE(VersionAtLeast(Ver(5, 0), 4, 70));
    EXPECT_TRUE(VersionAtLeast(Ver(6, 10), 4, 70));
    EXPECT_FALSE(VersionAtLeast(Ver(3, 99), 4, 70));
    EXPECT_FALSE(VersionAtLeast(0, 4, 70)) << "no version record";
}

} // namespace
