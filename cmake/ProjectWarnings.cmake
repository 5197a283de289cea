# Warnings are errors for the project's own code; call nobrix_set_warnings(target) on each target.
# MSVC reads the sources as UTF-8 (the texts are written so) and sets __cplusplus truly.
function(nobrix_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8 /Zc:__cplusplus)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Werror)
  endif()
endfunction()

# A project library: sources, include root, warnings.
function(nobrix_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${NOBRIX_SOURCE_ROOT})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  nobrix_set_warnings(${name})
endfunction()
