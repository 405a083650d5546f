# The machine's own build: the content tools, and the tests that need no Windows.
option(ZORV2_FUZZERS "Build only the libFuzzer fuzzer (clang, with sanitizers)" OFF)
if(ZORV2_FUZZERS)
    add_subdirectory(tools/wadtool)
    add_subdirectory(tests/fuzz)
    return()
endif()

add_subdirectory(tools)

option(ZORV2_HOST_TESTS "Build the host-side tests" ON)
if(ZORV2_HOST_TESTS)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tools/wadtool/tests ${CMAKE_BINARY_DIR}/tools/wadtool/tests)
endif()
