# Strict warnings for the project's own targets (not for third-party code such as GoogleTest).
add_library(dorvik_warnings INTERFACE)
target_compile_options(dorvik_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
    -Wimplicit-fallthrough -Wcast-qual -Wformat=2 -Wmissing-declarations -Wconversion -Wsign-conversion
    -Wold-style-cast -Wzero-as-null-pointer-constant)
if(DORVIK_WERROR)
    target_compile_options(dorvik_warnings INTERFACE -Werror)
endif()
