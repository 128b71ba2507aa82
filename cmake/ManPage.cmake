# Makes one manual page: SOURCE with the version, its date and, when PROGRAM
# is given, PROGRAM's --help in place of @SORVAK_USAGE@, written to PAGE and
# gzipped beside it as Debian wants it (no name or time stamp inside).
# cmake -DSOURCE=... -DPAGE=... -DGZIP=... -DSORVAK_VERSION=...
#       -DSORVAK_RELEASE_DATE=... [-DPROGRAM=...] -P ManPage.cmake
if(PROGRAM)
    execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE usage RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} --help ended with ${status}")
    endif()
    # Shown as it is printed: backslashes and minus signs stay themselves
    # (so that a copied option works), and no line is taken for a request.
    string(REPLACE "\\" "\\e" usage "${usage}")
    string(REPLACE "-" "\\-" usage "${usage}")
    string(REPLACE "\n." "\n\\&." usage "\n${usage}")
    string(REPLACE "\n'" "\n\\&'" usage "${usage}")
    string(STRIP "${usage}" SORVAK_USAGE)
endif()
configure_file(${SOURCE} ${PAGE} @ONLY)
execute_process(COMMAND ${GZIP} -9nkf ${PAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${PAGE} ended with ${status}")
endif()
