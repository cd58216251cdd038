#pragma once
#include <cstdint>
#include <optional>

#include "win/Geometry.h"

// The part of the output window that scrolls: a whole number of line
// heights, centred vertically when the slack allows it.
struct ScrollBandLayout {
    Rect32 band;
    std::int32_t bandLines = 0;
    std::int32_t areaWidth = 0;
    std::int32_t areaHeight = 0;
};

// Lines under this height are too small to scroll; the band is left as it was.
inline constexpr std::int32_t kMinScrollLineHeight = 10;

// Band for the output rectangle, the line image height and the output
// window's client height; nothing when the line image is too low.
std::optional<ScrollBandLayout> ComputeBandLayout(const Rect32& output, std::int32_t lineHeight,
                                                  std::int32_t clientHeight);
