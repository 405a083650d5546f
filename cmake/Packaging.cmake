# Release packages: `cmake --build --preset windows-x64 --target package` makes
# Zorv2Demo-<version>-win64.zip, the same on windows-x86 makes ...-win32.zip. Each holds one
# folder that runs where it is unpacked: the demo, its data file, wadtool, README.txt and the
# licence.

# Windows users open these with Notepad, which before Windows 10 shows LF-only lines as one.
configure_file(packaging/README.txt ${ZORV2_GENERATED_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE ${ZORV2_GENERATED_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS Zorv2Demo wadtool RUNTIME DESTINATION .)
install(FILES ${ZORV2_DATA_FILE} ${ZORV2_GENERATED_DIR}/README.txt
              ${ZORV2_GENERATED_DIR}/LICENSE.txt
        DESTINATION .)

if(ZORV2_32_BIT)
    set(ZORV2_PACKAGE_SYSTEM win32)
else()
    set(ZORV2_PACKAGE_SYSTEM win64)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Zorv2Demo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Zorv2)
set(ZORV2_PACKAGE_NAME Zorv2Demo-${PROJECT_VERSION}-${ZORV2_PACKAGE_SYSTEM})
set(ZORV2_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${ZORV2_PACKAGE_NAME}.zip)
set(CPACK_PACKAGE_FILE_NAME ${ZORV2_PACKAGE_NAME})
# The one folder in the zip carries the zip's own name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The build keeps debug information; the packaged programs do without it.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
