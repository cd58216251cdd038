#include "render/RowSteps.h"

#include <algorithm>

RowStepPlan PlanRowStep(std::int32_t j, std::int32_t lineHeight, bool backward, bool mirror,
                        const Rect32& band) {
    RowStepPlan plan;
    if (!backward) {
        plan.mirror = mirror ? MirrorWork::Forward : MirrorWork::None;
        plan.sourceRow = mirror ? j - 1 : j;
        plan.outputRow = band.bottom - 1;
        plan.bandUp = true;
        plan.waitBeforeMove = true;
    } else {
        plan.mirror = mirror ? MirrorWork::Backward : MirrorWork::None;
        plan.sourceRow = lineHeight - j;
        plan.outputRow = band.top - 1;
        plan.bandUp = false;
        plan.waitBeforeMove = mirror;
    }
    return plan;
}

namespace {
void ReverseInto(std::uint16_t* target, const std::uint16_t* source, std::int32_t width) {
    for (std::int32_t x = width - 1; x >= 0; --x)
        target[x] = source[width - 1 - x];
}
} // namespace

void MirrorRowForward(const PixelRows16& image, std::int32_t j) {
    if (j < 1 || j >= image.height)
        return;
    ReverseInto(image.Row(j - 1), image.Row(j), image.width);
}

void MirrorRowBackward(const PixelRows16& image, std::int32_t j) {
    const std::int32_t target = image.height - j;
    if (j < 1 || target < 1)
        return;
    ReverseInto(image.Row(target), image.Row(target - 1), image.width);
}

PreviewStepPlan PlanPreviewStep(std::int32_t i, bool backward, std::int32_t panelWidth,
                                std::int32_t panelHeight, std::int32_t previewHeight) {
    PreviewStepPlan plan;
    if (!backward) {
        plan.sourceRow = i;
        plan.targetRow = panelHeight - 1;
        plan.moveFrom = {1, 1, panelWidth, panelHeight};
        plan.moveToTop = 0;
    } else {
        plan.sourceRow = previewHeight - 1 - i;
        plan.targetRow = 0;
        plan.moveFrom = {1, 0, panelWidth, panelHeight};
        plan.moveToTop = 1;
    }
    return plan;
}

std::int32_t PreviewSourceLeft(std::int32_t imageWidth, std::int32_t panelWidth, bool rightToLeft) {
    return rightToLeft ? std::max(imageWidth - panelWidth, 0) : 0;
}
