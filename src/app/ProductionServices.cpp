#include "app/Services.h"

#include <windows.h>

#include "sysinfo/SysInfo.h"
#include "win/Display.h"
#include "win/ModalUi.h"
#include "win/PerfCounter.h"

namespace {
bool RealFileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

Services ProductionServices() {
    static Win32ModalUi ui;
    static Win32PerfCounter counter;
    static Win32Display display;
    // The bare name lets the system's library search pick the loaded copy.
    return Services{ui, counter, display, RealFileExists,
                    [] { return FileVersionMS("comctl32.dll"); }};
}
