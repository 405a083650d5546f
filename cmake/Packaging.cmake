# Release packages: `cmake --build --preset windows-x64 --target package` makes
# Zorv2Demo-<version>-win64.zip, the same on windows-x86 makes ...-win32.zip, each with its
# SHA-256 sum beside it (...zip.sha256, for sha256sum -c). Each zip holds one folder that runs
# where it is unpacked: the demo, its screen saver, its data file, wadtool, README.txt and the
# licence. The same commit gives the same zip bytes wherever and whenever it is built
# (cmake/makeReleaseZip.cmake).

if(ZORV2_32_BIT)
    set(ZORV2_PACKAGE_SYSTEM win32)
else()
    set(ZORV2_PACKAGE_SYSTEM win64)
endif()
set(ZORV2_PACKAGE_NAME Zorv2Demo-${PROJECT_VERSION}-${ZORV2_PACKAGE_SYSTEM})
set(ZORV2_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${ZORV2_PACKAGE_NAME}.zip)
set(ZORV2_PACKAGE_SUMS ${ZORV2_PACKAGE_ZIP}.sha256)

# README.txt names the zip, to check it against its sum. Windows users open these with Notepad,
# which before Windows 10 shows LF-only lines as one.
configure_file(packaging/README.txt ${ZORV2_GENERATED_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE ${ZORV2_GENERATED_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS Zorv2Demo Zorv2DemoScreenSaver wadtool RUNTIME DESTINATION .)
install(FILES ${ZORV2_DATA_FILE} ${ZORV2_GENERATED_DIR}/README.txt
              ${ZORV2_GENERATED_DIR}/LICENSE.txt
        DESTINATION .)

# NOTE: CPack's zips carry each file's build time, owner and access and change times, none of
# which can be fixed from here; Info-ZIP's zip, given fixed file times, packs the same bytes.
find_program(ZORV2_ZIP_PROGRAM zip)
# NOTE: CMake reserves the name "package" in a build folder where CPack once left its
# configuration; a folder configured before this change would otherwise fail to configure.
file(REMOVE ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_BINARY_DIR}/CPackSourceConfig.cmake)
# Builds what goes into the zip, then packs it; the programs are stripped of their debug
# information on the way.
add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DNAME=${ZORV2_PACKAGE_NAME} -DZIP_PROGRAM=${ZORV2_ZIP_PROGRAM}
            -P ${CMAKE_SOURCE_DIR}/cmake/makeReleaseZip.cmake
    BYPRODUCTS ${ZORV2_PACKAGE_ZIP} ${ZORV2_PACKAGE_SUMS}
    VERBATIM)
add_dependencies(package Zorv2Demo Zorv2DemoScreenSaver wadtool data_file)
