# The settings every generator in tools/ shares: each is a project of its own, built outside the
# program by the generate script beside it, and optimised because some run for minutes.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()
add_compile_options(-Wall -Wextra)

# Swiss Ephemeris from Debian's libswe-dev, for the sign-table generators; the ephemeris files
# come from swe-basic-data. The program itself never links it.
function(kesto_link_swiss_ephemeris target)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(SWE REQUIRED IMPORTED_TARGET swe)
    target_link_libraries(${target} PRIVATE PkgConfig::SWE)
endfunction()
