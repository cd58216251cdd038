#include "monitors/Placement.h"

PlacementCheck CheckPlacement(int index, const Rect32& monitor, int screenWidth, int screenHeight) {
    if (monitor.top != 0)
        return PlacementCheck::Misaligned;
    if (index == 1 && (monitor.Width() != screenWidth || monitor.Height() != screenHeight))
        return PlacementCheck::SizeMismatch;
    return PlacementCheck::Ok;
}

std::string_view PlacementText(PlacementCheck check) {
    switch (check) {
    case PlacementCheck::Misaligned:
        return kMisalignedText;
    case PlacementCheck::SizeMismatch:
        return kSizeMismatchText;
    default:
        return {};
    }
}

std::int32_t StartLeft(bool dualSwitch, const std::vector<Rect32>& monitors) {
    return DualScreenOn(dualSwitch, monitors.size()) ? monitors[1].left : 0;
}
