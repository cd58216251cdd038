#include "app/model/Services.h"

#include <windows.h>

#include "sysinfo/SysInfo.h"
#include "win/Display.h"
#include "win/FileIo.h"
#include "win/HelpBrowser.h"
#include "win/ModalUi.h"
#include "win/PerfCounter.h"
#include "win/SleeperWin32.h"

Services ProductionServices() {
    static Win32ModalUi ui;
    static Win32PerfCounter counter;
    static Win32Sleeper sleeper;
    static Win32Display display;
    // The bare name lets the system's library search pick the loaded copy.
    return Services{.ui = ui,
                    .counter = counter,
                    .sleeper = sleeper,
                    .display = display,
                    .fileExists = FileExists,
                    .commonControlsVersionMS = [] { return FileVersionMS("comctl32.dll"); },
                    .replaceFile = ReplaceFileContents,
                    .openHelpPage = OpenInDefaultBrowser};
}
