#include "playback/SpinMargin.h"

#include <algorithm>

namespace {
// Shorter waits (Delay 0 to 2) are all spin: a late wake-up there would be a
// large part of the step, for little saved.
constexpr std::int64_t kShortestWaitUs = 3000;
// No sleep is shorter: the timer's own cost would eat what it saves.
constexpr std::int64_t kShortestSleepUs = 1000;
// Each wait that may sleep lets the remembered lateness fall by this part.
constexpr std::int64_t kAgeing = 128;
} // namespace

void SpinMargin::SetTicksPerMs(std::int64_t ticks) {
    ticksPerMs_ = ticks;
    late_ = Us(kFirstLateUs);
}

bool SpinMargin::MaySleep(std::int64_t wait) {
    if (ticksPerMs_ <= 0 || wait < Us(kShortestWaitUs))
        return false;
    late_ -= (late_ + kAgeing - 1) / kAgeing;
    return wait - Ticks() >= Us(kShortestSleepUs);
}

std::int64_t SpinMargin::SleepTicks(std::int64_t left) const {
    const std::int64_t sleep = left - Ticks();
    return sleep >= Us(kShortestSleepUs) ? sleep : 0;
}

void SpinMargin::Slept(std::int64_t asked, std::int64_t took) {
    late_ = std::max(late_, took - asked);
}
