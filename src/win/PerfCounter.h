#pragma once
#include <cstdint>

// The high-resolution counter, the program's only clock. Tests hand in a
// scripted one to decide when waits end.
class IPerfCounter {
  public:
    virtual ~IPerfCounter() = default;
    virtual std::int64_t Now() = 0;       // 0 when there is no counter
    virtual std::int64_t Frequency() = 0; // ticks per second, 0 when none
};

class Win32PerfCounter final : public IPerfCounter {
  public:
    std::int64_t Now() override;
    std::int64_t Frequency() override;
};
