# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProfileCodec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteSettingsFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsApply.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsTable.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SettingsCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32ProfileFile.cpp
)
