#pragma once
#include <cstdint>

// Counter ticks per millisecond from a frequency in ticks per second,
// rounded to the nearest integer with ties to even (500 -> 0, 1500 -> 2).
std::int64_t TicksPerMsFromFrequency(std::int64_t ticksPerSecond);
