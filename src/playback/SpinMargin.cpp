#include "playback/SpinMargin.h"

#include <algorithm>
#include <functional>

namespace {
// Shorter waits (Delay 0 to 2) are all spin: a late wake-up there would be a
// large part of the step, for little saved.
constexpr std::int64_t kShortestWaitUs = 3000;
// No sleep is shorter: the timer's own cost would eat what it saves.
constexpr std::int64_t kShortestSleepUs = 1000;
// Long waits age by no more than this part each, so that a steady lateness
// stays covered by the guard (up to 8 ms of it).
constexpr std::int64_t kMostAgeing = 32;
} // namespace

void SpinMargin::SetTicksPerMs(std::int64_t ticks) {
    ticksPerMs_ = ticks;
    recent_.fill(Us(kFirstLateUs));
    next_ = 0;
    Follow();
}

bool SpinMargin::MaySleep(std::int64_t wait) {
    if (ticksPerMs_ <= 0 || wait < Us(kShortestWaitUs))
        return false;
    // Rounded up, so that even a tick's lateness is forgotten in the end.
    const std::int64_t span = std::max(kAgeingMs * ticksPerMs_, wait * kMostAgeing);
    for (std::int64_t& late : recent_)
        late -= (late * wait + span - 1) / span;
    Follow();
    return wait - Ticks() >= Us(kShortestSleepUs);
}

std::int64_t SpinMargin::SleepTicks(std::int64_t left) const {
    const std::int64_t sleep = left - Ticks();
    return sleep >= Us(kShortestSleepUs) ? sleep : 0;
}

void SpinMargin::Slept(std::int64_t asked, std::int64_t took) {
    recent_[next_] = std::max<std::int64_t>(took - asked, 0);
    next_ = (next_ + 1) % kRecent;
    Follow();
}

void SpinMargin::Follow() {
    std::array<std::int64_t, kRecent> sorted = recent_;
    std::nth_element(sorted.begin(), sorted.begin() + 1, sorted.end(), std::greater<>());
    late_ = sorted[1];
}
