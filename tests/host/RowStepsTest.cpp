#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "render/RowSteps.h"

namespace {

const Rect32 kBand{1, 19, 1024, 750};

TEST(RowStepPlan, FourVariantsReadAndWriteTheirRows) {
    const RowStepPlan fwd = PlanRowStep(5, 30, false, false, kBand);
    EXPECT_EQ(fwd.mirror, MirrorWork::None);
    EXPECT_EQ(fwd.sourceRow, 5);
    EXPECT_EQ(fwd.outputRow, 749);
    EXPECT_TRUE(fwd.bandUp);
    EXPECT_TRUE(fwd.waitBeforeMove);

    const RowStepPlan fwdMirror = PlanRowStep(5, 30, false, true, kBand);
    EXPECT_EQ(fwdMirror.mirror, MirrorWork::Forward);
    EXPECT_EQ(fwdMirror.sourceRow, 4);
    EXPECT_EQ(fwdMirror.outputRow, 749);
    EXPECT_TRUE(fwdMirror.waitBeforeMove);

    const RowStepPlan back = PlanRowStep(5, 30, true, false, kBand);
    EXPECT_EQ(back.mirror, MirrorWork::None);
    EXPECT_EQ(back.sourceRow, 25);
    EXPECT_EQ(back.outputRow, 18);
    EXPECT_FALSE(back.bandUp);
    EXPECT_FALSE(back.waitBeforeMove) << "the plain backward step moves, then waits";

    const RowStepPlan backMirror = PlanRowStep(5, 30, true, true, kBand);
    EXPECT_EQ(backMirror.mirror, MirrorWork::Backward);
    EXPECT_EQ(backMirror.sourceRow, 25);
    EXPECT_TRUE(backMirror.waitBeforeMove);
}

struct Image16 {
    Image16(int w, int h, int pad) : stride(w + pad), data(static_cast<size_t>(stride) * h) {
        std::iota(data.begin(), data.end(), std::uint16_t{1});
        rows = {data.data(), stride, w, h};
    }
    int stride;
    std::vector<std::uint16_t> data;
    PixelRows16 rows;
};

TEST(MirrorRows, ForwardReversesRowJIntoRowAbove) {
    Image16 img(7, 4, 3);
    const std::vector<std::uint16_t> before = img.data;
    MirrorRowForward(img.rows, 1);
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(img.rows.Row(0)[x], before[1 * img.stride + 6 - x]) << x;
    // Row j itself, other rows and the padding are untouched.
    for (size_t i = img.stride; i < before.size(); ++i)
        EXPECT_EQ(img.data[i], before[i]) << i;
    for (int x = 7; x < img.stride; ++x)
        EXPECT_EQ(img.data[x], before[x]);
}

TEST(MirrorRows, BackwardReversesTheRowAboveIntoRowHMinusJ) {
    Image16 img(5, 6, 1);
    const std::vector<std::uint16_t> before = img.data;
    MirrorRowBackward(img.rows, 1); // row 5 := mirror of row 4
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(img.rows.Row(5)[x], before[4 * img.stride + 4 - x]);
    for (size_t i = 0; i < static_cast<size_t>(5 * img.stride); ++i)
        EXPECT_EQ(img.data[i], before[i]);
    MirrorRowBackward(img.rows, 5); // row 1 := mirror of row 0
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(img.rows.Row(1)[x], before[4 - x]);
}

TEST(MirrorRows, OutOfRangeRowsAreLeftAlone) {
    Image16 img(4, 3, 0);
    const std::vector<std::uint16_t> before = img.data;
    MirrorRowForward(img.rows, 0);
    MirrorRowForward(img.rows, 3);
    MirrorRowBackward(img.rows, 0);
    MirrorRowBackward(img.rows, 3);
    EXPECT_EQ(img.data, before);
}

TEST(MirrorRows, OddAndOneWideRowsMirrorExactly) {
    Image16 one(1, 2, 0);
    MirrorRowForward(one.rows, 1);
    EXPECT_EQ(one.data[0], one.data[1]);
    Image16 odd(3, 2, 0);
    MirrorRowForward(odd.rows, 1);
    EXPECT_EQ(odd.data[0], 6);
    EXPECT_EQ(odd.data[1], 5);
    EXPECT_EQ(odd.data[2], 4);
}

TEST(PreviewStep, ForwardEntersAtTheBottomAndBackwardAtTheTop) {
    const PreviewStepPlan fwd = PlanPreviewStep(3, false, 371, 100, 40);
    EXPECT_EQ(fwd.sourceRow, 3);
    EXPECT_EQ(fwd.targetRow, 99);
    EXPECT_EQ(fwd.moveFrom, (Rect32{1, 1, 371, 100}));
    EXPECT_EQ(fwd.moveToTop, 0);
    const PreviewStepPlan back = PlanPreviewStep(3, true, 371, 100, 40);
    EXPECT_EQ(back.sourceRow, 36);
    EXPECT_EQ(back.targetRow, 0);
    EXPECT_EQ(back.moveFrom, (Rect32{1, 0, 371, 100}));
    EXPECT_EQ(back.moveToTop, 1);
}

TEST(PreviewStep, ARightToLeftScriptShowsTheImagesRightEnd) {
    EXPECT_EQ(PreviewSourceLeft(780, 371, false), 0);
    EXPECT_EQ(PreviewSourceLeft(780, 371, true), 409);
    EXPECT_EQ(PreviewSourceLeft(300, 371, true), 0) << "a narrower image stays at the left";
}

} // namespace
