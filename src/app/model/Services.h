#pragma once
#include <cstdint>
#include <functional>
#include <string>

class IModalUi;
class IPerfCounter;
class ISleeper;
class IDisplay;

// The platform seams the program reads through. Production wires the real
// Win32 versions; tests hand in scripted ones where they need control.
struct Services {
    IModalUi& ui;
    IPerfCounter& counter;
    ISleeper& sleeper;
    IDisplay& display;
    std::function<bool(const std::string& path)> fileExists;
    std::function<std::uint32_t()> commonControlsVersionMS;
    // Replaces a file's whole contents safely; throws on failure.
    std::function<void(const std::string& path, const std::string& bytes)> replaceFile;
    // Opens a help page in the default browser; 0 or the system's error code.
    std::function<std::uint32_t(const std::string& page)> openHelpPage;
};

// The real platform: message boxes, counter, sleeps, monitors, files.
Services ProductionServices();
