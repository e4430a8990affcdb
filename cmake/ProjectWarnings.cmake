# Warnings on and treated as errors for every target of our own.
function(glimmerbox_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                           -Wno-sign-conversion -Werror)
endfunction()

# Win32 programs and DLLs carry their C and C++ runtimes inside.
function(glimmerbox_static_runtime target)
    if(WIN32)
        target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()
