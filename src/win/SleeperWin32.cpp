#include "win/SleeperWin32.h"

#include <mmsystem.h>

#include "win/RunsOnWine.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

Win32Sleeper::Win32Sleeper() {
    // Wine keeps a waitable timer in its server: two round trips a sleep, woken
    // when the server and the scheduler let it (0.2 to 0.3 ms late at the
    // median, 3 to 15 ms at the 99th percentile under load). Its thread delay
    // is local and counts microseconds (0.1 ms, and 0.4 to 2.6 ms under load).
    // On Windows that delay follows the coarse system rate, so not there.
    if (RunsOnWine())
        localDelay_ = reinterpret_cast<DelayFn>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtDelayExecution")));
    timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS));
    highResolution_ = static_cast<bool>(timer_);
    if (!timer_) // before Windows 10 1803 the flag is an invalid parameter
        timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
}

Win32Sleeper::~Win32Sleeper() {
    EndFineSleeps();
}

void Win32Sleeper::SleepMicroseconds(std::int64_t microseconds) {
    if (microseconds <= 0)
        return;
    LARGE_INTEGER due{};
    due.QuadPart = -microseconds * 10; // relative, in 100 ns
    if (localDelay_) {
        localDelay_(FALSE, &due);
        return;
    }
    if (!timer_) {
        Sleep(static_cast<DWORD>(microseconds / 1000)); // the wait's spin makes up the rest
        return;
    }
    if (SetWaitableTimerEx(timer_.get(), &due, 0, nullptr, nullptr, nullptr, 0))
        WaitForSingleObject(timer_.get(), INFINITE);
}

void Win32Sleeper::BeginFineSleeps() {
    if (!highResolution_ && !rateRaised_)
        rateRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

void Win32Sleeper::EndFineSleeps() {
    if (rateRaised_)
        timeEndPeriod(1);
    rateRaised_ = false;
}
