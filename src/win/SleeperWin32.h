#pragma once
#include "win/Sleeper.h"
#include "win/UniqueHandle.h"

// Sleeps on a high-resolution waitable timer (Windows 10 1803 and later).
// Where the system refuses that kind, on a plain waitable timer with the
// system's timer rate raised to 1 ms while fine sleeps are asked for.
// Under Wine the thread's own delay, which wakes tighter there.
class Win32Sleeper final : public ISleeper {
  public:
    Win32Sleeper();
    ~Win32Sleeper() override;
    Win32Sleeper(const Win32Sleeper&) = delete;
    Win32Sleeper& operator=(const Win32Sleeper&) = delete;

    void SleepMicroseconds(std::int64_t microseconds) override;
    void BeginFineSleeps() override;
    void EndFineSleeps() override;

  private:
    using DelayFn = LONG(WINAPI*)(BOOLEAN alertable, const LARGE_INTEGER* interval);

    DelayFn localDelay_ = nullptr;
    UniqueHandle<HANDLE, KernelHandleClose> timer_;
    bool highResolution_ = false;
    bool rateRaised_ = false;
};
