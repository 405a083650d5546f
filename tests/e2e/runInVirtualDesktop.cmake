# Runs the end-to-end program inside a Wine virtual desktop, where display modes can change.
# NOTE: Wine's explorer returns 0 whatever the program inside it returns, so the verdict is read
# from the program's XML report instead.
file(REMOVE ${REPORT})
execute_process(
    COMMAND ${WINE_RUN} --desktop ${PREFIX}
            ${PROGRAM} --gtest_filter=${FILTER} --gtest_output=xml:Z:${REPORT}
    RESULT_VARIABLE result)
if(NOT EXISTS ${REPORT})
    message(FATAL_ERROR "no report from the virtual desktop run (explorer: ${result})")
endif()
file(READ ${REPORT} report)
string(REGEX MATCH "<testsuites tests=\"([0-9]+)\" failures=\"([0-9]+)\" disabled=\"[0-9]+\" errors=\"([0-9]+)\"" summary "${report}")
if(NOT summary OR CMAKE_MATCH_1 EQUAL 0 OR NOT CMAKE_MATCH_2 EQUAL 0 OR NOT CMAKE_MATCH_3 EQUAL 0)
    message(FATAL_ERROR "virtual desktop run failed: ${summary}")
endif()
if(report MATCHES "<skipped")
    message(FATAL_ERROR "a case was skipped inside the virtual desktop")
endif()
message(STATUS "virtual desktop run passed: ${summary}")
