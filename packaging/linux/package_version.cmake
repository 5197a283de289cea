# The package version from the source tree: a tag vX.Y.Z (or X.Y.Z) on the commit gives X.Y.Z;
# commits after it give X.Y.Z+N.gHASH; without a tag the project version with ~gitN.gHASH,
# which sorts before the release X.Y.Z itself. Uncommitted changes add +dirty. Outside a git
# checkout the project version stands alone.
function(nobrix_package_version version_var date_var commit_var)
  set(version ${PROJECT_VERSION})
  set(date "")
  set(commit "")
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=10 HEAD
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE commit
                    RESULT_VARIABLE not_git OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(GIT_FOUND AND NOT not_git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%cs
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE date
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${GIT_EXECUTABLE} describe --tags --long --match "*[0-9].[0-9]*"
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE described
                    RESULT_VARIABLE no_tag OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT no_tag AND described MATCHES "^v?([0-9][0-9.]*)-([0-9]+)-g([0-9a-f]+)$")
      set(version ${CMAKE_MATCH_1})
      if(NOT CMAKE_MATCH_2 EQUAL 0)
        string(APPEND version "+${CMAKE_MATCH_2}.g${commit}")
      endif()
    else()
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE count
                      OUTPUT_STRIP_TRAILING_WHITESPACE)
      string(APPEND version "~git${count}.g${commit}")
    endif()
    execute_process(COMMAND ${GIT_EXECUTABLE} status --porcelain --untracked-files=no
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE changes)
    if(changes)
      string(APPEND version "+dirty")
    endif()
  endif()
  if(NOT date)
    string(TIMESTAMP date "%Y-%m-%d" UTC)
  endif()
  set(${version_var} ${version} PARENT_SCOPE)
  set(${date_var} ${date} PARENT_SCOPE)
  set(${commit_var} "${commit}" PARENT_SCOPE)
endfunction()
