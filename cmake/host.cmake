# Native build of the platform-free code and its tests, under sanitizers.
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(cuecraft_core PRIVATE ${SANITIZE})
target_compile_options(cuecraft_remote PRIVATE ${SANITIZE})

# On the host the catalogue links in statically in place of the DLL.
add_library(msgbank_static STATIC ${MSGBANK_SOURCES})
target_include_directories(msgbank_static PUBLIC src)
target_compile_options(msgbank_static PRIVATE ${SANITIZE})

file(GLOB HOST_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${HOST_TEST_SOURCES})
target_include_directories(host_tests PRIVATE tests)
target_compile_definitions(host_tests PRIVATE CUECRAFT_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_compile_options(host_tests PRIVATE ${SANITIZE})
target_link_options(host_tests PRIVATE ${SANITIZE})
target_link_libraries(host_tests PRIVATE cuecraft_core cuecraft_remote msgbank_static GTest::gtest_main)
gtest_add_tests(TARGET host_tests SOURCES ${HOST_TEST_SOURCES})
