# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BmpFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScriptEncoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScriptText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusTexts.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EditorEvents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditorPlayback.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExitPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Formatting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Hints.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowMessages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Print.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrintJob.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScreenCapture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScriptFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Memo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowShowing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainformVantel.cpp
)
