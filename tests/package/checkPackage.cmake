# Unpacks a release zip into an empty folder, as a user does, and checks what is in it: one
# folder named after the zip, holding exactly the packaged files, the programs built for
# MACHINE (the PE machine field, 0x8664 or 0x14c), and the build's own data file. The sums file
# SUMS must name the zip with its SHA-256, as sha256sum writes it.
# RELEASE_DOC (docs/release.md) must name the same files in its table of the zip.
#   cmake -DZIP=... -DSUMS=... -DUNPACK_DIR=... -DMACHINE=0x... -DDATA_FILE=... -DDEMO=...
#         -DSCREEN_SAVER=... -DTOOL=... -DRELEASE_DOC=... -P ...
# DEMO, SCREEN_SAVER, TOOL and DATA_FILE are what the zip is made from: a zip older than any of
# them is left from an earlier build.
set(EXPECTED_FILES LICENSE.txt README.txt Varev1.WAD Zorv2Demo.exe Zorv2Demo.scr wadtool.exe)

# The little-endian number of size bytes at offset in file, as lower-case hex ("0x14c").
function(read_little_endian file offset size result)
    file(READ ${file} hex OFFSET ${offset} LIMIT ${size} HEX)
    string(REGEX MATCHALL ".." bytes "${hex}")
    list(REVERSE bytes)
    string(JOIN "" hex ${bytes})
    math(EXPR value "0x0${hex}" OUTPUT_FORMAT HEXADECIMAL)
    set(${result} ${value} PARENT_SCOPE)
endfunction()

# The machine field and the link time of a PE program's file header, after the "PE\0\0" found
# at offset 0x3c.
function(read_pe_header program machineResult timeResult)
    read_little_endian(${program} 60 4 header)
    math(EXPR signatureOffset "${header}")
    file(READ ${program} signature OFFSET ${signatureOffset} LIMIT 4 HEX)
    if(NOT signature STREQUAL "50450000")
        message(FATAL_ERROR "${program} is no PE program")
    endif()
    math(EXPR machineOffset "${signatureOffset} + 4")
    read_little_endian(${program} ${machineOffset} 2 machine)
    math(EXPR timeOffset "${signatureOffset} + 8")
    read_little_endian(${program} ${timeOffset} 4 time)
    set(${machineResult} ${machine} PARENT_SCOPE)
    set(${timeResult} ${time} PARENT_SCOPE)
endfunction()

# The files the release page's table names: a row begins with the file's name in backquotes.
file(READ ${RELEASE_DOC} release_page)
string(REGEX MATCHALL "\n\\| `[^`]+` \\|" rows "${release_page}")
list(TRANSFORM rows REPLACE "^\n\\| `([^`]+)` \\|$" "\\1")
list(SORT rows)
if(NOT rows STREQUAL EXPECTED_FILES)
    message(FATAL_ERROR "${RELEASE_DOC}'s table of the zip names ${rows}, not ${EXPECTED_FILES}")
endif()

if(NOT EXISTS ${ZIP})
    message(FATAL_ERROR "${ZIP} is missing: build the package target "
                        "(cmake --build --preset PRESET --target package)")
endif()
foreach(built ${DEMO} ${SCREEN_SAVER} ${TOOL} ${DATA_FILE})
    if(${built} IS_NEWER_THAN ${ZIP})
        message(FATAL_ERROR "${ZIP} is older than ${built}: build the package target again")
    endif()
endforeach()

get_filename_component(zip_name ${ZIP} NAME)
file(SHA256 ${ZIP} zip_sum)
file(READ ${SUMS} sums)
if(NOT sums STREQUAL "${zip_sum}  ${zip_name}\n")
    message(FATAL_ERROR "${SUMS} reads \"${sums}\", not the zip's \"${zip_sum}  ${zip_name}\"")
endif()

file(REMOVE_RECURSE ${UNPACK_DIR})
file(MAKE_DIRECTORY ${UNPACK_DIR})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${UNPACK_DIR})

get_filename_component(package_name ${ZIP} NAME_WLE)
file(GLOB top_level RELATIVE ${UNPACK_DIR} LIST_DIRECTORIES true ${UNPACK_DIR}/*)
if(NOT top_level STREQUAL package_name)
    message(FATAL_ERROR "the zip should hold one folder ${package_name}, holds: ${top_level}")
endif()
set(folder ${UNPACK_DIR}/${package_name})
file(GLOB_RECURSE files RELATIVE ${folder} LIST_DIRECTORIES true ${folder}/*)
list(SORT files)
if(NOT files STREQUAL EXPECTED_FILES)
    message(FATAL_ERROR "${package_name} holds ${files}, not ${EXPECTED_FILES}")
endif()

foreach(program Zorv2Demo.exe Zorv2Demo.scr wadtool.exe)
    read_pe_header(${folder}/${program} machine time)
    if(NOT machine STREQUAL MACHINE)
        message(FATAL_ERROR "${program} is built for machine ${machine}, not ${MACHINE}")
    endif()
    # A time in the header would make every build of one commit differ.
    if(NOT time STREQUAL "0x0")
        message(FATAL_ERROR "${program} carries the link time ${time}; it should carry none")
    endif()
endforeach()

file(SHA256 ${folder}/Varev1.WAD packaged)
file(SHA256 ${DATA_FILE} built)
if(NOT packaged STREQUAL built)
    message(FATAL_ERROR "the packaged Varev1.WAD differs from the build's ${DATA_FILE}")
endif()
# The screen saver carries that same file inside it, byte for byte, to run wherever it is copied.
file(READ ${folder}/Varev1.WAD packed_bytes HEX)
file(READ ${folder}/Zorv2Demo.scr saver_bytes HEX)
string(FIND "${saver_bytes}" "${packed_bytes}" at)
if(at EQUAL -1 OR at MATCHES "[13579]$")
    message(FATAL_ERROR "Zorv2Demo.scr does not carry the packaged Varev1.WAD")
endif()
message(STATUS "${package_name}: ${files}; programs for machine ${MACHINE}")
