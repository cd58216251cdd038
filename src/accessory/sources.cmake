# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AboutTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpTopics.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CPanel1unit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/About.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTemplate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpCommands.cpp
)
