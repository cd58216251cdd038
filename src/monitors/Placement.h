#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "win/Geometry.h"

// Whether the output window may be put on a monitor. Every monitor must
// share the primary's top edge; the talent monitor must also match the
// primary screen's size, because the line image is made for monitor 0.
enum class PlacementCheck : std::uint8_t { Ok, Misaligned, SizeMismatch };

PlacementCheck CheckPlacement(int index, const Rect32& monitor, int screenWidth, int screenHeight);

// The two fixed texts of a failed check.
inline constexpr std::string_view kMisalignedText =
    "Your Talent Monitor is not Aligned correctly.\r\n"
    "Please use the Windows [Control Panel][Display][Settings]\r\n"
    "to adjust the Physical Arrangement of your monitors. The\r\n"
    "Talent Monitor TOP must equal the Primary Monitor Top.";
inline constexpr std::string_view kSizeMismatchText =
    "You must correct the Talent Monitor [Screen Area].\r\n"
    "Please use the [Control Panel][Display][Settings]\r\n"
    "to adjust the Talent Monitor size. The Primary and\r\n"
    " Talent monitors must use equal [Screen Area] size.";

std::string_view PlacementText(PlacementCheck check);

// Dual-screen mode needs the switch and a second monitor.
inline bool DualScreenOn(bool dualSwitch, std::size_t monitorCount) {
    return dualSwitch && monitorCount > 1;
}

// Left edge of the output window at start-up: the talent monitor's in
// dual-screen mode, else 0.
std::int32_t StartLeft(bool dualSwitch, const std::vector<Rect32>& monitors);
