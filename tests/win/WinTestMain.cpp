#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "win/Dpi.h"

int main(int argc, char** argv) {
    BecomePerMonitorDpiAware(); // as the program's manifest makes it
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
