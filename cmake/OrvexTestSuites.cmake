# Registers one CTest test per GoogleTest suite of a test program, so that a
# run starts one process per suite rather than one per test (every process
# of a sanitizer build takes a good part of a second to start).
#
# Run after each build of the program (script mode): it lists the suites and
# writes the add_test() calls into CTEST_FILE.
#   cmake -DTEST_EXECUTABLE=... -DTEST_WORKING_DIR=... -DTEST_TIMEOUT=...
#         -DCTEST_FILE=... -P OrvexTestSuites.cmake

execute_process(
    COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests
    WORKING_DIRECTORY "${TEST_WORKING_DIR}"
    OUTPUT_VARIABLE _listing
    RESULT_VARIABLE _result
    TIMEOUT 120)
if(NOT _result EQUAL 0)
    file(REMOVE "${CTEST_FILE}")
    message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed (${_result}):\n${_listing}")
endif()

string(REPLACE "\n" ";" _lines "${_listing}")
set(_script "")
foreach(_line IN LISTS _lines)
    # Suite lines start in the first column and end with '.', perhaps followed
    # by a comment naming the type of a typed suite; test lines are indented.
    if(_line MATCHES "^([^ #][^ ]*)\\.( *#.*)?$")
        set(_suite "${CMAKE_MATCH_1}")
        string(APPEND _script
            "add_test([=[${_suite}]=] [=[${TEST_EXECUTABLE}]=] [=[--gtest_filter=${_suite}.*]=])\n"
            "set_tests_properties([=[${_suite}]=] PROPERTIES WORKING_DIRECTORY [=[${TEST_WORKING_DIR}]=]"
            " TIMEOUT ${TEST_TIMEOUT})\n")
    endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${_script}")
