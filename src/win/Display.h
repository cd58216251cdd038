#pragma once
#include <vector>

#include "win/Geometry.h"

// Screen and monitor metrics. Monitor 0 is always the primary monitor and
// monitor 1 the first other one, whatever order the system lists them in.
class IDisplay {
  public:
    virtual ~IDisplay() = default;
    virtual int ScreenWidth() = 0;  // primary screen, pixels
    virtual int ScreenHeight() = 0; // primary screen, pixels
    virtual std::vector<Rect32> Monitors() = 0;
};

class Win32Display final : public IDisplay {
  public:
    int ScreenWidth() override;
    int ScreenHeight() override;
    std::vector<Rect32> Monitors() override;
};

// Bounds of monitor 0; the primary screen's size if no monitor is listed.
inline Rect32 Monitor0(IDisplay& display) {
    const auto monitors = display.Monitors();
    if (!monitors.empty())
        return monitors.front();
    return {0, 0, display.ScreenWidth(), display.ScreenHeight()};
}
