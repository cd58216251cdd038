#pragma once
#include <cstddef>
#include <cstdint>

#include "win/Geometry.h"

// What one scroll step does: which line-image row reaches which output row,
// whether a row is mirrored first, and whether the wait comes before the
// band moves. Rows are 0-based; j runs from 1 to lineHeight - 1.
enum class MirrorWork : std::uint8_t { None, Forward, Backward };

struct RowStepPlan {
    MirrorWork mirror = MirrorWork::None;
    std::int32_t sourceRow = 0; // line image row copied
    std::int32_t outputRow = 0; // output window row written
    bool bandUp = true;         // forward moves the band up, backward down
    bool waitBeforeMove = true; // only the plain backward step moves first
};

RowStepPlan PlanRowStep(std::int32_t j, std::int32_t lineHeight, bool backward, bool mirror,
                        const Rect32& band);

// Pixel rows of a 16-bit image, top-down; stride counted in pixels.
struct PixelRows16 {
    std::uint16_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    std::uint16_t* Row(std::int32_t y) const { return pixels + y * stride; }
};

// Row j - 1 := row j reversed left to right. Row j - 1 has already been shown,
// so it serves as the scratch row.
void MirrorRowForward(const PixelRows16& image, std::int32_t j);
// Row H - j := row H - j - 1 reversed left to right.
void MirrorRowBackward(const PixelRows16& image, std::int32_t j);

// One step of the preview panel: row i of the preview image enters at the
// panel's bottom (forward) or top (backward); columns 1 on move by one pixel.
struct PreviewStepPlan {
    std::int32_t sourceRow = 0;
    std::int32_t targetRow = 0;
    Rect32 moveFrom; // rectangle copied, as left, top, right, bottom
    std::int32_t moveToTop = 0;
};

PreviewStepPlan PlanPreviewStep(std::int32_t i, bool backward, std::int32_t panelWidth,
                                std::int32_t panelHeight, std::int32_t previewHeight);

// The preview image's column shown at the panel's left edge. The panel is
// narrower than the image; it shows the end where the lines start: the left
// one, or the right one for a script read right to left.
std::int32_t PreviewSourceLeft(std::int32_t imageWidth, std::int32_t panelWidth, bool rightToLeft);
