#pragma once
#include <cstdint>

// True when a file version's high 32 bits (major in the high word, minor in
// the low word) are at least major.minor. 0 stands for "no version record".
bool VersionAtLeast(std::uint32_t fileVersionMS, std::uint8_t major, std::uint8_t minor);
