# Warnings are errors in the project's own code only.
function(sorvak_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wno-missing-field-initializers -Werror)
    # GCC 12 at -O3 (Release) takes "text" + std::string for an overlapping
    # copy, a known false alarm: it is shown but does not stop the build.
    target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>)
endfunction()
