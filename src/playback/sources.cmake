# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PlaybackEngine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SpinMargin.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/OutputPlaybackHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlayStop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BlackScrollvantel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OutputEvents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LineImagePrep.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OutputDrawing.cpp
)
