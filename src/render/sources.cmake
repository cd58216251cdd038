# Sources of this folder: CORE builds for Windows and the host (no <windows.h>),
# WIN only for Windows.
list(APPEND CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/OutputRect.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowSteps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollBand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextDirection.cpp
)
list(APPEND WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Fonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OffscreenImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScriptLineDrawing.cpp
)
