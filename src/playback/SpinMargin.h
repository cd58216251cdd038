#pragma once
#include <array>
#include <cstdint>

// How a step's wait passes: asleep for all but its last stretch, spinning on
// the counter through that stretch, the margin. The margin covers how late
// the system's timer wakes a sleep; it follows the recent wake-ups, so it is
// as short as this machine's timer allows and a late wake-up still comes
// before the wait's end. One wake-up far later than the rest (the thread
// kept off its core once) is not followed: the next late one is. In counter
// ticks.
class SpinMargin {
  public:
    // Also forgets what earlier sleeps showed: they were in other ticks.
    void SetTicksPerMs(std::int64_t ticks);
    // Whether a wait of `wait` ticks sleeps at all; each that may ages what
    // the earlier sleeps showed by the time it lasts.
    bool MaySleep(std::int64_t wait);
    // How long to sleep when `left` ticks of the wait remain; 0: spin them all.
    std::int64_t SleepTicks(std::int64_t left) const;
    // A sleep asked for `asked` ticks ended `took` ticks after it was asked for.
    void Slept(std::int64_t asked, std::int64_t took);
    // The stretch spun at the end of a wait.
    std::int64_t Ticks() const { return late_ + Us(kGuardUs); }

    // Before any sleep has been seen: enough for a timer of 1 ms granularity.
    static constexpr std::int64_t kFirstLateUs = 2000;
    // Above the wake-ups followed, for the spread between them: a timer that
    // wakes 0.2 to 0.5 ms late now and then wakes 1 to 2 ms late.
    static constexpr std::int64_t kGuardUs = 1000;
    // The wake-ups remembered; the latest but one of them is followed.
    static constexpr int kRecent = 16;
    // What is remembered halves in about this long (0.69 of it): the same
    // time at every delay, so a slow scroll forgets as soon as a fast one.
    static constexpr std::int64_t kAgeingMs = 2000;

  private:
    std::int64_t Us(std::int64_t us) const { return us * ticksPerMs_ / 1000; }
    void Follow();

    std::int64_t ticksPerMs_ = 0;
    std::array<std::int64_t, kRecent> recent_{}; // how late each woke, aged
    int next_ = 0;
    std::int64_t late_ = 0; // the latest but one of them
};
