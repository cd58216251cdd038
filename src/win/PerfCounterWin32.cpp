#include "win/PerfCounter.h"

#include <windows.h>

std::int64_t Win32PerfCounter::Now() {
    LARGE_INTEGER value{};
    return QueryPerformanceCounter(&value) ? value.QuadPart : 0;
}

std::int64_t Win32PerfCounter::Frequency() {
    LARGE_INTEGER value{};
    return QueryPerformanceFrequency(&value) ? value.QuadPart : 0;
}
