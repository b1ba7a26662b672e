# Swiss Ephemeris from Debian's libswe-dev, for the sign-table generators; the ephemeris files
# come from swe-basic-data. The program itself never links it.
function(kesto_link_swiss_ephemeris target)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(SWE REQUIRED IMPORTED_TARGET swe)
    target_link_libraries(${target} PRIVATE PkgConfig::SWE)
endfunction()
