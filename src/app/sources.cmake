# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/model/MenuModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/model/PrompterDefaults.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteCommands.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageLoop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductionServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteBridge.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RemoteControl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartupChecks.cpp
)
