# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the web site's pages for opening straight from disk: the addresses the maker's server
# answers (/kesto-free-astrology-suite/ssd.php?page=KEY, /kesto-free-astrology-suite/FILE)
# become the neighbouring files (KEY.html, FILE), so the links, the style sheet and the drawing
# work in a browser without a server.
#
# cmake -DSOURCE=site/htdocs -DTARGET=out/site -P MakeLocalSite.cmake

cmake_minimum_required(VERSION 3.25)

file(GLOB files RELATIVE "${SOURCE}" "${SOURCE}/*")
file(MAKE_DIRECTORY "${TARGET}")
foreach(name IN LISTS files)
    if(name MATCHES "\\.html$")
        file(READ "${SOURCE}/${name}" text)
        string(REGEX REPLACE "/kesto-free-astrology-suite/ssd\\.php\\?page=([a-z-]+)" "\\1.html"
                             text "${text}")
        string(REPLACE "\"/kesto-free-astrology-suite/" "\"" text "${text}")
        if(text MATCHES "\"/kesto-free-astrology-suite")
            message(FATAL_ERROR "${name}: an address on the server is left in the local copy")
        endif()
        # The copy must read as the served page does: nothing may be left for the server to fill.
        if(text MATCHES "<!--kesto-")
            message(FATAL_ERROR "${name}: a part only the server fills in (<!--kesto-...-->)")
        endif()
        file(WRITE "${TARGET}/${name}.new" "${text}")
        file(COPY_FILE "${TARGET}/${name}.new" "${TARGET}/${name}" ONLY_IF_DIFFERENT)
        file(REMOVE "${TARGET}/${name}.new")
    else()
        file(COPY_FILE "${SOURCE}/${name}" "${TARGET}/${name}" ONLY_IF_DIFFERENT)
    endif()
endforeach()
