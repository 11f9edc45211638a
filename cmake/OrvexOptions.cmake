# Build options shared by every target of the project.

option(ORVEX_WERROR "Treat compiler warnings as errors" OFF)

# Debug builds (the default) run under AddressSanitizer and
# UndefinedBehaviorSanitizer; Release builds (benchmarks) do not.
if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(_orvex_sanitize_default ON)
else()
    set(_orvex_sanitize_default OFF)
endif()
option(ORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ${_orvex_sanitize_default})

# Unity builds compile several sources of a library as one, which cuts the
# build's time a good deal; switch them off to find a file's own errors.
option(ORVEX_UNITY_BUILD "Compile the libraries as unity builds" ON)

add_library(orvex_options INTERFACE)
target_compile_options(orvex_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(ORVEX_WERROR)
    target_compile_options(orvex_options INTERFACE -Werror)
endif()

if(ORVEX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Adds the sources of one folder (recursively) matching *.cpp.
function(orvex_glob_sources out dir)
    file(GLOB_RECURSE _found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(SORT _found)
    set(${out} ${_found} PARENT_SCOPE)
endfunction()
