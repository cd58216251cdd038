# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TextConvert.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ControlHook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DisplayWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dpi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileIo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpBrowserWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModalUiWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PerfCounterWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintDialogsWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunsOnWine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SleeperWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemCodePage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32Error.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Window.cpp
)
