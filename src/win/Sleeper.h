#pragma once
#include <cstdint>

// Puts the thread to sleep, the counter's partner seam: the step wait sleeps
// through most of its time and spins on the counter only for the rest. Tests
// hand in one that moves their scripted counter on instead.
class ISleeper {
  public:
    virtual ~ISleeper() = default;
    // Sleeps about `microseconds`; the system's timer may wake it late.
    virtual void SleepMicroseconds(std::int64_t microseconds) = 0;
    // Between these the sleeps are as fine as the system can make them. Where
    // that means raising the whole system's timer rate, it is raised only
    // for this while (a playback).
    virtual void BeginFineSleeps() = 0;
    virtual void EndFineSleeps() = 0;
};

// Fine sleeps for as long as the scope lasts, however it ends.
class FineSleeps {
  public:
    explicit FineSleeps(ISleeper& sleeper) : sleeper_(sleeper) { sleeper_.BeginFineSleeps(); }
    FineSleeps(const FineSleeps&) = delete;
    FineSleeps& operator=(const FineSleeps&) = delete;
    ~FineSleeps() { sleeper_.EndFineSleeps(); }

  private:
    ISleeper& sleeper_;
};
