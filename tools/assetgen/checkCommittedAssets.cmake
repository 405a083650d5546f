# Runs assetgen into a fresh folder and fails unless every file equals the committed one byte
# for byte: the committed assets are current and the generator repeats itself exactly.
# cmake -DASSETGEN=<program> -DCOMMITTED=<assets folder> -DFRESH=<scratch folder> -P this-file
file(REMOVE_RECURSE ${FRESH})
file(MAKE_DIRECTORY ${FRESH})
execute_process(COMMAND ${ASSETGEN} ${FRESH} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "assetgen failed: ${status}")
endif()
foreach(name ball.bmp star.bmp logo.bmp Zorvd.mid)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FRESH}/${name} ${COMMITTED}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs from the committed copy: run assetgen ${COMMITTED}")
    endif()
endforeach()
