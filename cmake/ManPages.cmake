# The manual pages sorvak(1) and sorvak-cli(1), made from man/*.1.in and
# gzipped into share/man/man1. The synopsis of sorvak-cli(1) is what the
# program prints for --help, so the page follows every new command and option.
find_program(SORVAK_GZIP gzip REQUIRED)
set(sorvak_man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
set(sorvak_man_script ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake)
set(sorvak_man_pages)

# sorvak_man_page(NAME [PROGRAM target]): man/NAME.1.in into NAME.1.gz; with
# PROGRAM, @SORVAK_USAGE@ is that target's --help.
function(sorvak_man_page name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "PROGRAM" "")
    set(source ${PROJECT_SOURCE_DIR}/man/${name}.1.in)
    set(page ${sorvak_man_dir}/${name}.1)
    set(program_args)
    if(arg_PROGRAM)
        set(program_args -DPROGRAM=$<TARGET_FILE:${arg_PROGRAM}>)
    endif()
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DPAGE=${page} -DGZIP=${SORVAK_GZIP}
                -DSORVAK_VERSION=${PROJECT_VERSION} -DSORVAK_RELEASE_DATE=${SORVAK_RELEASE_DATE}
                ${program_args} -P ${sorvak_man_script}
        DEPENDS ${source} ${sorvak_man_script} ${arg_PROGRAM}
        COMMENT "Making the manual page ${name}(1)"
        VERBATIM)
    install(FILES ${page}.gz DESTINATION share/man/man1)
    set(sorvak_man_pages ${sorvak_man_pages} ${page}.gz PARENT_SCOPE)
endfunction()

sorvak_man_page(sorvak-cli PROGRAM sorvak-cli)
if(TARGET sorvak)
    sorvak_man_page(sorvak)
endif()
add_custom_target(man_pages ALL DEPENDS ${sorvak_man_pages})
