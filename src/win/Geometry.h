#pragma once
#include <cstdint>

struct Rect32 {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    friend bool operator==(const Rect32&, const Rect32&) = default;
};

using Color = std::uint32_t; // COLORREF layout: 0x00BBGGRR
