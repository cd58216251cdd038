#pragma once
#include <atomic>
#include <cstdint>

// How CurLine moves after a line; stored as 0 and 2.
enum class Direction : std::uint8_t { Forward = 0, Backward = 2 };

// A count the GUI thread alone writes and other threads read without a
// lock: a relaxed load and store, no locked instruction on the step's path.
class SharedCount {
  public:
    SharedCount(std::int64_t value = 0) : value_(value) {}
    SharedCount(const SharedCount& other) : value_(other.load()) {}
    SharedCount& operator=(const SharedCount& other) {
        store(other.load());
        return *this;
    }
    SharedCount& operator=(std::int64_t value) {
        store(value);
        return *this;
    }
    std::int64_t load() const { return value_.load(std::memory_order_relaxed); }
    void store(std::int64_t value) { value_.store(value, std::memory_order_relaxed); }
    void Add(std::int64_t delta) { store(load() + delta); }

  private:
    std::atomic<std::int64_t> value_;
};

// The flags and counters of one playback. Handlers that run nested inside the
// scroll loop change only these; the loop re-reads them at its next test.
struct PlaybackFlags {
    bool Playing = false;
    bool Paused = false;
    bool Reverse = false;     // rows enter at the band's top and the band moves down
    std::int32_t CurLine = 0; // display line entering the band; -1 before the first
    Direction RunMode = Direction::Forward;
    std::int32_t RowsScrolled = 0; // rows stepped since the band was last reset
    std::int32_t LineCount = 0;    // editor display lines at play start
    std::int32_t AreaHeight = 0;   // height of the output rectangle
    std::int32_t BandLines = 0;    // whole text lines the band holds
    // Net rows moved up since Play; backward counts down. Read by the
    // remote's threads without a lock: one relaxed store per step.
    SharedCount RowsMoved;

    void setkill(bool value) { kill_ = value; }
    bool getkill() const { return kill_; }
    bool getkillnow() const { return kill_; }

    // More rows have been stepped since the last reset than the area is high.
    bool BandFilled() const { return AreaHeight < RowsScrolled; }

  private:
    bool kill_ = false;
};
