# Regenerates the icon and fails when it differs from the committed one.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "icongen failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "${COMMITTED} is not what icongen draws; run icongen and commit it")
endif()
