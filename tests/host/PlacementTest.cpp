#include <gtest/gtest.h>

#include "monitors/Placement.h"
#include "render/TextFormat.h"

namespace {

TEST(Placement, TalentMonitorBesideOrLeftOfThePrimaryPasses) {
    EXPECT_EQ(CheckPlacement(1, {1024, 0, 2048, 768}, 1024, 768), PlacementCheck::Ok);
    EXPECT_EQ(CheckPlacement(1, {-1024, 0, 0, 768}, 1024, 768), PlacementCheck::Ok);
    EXPECT_EQ(CheckPlacement(0, {0, 0, 1024, 768}, 1024, 768), PlacementCheck::Ok);
}

TEST(Placement, TopNotZeroIsMisalignedForEitherMonitor) {
    EXPECT_EQ(CheckPlacement(1, {0, 768, 1024, 1536}, 1024, 768), PlacementCheck::Misaligned);
    EXPECT_EQ(CheckPlacement(0, {0, -10, 1024, 758}, 1024, 768), PlacementCheck::Misaligned);
    // Alignment is checked before size.
    EXPECT_EQ(CheckPlacement(1, {0, 768, 1280, 1792}, 1024, 768), PlacementCheck::Misaligned);
}

TEST(Placement, SizeIsCheckedForTheTalentMonitorOnly) {
    EXPECT_EQ(CheckPlacement(1, {1024, 0, 2304, 1024}, 1024, 768), PlacementCheck::SizeMismatch);
    EXPECT_EQ(CheckPlacement(1, {1024, 0, 2048, 767}, 1024, 768), PlacementCheck::SizeMismatch);
    EXPECT_EQ(CheckPlacement(0, {0, 0, 1280, 1024}, 1024, 768), PlacementCheck::Ok);
}

TEST(Placement, TextsKeepTheirLineBreaksAndLeadingBlank) {
    EXPECT_EQ(PlacementText(PlacementCheck::Misaligned).substr(0, 47),
              "Your Talent Monitor is not Aligned correctly.\r\n");
    EXPECT_NE(PlacementText(PlacementCheck::SizeMismatch).find("and\r\n Talent monitors"),
              std::string_view::npos);
    EXPECT_TRUE(PlacementText(PlacementCheck::Ok).empty());
}

TEST(Placement, DualScreenNeedsSwitchAndSecondMonitor) {
    EXPECT_FALSE(DualScreenOn(true, 1));
    EXPECT_FALSE(DualScreenOn(false, 2));
    EXPECT_TRUE(DualScreenOn(true, 2));
    const std::vector<Rect32> two{{0, 0, 1024, 768}, {-1024, 0, 0, 768}};
    EXPECT_EQ(StartLeft(true, two), -1024);
    EXPECT_EQ(StartLeft(false, two), 0);
    EXPECT_EQ(StartLeft(true, {two[0]}), 0);
}

TEST(LineTextFormat, AlignmentJoinsTheFixedFlags) {
    EXPECT_EQ(LineTextFormat(Alignment::Left), 0x868u);
    EXPECT_EQ(LineTextFormat(Alignment::Right), 0x86Au);
    EXPECT_EQ(LineTextFormat(Alignment::Center), 0x869u);
    EXPECT_EQ(LineTextFormat(static_cast<Alignment>(7)), 0x869u);
}

} // namespace
