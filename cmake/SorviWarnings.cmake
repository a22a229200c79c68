# sorvi_warnings(target): the project's warning set, errors in CI (SORVI_WERROR=ON).
function(sorvi_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
    if(SORVI_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
