# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CPanel1unit.cpp
)
