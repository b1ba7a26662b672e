# Runs kesto-reading once and checks what it did.
#   CLI         the program
#   ARGS        its arguments, separated by "|"
#   OUTPUT      where to keep its standard output
#   STATUS      the exit status it must return
#   EXPECTED    file its standard output must equal byte for byte; without it the output must
#               be empty, or non-empty when ANY_OUTPUT is set
#   STDERR      the single line it must write to standard error (without the line end); without
#               it and STDERR_REGEX standard error must stay empty
#   STDERR_REGEX  a pattern standard error must match instead
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${CLI}" ${args}
                OUTPUT_FILE "${OUTPUT}"
                ERROR_VARIABLE stderr
                RESULT_VARIABLE status)

list(JOIN args " " shown)
set(call "kesto-reading ${shown}")
if(NOT status STREQUAL "${STATUS}")
    message(FATAL_ERROR "${call}: exit status ${status}, expected ${STATUS}\n${stderr}")
endif()

file(SIZE "${OUTPUT}" outputSize)
if(DEFINED EXPECTED)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${EXPECTED}" "${OUTPUT}"
                    RESULT_VARIABLE differs)
    if(differs)
        execute_process(COMMAND diff -u "${EXPECTED}" "${OUTPUT}" OUTPUT_VARIABLE diff)
        message(FATAL_ERROR "${call}: output differs from ${EXPECTED}\n${diff}")
    endif()
elseif(ANY_OUTPUT)
    if(outputSize EQUAL 0)
        message(FATAL_ERROR "${call}: no output")
    endif()
elseif(NOT outputSize EQUAL 0)
    message(FATAL_ERROR "${call}: unexpected output in ${OUTPUT}")
endif()

if(DEFINED STDERR)
    if(NOT stderr STREQUAL "${STDERR}\n")
        message(FATAL_ERROR "${call}: standard error was\n${stderr}\nexpected\n${STDERR}")
    endif()
elseif(DEFINED STDERR_REGEX)
    if(NOT stderr MATCHES "${STDERR_REGEX}")
        message(FATAL_ERROR "${call}: standard error\n${stderr}\ndoes not match ${STDERR_REGEX}")
    endif()
elseif(NOT stderr STREQUAL "")
    message(FATAL_ERROR "${call}: unexpected message\n${stderr}")
endif()
