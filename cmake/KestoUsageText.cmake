# kesto_usage_header(target usage-file name)
# Compiles the text of a program's --help into the header <name>.h, as kesto::<name>. The same
# file makes the program's manual page (packaging/), so the two never disagree.
function(kesto_usage_header target usage name)
    get_filename_component(KESTO_USAGE_SOURCE ${usage} ABSOLUTE)
    file(READ ${KESTO_USAGE_SOURCE} KESTO_USAGE_TEXT)
    file(RELATIVE_PATH KESTO_USAGE_SOURCE ${PROJECT_SOURCE_DIR} ${KESTO_USAGE_SOURCE})
    set(KESTO_USAGE_NAME ${name})
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/generated)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/UsageText.h.in ${folder}/${name}.h @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${usage})
    target_include_directories(${target} PRIVATE ${folder})
endfunction()
