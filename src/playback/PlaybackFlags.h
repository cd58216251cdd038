#pragma once
#include <cstdint>

// How CurLine moves after a line; stored as 0 and 2.
enum class Direction : std::uint8_t { Forward = 0, Backward = 2 };

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
    std::int64_t RowsMoved = 0;    // net rows moved up since Play; backward counts down

    void setkill(bool value) { kill_ = value; }
    bool getkill() const { return kill_; }
    bool getkillnow() const { return kill_; }

    // More rows have been stepped since the last reset than the area is high.
    bool BandFilled() const { return AreaHeight < RowsScrolled; }

  private:
    bool kill_ = false;
};
