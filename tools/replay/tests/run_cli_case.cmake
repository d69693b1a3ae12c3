# Runs quintaro-replay once and checks its exit status and output.
#
#   REPLAY         the program
#   ARGS           its arguments, separated by "|" (optional)
#   INPUT          a file for standard input (optional; else empty input)
#   EXPECT_EXIT    the exit status
#   STDOUT_REGEX   a regular expression standard output must match (optional)
#   STDERR_REGEX   a regular expression standard error must match (optional)
#   STDOUT_LINES   the number of lines on standard output (optional)
#   FIRST_ACTION   the "action" of the first JSON record on standard output (optional)

if(DEFINED ARGS)
    string(REPLACE "|" ";" arg_list "${ARGS}")
else()
    set(arg_list "")
endif()
if(NOT DEFINED INPUT)
    set(INPUT /dev/null)
endif()

execute_process(COMMAND ${REPLAY} ${arg_list}
                INPUT_FILE ${INPUT}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err)

function(fail what)
    message(FATAL_ERROR "${what}\n--- exit status: ${status}\n--- stdout:\n${out}\n--- stderr:\n${err}")
endfunction()

if(NOT status STREQUAL EXPECT_EXIT)
    fail("expected exit status ${EXPECT_EXIT}")
endif()
if(DEFINED STDOUT_REGEX AND NOT out MATCHES "${STDOUT_REGEX}")
    fail("standard output does not match '${STDOUT_REGEX}'")
endif()
if(DEFINED STDERR_REGEX AND NOT err MATCHES "${STDERR_REGEX}")
    fail("standard error does not match '${STDERR_REGEX}'")
endif()
if(DEFINED STDOUT_LINES)
    string(REGEX MATCHALL "\n" line_ends "${out}")
    list(LENGTH line_ends lines)
    if(NOT lines EQUAL STDOUT_LINES)
        fail("expected ${STDOUT_LINES} lines on standard output, got ${lines}")
    endif()
endif()
if(DEFINED FIRST_ACTION)
    string(FIND "${out}" "\n" first_end)
    string(SUBSTRING "${out}" 0 ${first_end} first_record)
    string(JSON action ERROR_VARIABLE json_error GET "${first_record}" action)
    if(json_error OR NOT action STREQUAL FIRST_ACTION)
        fail("expected the first record's action '${FIRST_ACTION}', got '${action}' ${json_error}")
    endif()
endif()
