# CQWW.DAT, the country file of the continent report, beside each built
# program and in <prefix>/share/sorvak when installed. sorvak-cli makes it from
# the maintained country list of Debian's hamradio-files when that is there.
set(SORVAK_CTY_DAT /usr/share/hamradio-files/cty.dat
    CACHE FILEPATH "The cty.dat country list the build converts into CQWW.DAT")

if(NOT EXISTS ${SORVAK_CTY_DAT})
    message(STATUS "No ${SORVAK_CTY_DAT}: the programs are built without CQWW.DAT")
    return()
endif()

get_target_property(sorvak_cli_dir sorvak-cli BINARY_DIR)
set(sorvak_country_file ${sorvak_cli_dir}/CQWW.DAT)
set(sorvak_country_outputs ${sorvak_country_file})
set(sorvak_country_copies)
if(TARGET sorvak)
    get_target_property(sorvak_app_dir sorvak BINARY_DIR)
    list(APPEND sorvak_country_outputs ${sorvak_app_dir}/CQWW.DAT)
    list(APPEND sorvak_country_copies
         COMMAND ${CMAKE_COMMAND} -E copy ${sorvak_country_file} ${sorvak_app_dir}/CQWW.DAT)
endif()

add_custom_command(
    OUTPUT ${sorvak_country_outputs}
    COMMAND sorvak-cli make-country-file ${SORVAK_CTY_DAT} ${sorvak_country_file}
    ${sorvak_country_copies}
    DEPENDS sorvak-cli ${SORVAK_CTY_DAT}
    COMMENT "Making CQWW.DAT from ${SORVAK_CTY_DAT}"
    VERBATIM)
add_custom_target(country_files ALL DEPENDS ${sorvak_country_outputs})
if(TARGET sorvak)
    # Building the window program alone (as scripts/run does) gives both files.
    add_dependencies(sorvak country_files)
endif()

install(FILES ${sorvak_country_file} DESTINATION share/sorvak)
