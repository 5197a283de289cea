# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 GCC (packages g++-mingw-w64-x86-64
# and mingw-w64-tools). Use: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)

# The posix thread model: Debian's default win32 variant of GCC 12 has no std::thread, which the
# workflow's worker runner needs.
find_program(mingw_cc NAMES ${mingw_prefix}-gcc-posix ${mingw_prefix}-gcc REQUIRED)
find_program(mingw_cxx NAMES ${mingw_prefix}-g++-posix ${mingw_prefix}-g++ REQUIRED)
find_program(mingw_windres NAMES ${mingw_prefix}-windres REQUIRED)
set(CMAKE_C_COMPILER ${mingw_cc})
set(CMAKE_CXX_COMPILER ${mingw_cxx})
set(CMAKE_ASM_COMPILER ${mingw_cc})
set(CMAKE_RC_COMPILER ${mingw_windres})

# Appended, so that -DCMAKE_FIND_ROOT_PATH=<prefix> adds libraries built for Windows (GoogleTest).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs carry the GCC runtime and winpthread inside them, so they run without the MinGW
# DLLs beside them (on Windows as under Wine).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
