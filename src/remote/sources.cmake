# Sources of this folder: CORE builds for Windows and the host (no <windows.h>,
# no Boost), REMOTE is the network server over Boost, built in both presets.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/QrCode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteAccess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteJson.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemotePage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteRoutes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TalentPage.cpp
)
# Beast is heavy to compile: it stays in these two files.
set(REMOTE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RemoteServer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteSessions.cpp
)
if(WIN32)
    list(APPEND REMOTE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/AccessKeyWin32.cpp)
else()
    list(APPEND REMOTE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/AccessKeyPosix.cpp)
endif()
