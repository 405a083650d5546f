# Makes a Windows build's release zip, the same bytes from the same commit wherever and whenever
# it is built, and beside it the zip's SHA-256 sum in sha256sum's format (NAME.zip.sha256):
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DNAME=Zorv2Demo-<version>-<system> -DZIP_PROGRAM=...
#         -P makeReleaseZip.cmake
# The build's install rules stage the files (programs stripped) in one folder named NAME. Every
# file gets the release time and fixed permissions, and Info-ZIP's zip packs them in sorted
# order without its extra fields, which would carry the owner and the access and change times.
cmake_minimum_required(VERSION 3.25)

# Bound on each external step; a stuck one fails the build instead of holding it.
set(STEP_TIMEOUT_SECONDS 120)

# Runs one external step in folder; fails the build with its name and output when it fails.
function(run_step name folder)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${folder} RESULT_VARIABLE result
        OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT ${STEP_TIMEOUT_SECONDS})
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${name} failed (${result}):\n${output}")
    endif()
endfunction()

# The release time in seconds since 1970: SOURCE_DATE_EPOCH when set, else the commit's time.
function(release_time result)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(epoch $ENV{SOURCE_DATE_EPOCH})
    else()
        execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${SOURCE_DIR}
            OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE
            TIMEOUT ${STEP_TIMEOUT_SECONDS})
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "no release time: ${SOURCE_DIR} is no git checkout and "
                            "SOURCE_DATE_EPOCH is not set (seconds since 1970)")
    endif()
    set(${result} ${epoch} PARENT_SCOPE)
endfunction()

if(NOT ZIP_PROGRAM)
    message(FATAL_ERROR "zip is missing: run scripts/install-deps")
endif()
release_time(epoch)
set(stage ${BUILD_DIR}/release-stage)
set(zip ${BUILD_DIR}/${NAME}.zip)
file(REMOVE_RECURSE ${stage})
file(REMOVE ${zip} ${zip}.sha256)

# NOTE: binutils' strip writes the current time into a PE program's header unless
# SOURCE_DATE_EPOCH is set; 0 keeps the header as the linker left it, without a time.
run_step("staging" ${BUILD_DIR} ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
    ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/${NAME} --strip)
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
foreach(file ${files})
    if(file MATCHES "\\.(exe|scr)$")
        file(CHMOD ${stage}/${file} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    else()
        file(CHMOD ${stage}/${file} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
endforeach()
run_step("setting the release time" ${stage} touch -d @${epoch} ${files})
# zip writes local times: in UTC they are the same on every machine.
run_step("zip" ${stage} ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP_PROGRAM} -X -D -q ${zip} ${files})
file(REMOVE_RECURSE ${stage})

file(SHA256 ${zip} sum)
file(WRITE ${zip}.sha256 "${sum}  ${NAME}.zip\n")
message(STATUS "${NAME}.zip: sha256 ${sum}")
