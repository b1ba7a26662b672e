# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a manual page (roff) from the text a program prints for --help, so the two never differ.
#
# cmake -DUSAGE=usage.txt -DPROGRAM=name -DVERSION=1.20 -DSEE_ALSO="other(1)"
#       -DOUTPUT=name.1 [-DGZIP=/usr/bin/gzip] -P MakeManPage.cmake
#
# The text's form: "Usage: PROGRAM ARGUMENTS" on the first line; paragraphs, the first of them
# one sentence saying what the program is; then sections, each a heading at the margin ending in
# a colon, with items indented by two blanks ("  TERM  TEXT", the text going on in lines
# indented further). A heading with a parenthesis becomes a subsection of the description.

cmake_minimum_required(VERSION 3.25)

foreach(required USAGE PROGRAM VERSION OUTPUT)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "MakeManPage.cmake needs -D${required}=...")
    endif()
endforeach()

# Roff's escapes: a backslash, option dashes as real minus signs, a dot or quote that would
# start a request.
function(roff_escape text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|[][ (,|])--" "\\1\\\\-\\\\-" text "${text}")
    string(REGEX REPLACE "(^|[][ (,|])-" "\\1\\\\-" text "${text}")
    if(text MATCHES "^[.']")
        set(text "\\&${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${USAGE}" raw)
# A semicolon would split a line in CMake's lists: it travels as a placeholder.
string(REPLACE ";" "<semicolon>" raw "${raw}")
string(REPLACE "\n" ";" lines "${raw}")

list(POP_FRONT lines usage)
if(NOT usage MATCHES "^Usage: ([^ ]+) ?(.*)$")
    message(FATAL_ERROR "${USAGE}: the first line must read \"Usage: ${PROGRAM} ...\"")
endif()
roff_escape("${CMAKE_MATCH_2}" synopsis)

string(TOUPPER "${PROGRAM}" title)
set(page ".\\\" Made from ${PROGRAM}'s --help text; edit that text, not this page.\n")
string(APPEND page ".TH ${title} 1 \"\" \"Kesto Astrology Suite ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n")

set(state description) # description, section
set(name "")
set(paragraph "")
set(body "")
set(in_item FALSE)

macro(flush_paragraph)
    if(NOT paragraph STREQUAL "")
        if(name STREQUAL "")
            string(REGEX REPLACE "\\.$" "" name "${paragraph}")
        endif()
        roff_escape("${paragraph}" escaped)
        string(APPEND body ".PP\n${escaped}\n")
        set(paragraph "")
    endif()
endmacro()

foreach(line IN LISTS lines)
    string(REPLACE "<semicolon>" ";" line "${line}")
    if(line STREQUAL "")
        flush_paragraph()
        set(in_item FALSE)
    elseif(line MATCHES "^[^ ].*:$")
        flush_paragraph()
        string(REGEX REPLACE ":$" "" heading "${line}")
        if(heading MATCHES "\\(")
            roff_escape("${heading}" heading)
            string(APPEND body ".SS \"${heading}\"\n")
        else()
            string(TOUPPER "${heading}" heading)
            string(APPEND body ".SH \"${heading}\"\n")
        endif()
        set(state section)
        set(in_item FALSE)
    elseif(state STREQUAL "section" AND line MATCHES "^  [^ ]")
        string(REGEX MATCH "^  ([^ ]+( [^ ]+)*)(  +(.*))?$" item "${line}")
        roff_escape("${CMAKE_MATCH_1}" term)
        roff_escape("${CMAKE_MATCH_4}" text)
        string(APPEND body ".TP\n.B ${term}\n")
        if(NOT text STREQUAL "")
            string(APPEND body "${text}\n")
        endif()
        set(in_item TRUE)
    elseif(in_item)
        string(STRIP "${line}" line)
        roff_escape("${line}" line)
        string(APPEND body "${line}\n")
    else()
        string(STRIP "${line}" line)
        if(paragraph STREQUAL "")
            set(paragraph "${line}")
        else()
            string(APPEND paragraph " ${line}")
        endif()
    endif()
endforeach()
flush_paragraph()

roff_escape("${name}" name)
string(APPEND page "${PROGRAM} \\- ${name}\n")
string(APPEND page ".SH SYNOPSIS\n.B ${PROGRAM}\n${synopsis}\n")
string(APPEND page ".SH DESCRIPTION\n")
# The description's first paragraph is the NAME line's sentence; the page starts after it.
# (A regular expression would not do: CMake anchors "^" again after every replacement.)
string(FIND "${body}" "\n" first_end)
math(EXPR start "${first_end} + 1")
string(SUBSTRING "${body}" ${start} -1 body)
string(FIND "${body}" "\n" first_end)
math(EXPR start "${first_end} + 1")
string(SUBSTRING "${body}" ${start} -1 body)
if(body MATCHES "^\\.S[HS]")
    string(APPEND page "${name}.\n")
endif()
string(APPEND page "${body}")
if(DEFINED SEE_ALSO AND NOT SEE_ALSO STREQUAL "")
    string(REGEX REPLACE "([a-z-]+)\\(([0-9])\\)" ".BR \\1 (\\2)" see "${SEE_ALSO}")
    string(REPLACE ";" "\n" see "${see}")
    string(APPEND page ".SH \"SEE ALSO\"\n${see}\n")
endif()

file(WRITE "${OUTPUT}" "${page}")
if(DEFINED GZIP AND NOT GZIP STREQUAL "")
    # -n leaves out the name and time, so the same page makes the same file.
    execute_process(COMMAND "${GZIP}" -9nf "${OUTPUT}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "gzip failed on ${OUTPUT}")
    endif()
endif()
