#include "render/ScrollBand.h"

#include <algorithm>
#include <cstdlib>

std::optional<ScrollBandLayout> ComputeBandLayout(const Rect32& output, std::int32_t lineHeight,
                                                  std::int32_t clientHeight) {
    if (lineHeight < kMinScrollLineHeight)
        return std::nullopt;
    ScrollBandLayout layout;
    layout.areaHeight = output.Height();
    layout.areaWidth = output.Width();
    layout.band = output;
    const std::int32_t avail = std::min(layout.areaHeight, clientHeight);
    const std::int32_t m = (layout.areaHeight / lineHeight) * lineHeight;
    const std::int32_t o = std::abs(m - avail) / 2;
    // Only a band that would start above the window is pushed down; with a
    // top of 1 that means a slack of 2 or more centres it.
    if (layout.band.top - o < 0)
        layout.band.top += o;
    layout.band.bottom = layout.band.top + m;
    if (avail < m)
        layout.band.bottom -= o;
    layout.bandLines = (layout.band.bottom - layout.band.top) / lineHeight;
    return layout;
}
