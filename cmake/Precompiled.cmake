# Build speed: the test frameworks' headers are precompiled once and shared by the test programs,
# and a compiler cache is used when one is installed. A target compiled in one batch gains
# nothing from a header of its own: making it costs more than the batch reading the headers once
# (the window library's and the window tests' took 22 s to make and saved 9 s of compiling).
option(NOBRIX_PRECOMPILE "Precompile the heavy third-party headers" ON)

# Unity builds: each library and test program compiles its sources in batches of up to sixteen
# files, one compiler run a batch, so the headers are read and the inline code they hold (the test
# frameworks', Qt's, the standard library's) is made once a batch rather than once a file; with
# the sanitizers that is most of a compile's time. Sixteen puts nearly every target in one batch:
# the eight targets of nine to eighteen files compiled in 23 s against 51 s in batches of eight.
# Within a target, file-local helpers (in an anonymous namespace) therefore need names of their
# own; a file that cannot share a batch is marked with SKIP_UNITY_BUILD_INCLUSION.
option(NOBRIX_UNITY_BUILD "Compile each target's sources in batches (faster clean builds)" ON)
set(NOBRIX_UNITY_BATCH_SIZE 16 CACHE STRING "Most source files compiled together in one batch")
set(CMAKE_UNITY_BUILD ${NOBRIX_UNITY_BUILD})
set(CMAKE_UNITY_BUILD_BATCH_SIZE ${NOBRIX_UNITY_BATCH_SIZE})

find_program(NOBRIX_CCACHE ccache)
if(NOBRIX_CCACHE)
  # Precompiled headers defeat the cache unless it may ignore their time stamps and defines.
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime
               ${NOBRIX_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()

set(NOBRIX_PCH_TESTS <gtest/gtest.h> <gmock/gmock.h> <functional> <memory> <string> <vector>)
# nobrix_precompile(target HEADERS...): the headers, precompiled for that target alone.
function(nobrix_precompile target)
  if(NOBRIX_PRECOMPILE)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# The linker: LLVM's lld, when installed, links the sanitized test programs in half the time of
# the system's default linker. A build without it (a package build, the Windows build) links as
# before.
option(NOBRIX_LLD "Link with lld when it is installed" ON)
find_program(NOBRIX_LD_LLD ld.lld)
if(NOBRIX_LLD AND NOBRIX_LD_LLD AND NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_link_options(-fuse-ld=lld)
endif()
