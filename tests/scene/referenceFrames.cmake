# The scene's reference frames: the committed pictures (tests/scene/frames/<depth>/<name>.png, made
# by scripts/make-reference-frames) as the 24-bit BMPs that the scene test reads, and the folder
# it writes a differing frame into.
find_program(ZORV2_MAGICK NAMES magick convert REQUIRED)
set(ZORV2_REFERENCE_FRAMES ${CMAKE_CURRENT_BINARY_DIR}/reference-frames)
file(GLOB_RECURSE pictures CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/frames/*.png)
set(frames)
foreach(picture ${pictures})
    file(RELATIVE_PATH name ${CMAKE_CURRENT_LIST_DIR}/frames ${picture})
    string(REGEX REPLACE "png$" "bmp" frame ${ZORV2_REFERENCE_FRAMES}/${name})
    get_filename_component(folder ${frame} DIRECTORY)
    add_custom_command(OUTPUT ${frame}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${ZORV2_MAGICK} ${picture} -alpha off -type TrueColor BMP3:${frame}
        DEPENDS ${picture} VERBATIM)
    list(APPEND frames ${frame})
endforeach()
add_custom_target(reference_frames DEPENDS ${frames})
add_dependencies(scene_tests reference_frames)
set_property(TEST scene APPEND PROPERTY ENVIRONMENT
    "ZORV2_REFERENCE_FRAMES=${ZORV2_REFERENCE_FRAMES}"
    "ZORV2_DRAWN_FRAMES=${CMAKE_CURRENT_BINARY_DIR}/reference-frames-drawn")
# The same frames on a 16-bit desktop, an Xvfb screen of its own at that depth.
add_test(NAME scene_16bpp
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-run --xvfb ${CMAKE_SOURCE_DIR}/cmake/wine-run
        ${ZORV2_WINEPREFIX} $<TARGET_FILE:scene_tests> --gtest_filter=ReferenceFrames.*)
get_test_property(scene ENVIRONMENT scene_environment)
set_tests_properties(scene_16bpp PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "${scene_environment};ZORV2_WINE_DEPTH=16"
    FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
    TIMEOUT 300)
