#include <gtest/gtest.h>

#include "render/ScrollBand.h"

namespace {

TEST(ScrollBand, CentresWholeLinesOnA1024x768Monitor) {
    const auto layout = ComputeBandLayout({1, 1, 1024, 768}, 43, 768);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->areaHeight, 767);
    EXPECT_EQ(layout->areaWidth, 1023);
    EXPECT_EQ(layout->band, (Rect32{1, 19, 1024, 750}));
    EXPECT_EQ(layout->bandLines, 17);
}

TEST(ScrollBand, SlackBelowTwoLeavesTheTopAtOne) {
    // Differences of 0, 1, 2 and 3 pixels halve to an offset o of 0 or 1.
    for (auto [height, slack] :
         {std::pair{13, 0}, std::pair{383, 1}, std::pair{765, 2}, std::pair{382, 3}}) {
        const auto layout = ComputeBandLayout({1, 1, 1024, 768}, height, 768);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->band.top, 1) << "slack " << slack;
        EXPECT_EQ(layout->band.bottom, 1 + (767 / height) * height);
        EXPECT_EQ(layout->bandLines, 767 / height);
    }
}

TEST(ScrollBand, LowWindowCutsTheBandAndItsLineCount) {
    // Client only 400 high: avail 400, m = 731, o = 165.
    const auto layout = ComputeBandLayout({1, 1, 1024, 768}, 43, 400);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->band.top, 166);
    EXPECT_EQ(layout->band.bottom, 166 + 731 - 165);
    EXPECT_EQ(layout->bandLines, (731 - 165) / 43);
}

TEST(ScrollBand, LinesUnderTenPixelsLeaveTheBandAlone) {
    EXPECT_FALSE(ComputeBandLayout({1, 1, 1024, 768}, 9, 768));
    EXPECT_FALSE(ComputeBandLayout({1, 1, 1024, 768}, 0, 768));
    EXPECT_TRUE(ComputeBandLayout({1, 1, 1024, 768}, 10, 768));
}

TEST(ScrollBand, LineTallerThanTheAreaGivesAnEmptyBand) {
    const auto layout = ComputeBandLayout({1, 1, 1024, 768}, 800, 768);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->bandLines, 0);
    EXPECT_EQ(layout->band.bottom - layout->band.top, 0);
}

} // namespace
