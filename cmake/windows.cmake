# The Windows deliverables, the in-process tests under Wine and the e2e tests.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# Static runtime: the two files run on a bare Windows with nothing installed.
add_link_options(-static -static-libgcc -static-libstdc++)
# UNICODE: every text crosses into Windows through the wide calls.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 UNICODE _UNICODE)

add_library(msgbank SHARED ${MSGBANK_SOURCES} src/msgbank/msgbank.def)
target_include_directories(msgbank PRIVATE src)
target_compile_definitions(msgbank PRIVATE MSGBANK_BUILDING_DLL)
set_target_properties(msgbank PROPERTIES PREFIX "" OUTPUT_NAME msgbank)

target_link_libraries(cuecraft_core PUBLIC msgbank)

# Asio's sockets and the system's random generator; Beast's objects outgrow
# the default section count.
target_link_libraries(cuecraft_remote PUBLIC ws2_32 mswsock bcrypt)
target_compile_options(cuecraft_remote PRIVATE -Wa,-mbig-obj)

# Everything of the program but its entry point, so tests link the real code.
add_library(rollscript_lib STATIC ${WIN_SOURCES})
target_link_libraries(rollscript_lib PUBLIC cuecraft_core cuecraft_remote msgbank
    comctl32 comdlg32 gdi32 shell32 user32 usp10 version winmm winspool)

add_executable(rollscript WIN32 src/app/WinMain.cpp src/res/rollscript.rc)
target_link_libraries(rollscript PRIVATE rollscript_lib)
target_link_options(rollscript PRIVATE -municode)

# In-process tests: the real windows, GDI and files, under Wine.
file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TEST_SOURCES})
target_include_directories(win_tests PRIVATE tests)
target_link_libraries(win_tests PRIVATE rollscript_lib GTest::gtest)
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/win/RemoteServerWinTest.cpp
                            PROPERTIES COMPILE_OPTIONS -Wa,-mbig-obj)
add_dependencies(win_tests rollscript)
# The tests start the program beside a default settings file, as it runs
# from the ready-to-run folder.
add_custom_command(TARGET win_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin/settings
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_SOURCE_DIR}/tests/win/data/settings/rollscript.mes
            ${CMAKE_BINARY_DIR}/bin/settings/rollscript.mes)
gtest_add_tests(TARGET win_tests SOURCES ${WIN_TEST_SOURCES}
                WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The ready-to-run folder and its zip, with the licences of the libraries
# built in (Debian's copyright files, the generator's own text).
set(DIST_DIR ${CMAKE_BINARY_DIR}/dist)
# The versioned package holds the real text (the plain one only points to it).
file(GLOB BOOST_COPYRIGHT /usr/share/doc/libboost[0-9]*-dev/copyright)
list(GET BOOST_COPYRIGHT 0 BOOST_COPYRIGHT)
set(JSON_COPYRIGHT /usr/share/doc/nlohmann-json3-dev/copyright)
add_custom_target(dist ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_DIR}/settings
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:rollscript>
            $<TARGET_FILE:msgbank> ${DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/dist ${DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_DIR}/licences
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${BOOST_COPYRIGHT} ${DIST_DIR}/licences/boost.txt
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${JSON_COPYRIGHT}
            ${DIST_DIR}/licences/nlohmann-json.txt
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QRCODEGEN_DIR}/LICENSE.txt
            ${DIST_DIR}/licences/qr-code-generator.txt
    DEPENDS rollscript msgbank
    COMMENT "Assembling the ready-to-run folder in ${DIST_DIR}")
add_custom_target(zip
    COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/cuecraft-${PROJECT_VERSION}.zip
            --format=zip -- rollscript.exe msgbank.dll settings help sample-script.txt licences
    WORKING_DIRECTORY ${DIST_DIR}
    DEPENDS dist
    COMMENT "Packing cuecraft-${PROJECT_VERSION}.zip")

# Black-box tests of the program from outside (X server, xdotool).
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e.${name} COMMAND bash ${script} ${DIST_DIR})
    set_tests_properties(e2e.${name} PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT 120
                         SKIP_RETURN_CODE 77)
endforeach()
# The journey in other languages runs on a Western system (code page 1252) and
# again on a Cyrillic one (1251).
set_tests_properties(e2e.test_unicode_journey PROPERTIES TIMEOUT 300)
# Two browser journeys; a client that trickles its headers for ten seconds.
set_tests_properties(e2e.test_remote_browser e2e.test_remote_security PROPERTIES TIMEOUT 240)
add_test(NAME e2e.test_unicode_journey_1251
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/test_unicode_journey.sh ${DIST_DIR} 1251)
set_tests_properties(e2e.test_unicode_journey_1251 PROPERTIES LABELS e2e RUN_SERIAL TRUE
                     TIMEOUT 300 SKIP_RETURN_CODE 77)

# Helper the test script keeps running so Wine starts fast for every test.
add_executable(keepwarm WIN32 tests/tools/keepwarm.cpp)

# The scroll benchmark (scripts/bench.sh).
add_subdirectory(${CMAKE_SOURCE_DIR}/bench ${CMAKE_BINARY_DIR}/bench)

# Helper of the print journey: the same file-port printer the in-process
# printing tests use, added to the prefix from outside.
add_executable(testprinter tests/tools/testprinter.cpp tests/win/TestPrinter.cpp)
target_include_directories(testprinter PRIVATE tests/win)
target_link_libraries(testprinter PRIVATE winspool)

# Helpers of the journeys: the status bar's panels and the editor's text read
# from outside; the code page and the fonts of a prefix.
add_executable(statustext tests/tools/statustext.cpp)
add_executable(unitext tests/tools/unitext.cpp)
target_link_libraries(unitext PRIVATE shell32 usp10)

# The line drawing's order checks again in the prefix whose fonts hold Arabic,
# Hebrew and Chinese, where the default prefix shows Chinese as empty boxes.
add_test(NAME win.ScriptLinesInEveryLanguage
         COMMAND bash -c "source '${CMAKE_SOURCE_DIR}/scripts/xwine.sh' && source '${CMAKE_SOURCE_DIR}/scripts/unicode-prefix.sh' && { prepare_unicode_prefix && use_codepage 1252 || exit 77; } && '${CMAKE_SOURCE_DIR}/cmake/wine-run.sh' '$<TARGET_FILE:win_tests>' --gtest_filter=ScriptLines.*"
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(win.ScriptLinesInEveryLanguage PROPERTIES RUN_SERIAL TRUE TIMEOUT 300
                     SKIP_RETURN_CODE 77)
