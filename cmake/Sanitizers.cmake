if(SORVAK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
if(SORVAK_FUZZ)
    # Every object is instrumented for coverage; only the fuzz targets link
    # libFuzzer. Optimised as libFuzzer recommends, whatever the build type,
    # so that each input runs fast and the stacks still name every line.
    add_compile_options(-O1 -g -fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=undefined -fno-omit-frame-pointer
                        -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage-ignorelist.txt)
    add_link_options(-fsanitize=address,undefined)
endif()
