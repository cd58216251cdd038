#pragma once
#include <cstdint>
#include <functional>
#include <string>

class IModalUi;
class IPerfCounter;
class IDisplay;

// What the start-up checks read from the machine; tests hand in their own.
struct EnvironmentProbe {
    IPerfCounter& counter;
    IDisplay& display;
    std::function<bool(const std::string& path)> fileExists;
    std::function<std::uint32_t()> commonControlsVersionMS;
};

// The four start-up checks. Shows the failing check's box and returns false;
// the caller then ends the program at once with exit code 0.
bool CheckEnvironment(IModalUi& ui, const EnvironmentProbe& probe, const std::string& programDir);

// True when the installed common-controls library is at least major.minor.
bool CommonControlsAtLeast(const EnvironmentProbe& probe, std::uint8_t major, std::uint8_t minor);
