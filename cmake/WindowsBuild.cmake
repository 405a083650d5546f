# The Windows build: the demo, its data file, and the tests that run under Wine.
include(ExternalProject)
enable_language(RC)

# The .exe must run with no MinGW DLL beside it.
add_link_options(-static)
# The same commit must give the same programs wherever and whenever it is built: no link time in
# the PE header, and source paths (__FILE__) relative to the source folder.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(ZORV2_32_BIT ON)
endif()

file(GLOB ZORV2_CORE_SOURCES CONFIGURE_DEPENDS
    platform/*.cpp app/*.cpp scene/*.cpp display/*.cpp datafile/*.cpp music/*.cpp)
# Each program's entry point goes into that program alone.
list(REMOVE_ITEM ZORV2_CORE_SOURCES ${CMAKE_SOURCE_DIR}/app/WinMain.cpp
     ${CMAKE_SOURCE_DIR}/app/screenSaverMain.cpp)
add_library(zorv2_core STATIC ${ZORV2_CORE_SOURCES})
target_include_directories(zorv2_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zorv2_core PUBLIC ddraw dxguid winmm gdi32 user32 advapi32 kernel32)

# Every program that draws through DirectDraw declares it where it is defined: cmake/wine-run
# gives the programs in the prefix's list, written below, Wine's 2D path (docs/wine.md).
function(zorv2_draws_on_wine_2d_path)
    foreach(target ${ARGN})
        set_property(GLOBAL APPEND PROPERTY ZORV2_WINE_2D_PATH "$<TARGET_FILE_NAME:${target}>")
    endforeach()
endfunction()

add_executable(Zorv2Demo WIN32 app/WinMain.cpp resources/Zorv2Demo.rc)
zorv2_draws_on_wine_2d_path(Zorv2Demo)
target_link_libraries(Zorv2Demo PRIVATE zorv2_core)
set_target_properties(Zorv2Demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/demo)

# The resource script takes the project's VERSION from a made header, and the application
# manifest (which carries the version too) from the same folder.
set(ZORV2_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(ZORV2_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
configure_file(resources/version.h.in ${ZORV2_GENERATED_DIR}/version.h @ONLY)
configure_file(resources/Zorv2Demo.manifest.in ${ZORV2_GENERATED_DIR}/Zorv2Demo.manifest @ONLY)
target_include_directories(Zorv2Demo PRIVATE ${ZORV2_GENERATED_DIR})
set_source_files_properties(resources/Zorv2Demo.rc resources/Zorv2DemoScreenSaver.rc
    PROPERTIES OBJECT_DEPENDS
    "${ZORV2_GENERATED_DIR}/version.h;${ZORV2_GENERATED_DIR}/Zorv2Demo.manifest;${CMAKE_SOURCE_DIR}/resources/Zorv2Demo.ico;${CMAKE_SOURCE_DIR}/resources/versionInfo.rc")

# The screen saver, Zorv2Demo.scr: the same scene behind another entry point, beside the demo.
add_executable(Zorv2DemoScreenSaver WIN32 app/screenSaverMain.cpp
    resources/Zorv2DemoScreenSaver.rc)
zorv2_draws_on_wine_2d_path(Zorv2DemoScreenSaver)
target_link_libraries(Zorv2DemoScreenSaver PRIVATE zorv2_core)
target_include_directories(Zorv2DemoScreenSaver PRIVATE ${ZORV2_GENERATED_DIR})
set_target_properties(Zorv2DemoScreenSaver PROPERTIES OUTPUT_NAME Zorv2Demo SUFFIX .scr
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/demo)

# The content tools run on the build machine, so they are built with its own compiler.
ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE= -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
               -DCMAKE_BUILD_TYPE=Release -DZORV2_VERSION=${ZORV2_VERSION}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${CMAKE_BINARY_DIR}/host-tools/wadtool/wadtool)
set(ZORV2_WADTOOL ${CMAKE_BINARY_DIR}/host-tools/wadtool/wadtool)

# The data-file tool also builds as a Windows program, for packing on Windows.
add_subdirectory(tools/wadtool ${CMAKE_BINARY_DIR}/tools/wadtool)

# The demo reads Varev1.WAD from its working directory: pack it beside the .exe.
set(ZORV2_ASSETS ball.bmp star.bmp logo.bmp Zorvd.mid)
list(TRANSFORM ZORV2_ASSETS PREPEND ${CMAKE_SOURCE_DIR}/assets/ OUTPUT_VARIABLE ZORV2_ASSET_FILES)
set(ZORV2_DATA_FILE ${CMAKE_BINARY_DIR}/demo/Varev1.WAD)
add_custom_command(OUTPUT ${ZORV2_DATA_FILE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/demo
    COMMAND ${ZORV2_WADTOOL} pack ${ZORV2_DATA_FILE} ${ZORV2_ASSET_FILES}
    DEPENDS host_tools ${ZORV2_ASSET_FILES}
    COMMENT "Packing Varev1.WAD")
add_custom_target(data_file ALL DEPENDS ${ZORV2_DATA_FILE})

# The screen saver carries the same file as a resource, so its .scr runs wherever it is copied.
add_dependencies(Zorv2DemoScreenSaver data_file)
set_property(SOURCE resources/Zorv2DemoScreenSaver.rc APPEND PROPERTY OBJECT_DEPENDS
    ${ZORV2_DATA_FILE})
set_property(SOURCE resources/Zorv2DemoScreenSaver.rc APPEND PROPERTY INCLUDE_DIRECTORIES
    ${CMAKE_BINARY_DIR}/demo)

include(cmake/Packaging.cmake)

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every test program runs under Wine, in a prefix of this build's own.
set(ZORV2_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run ${ZORV2_WINEPREFIX})
add_subdirectory(tests)

get_property(ZORV2_DRAWING_PROGRAMS GLOBAL PROPERTY ZORV2_WINE_2D_PATH)
list(JOIN ZORV2_DRAWING_PROGRAMS " " ZORV2_DRAWING_PROGRAMS)
file(GENERATE OUTPUT ${ZORV2_WINEPREFIX}.2d-path CONTENT "${ZORV2_DRAWING_PROGRAMS}\n")
