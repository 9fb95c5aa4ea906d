# One interface target carries the language standard, the warnings and the Qt defines,
# so every library, tool and test is built the same way.
add_library(timyanka_options INTERFACE)
target_compile_features(timyanka_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(timyanka_options INTERFACE -Wall -Wextra)
target_compile_definitions(timyanka_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
target_include_directories(timyanka_options INTERFACE ${PROJECT_SOURCE_DIR})

option(TIMYANKA_WERROR "Treat warnings as errors" OFF)
if(TIMYANKA_WERROR)
    target_compile_options(timyanka_options INTERFACE -Werror)
endif()

if(TIMYANKA_SANITIZE OR TIMYANKA_FUZZ)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    if(TIMYANKA_FUZZ)
        list(APPEND sanitizers -fsanitize=fuzzer-no-link)
    endif()
    target_compile_options(timyanka_options INTERFACE ${sanitizers})
    target_link_options(timyanka_options INTERFACE -fsanitize=address,undefined)
endif()
