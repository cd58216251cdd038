#include "sysinfo/TimerMath.h"

#include <cmath>

std::int64_t TicksPerMsFromFrequency(std::int64_t ticksPerSecond) {
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(ticksPerSecond) / 1000.0));
}
