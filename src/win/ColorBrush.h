#pragma once
#include "win/Geometry.h"
#include "win/UniqueHandle.h"

// A colour with the solid brush that paints it. The brush is made anew only
// when the colour changes, and a failed brush keeps the old pair.
class ColorBrush {
  public:
    explicit ColorBrush(Color color = 0) : color_(color), brush_(CreateSolidBrush(color)) {}

    Color color() const { return color_; }
    HBRUSH brush() const { return brush_.get(); }

    // True when the colour changed.
    bool Set(Color color) {
        if (color == color_ && brush_)
            return false;
        UniqueHbrush next(CreateSolidBrush(color));
        if (!next)
            return false;
        brush_ = std::move(next);
        color_ = color;
        return true;
    }

  private:
    Color color_;
    UniqueHbrush brush_;
};
