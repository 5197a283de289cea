# Files the packages carry beside the programs, made at build time.

# The program icon in the hicolor theme: the SVG as it is and the usual PNG sizes from it.
function(nobrix_program_icons svg component)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icons ${CMAKE_CURRENT_BINARY_DIR}/icons)
  set(pngs)
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${icons}/${size}x${size}/${NOBRIX_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icons}/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg}
      VERBATIM)
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT ${component})
  endforeach()
  add_custom_target(nobrix_program_icons ALL DEPENDS ${pngs})
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${NOBRIX_APP_ID}.svg COMPONENT ${component})
endfunction()

# Installs `file` compressed as Debian wants manual pages and changelogs. gzip -n leaves the
# time stamp out, so the same text gives the same bytes.
function(nobrix_install_gzipped file destination component)
  get_filename_component(name ${file} NAME)
  get_filename_component(folder ${file} DIRECTORY)
  set(gz ${folder}/gz/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/gz
    COMMAND sh -c "gzip -n -9 -c \"$0\" > \"$1\"" ${file} ${gz}
    DEPENDS ${file}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "${component}_${name}" target)
  add_custom_target(nobrix_gz_${target} ALL DEPENDS ${gz})
  install(FILES ${gz} DESTINATION ${destination} COMPONENT ${component})
endfunction()

# A manual page written by hand in roff.
function(nobrix_written_manpage page component)
  nobrix_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man1 ${component})
endfunction()

# A manual page made by help2man from the program's own --help; INCLUDE names a help2man include
# file with sections of its own.
function(nobrix_generated_manpage target summary component)
  cmake_parse_arguments(ARG "" "INCLUDE" "" ${ARGN})
  find_program(HELP2MAN help2man REQUIRED)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
  set(include_option "")
  if(ARG_INCLUDE)
    set(include_option --include=${ARG_INCLUDE})
  endif()
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr
            --version-string=${NOBRIX_PACKAGE_VERSION} --name=${summary} ${include_option}
            --output=${page} $<TARGET_FILE:${target}>
    DEPENDS ${target} ${ARG_INCLUDE}
    VERBATIM)
  nobrix_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man1 ${component})
endfunction()

# The copyright file and the Debian changelog every Debian package must carry.
function(nobrix_package_docs component package)
  set(docs ${CMAKE_CURRENT_BINARY_DIR}/doc/${package})
  # SOURCE_DATE_EPOCH (scripts/package: the commit's time) makes the date reproducible.
  string(TIMESTAMP now "%a, %d %b %Y %H:%M:%S +0000" UTC)
  file(WRITE ${docs}/changelog.Debian
       "${package} (${NOBRIX_PACKAGE_VERSION}-1) unstable; urgency=medium\n\n"
       "  * Built from commit ${NOBRIX_SOURCE_COMMIT} of the source tree.\n\n"
       " -- ${NOBRIX_PACKAGE_MAINTAINER}  ${now}\n")
  nobrix_install_gzipped(${docs}/changelog.Debian ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
                        ${component})
  string(SUBSTRING "${NOBRIX_RELEASE_DATE}" 0 4 NOBRIX_RELEASE_YEAR)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/copyright.in ${docs}/copyright @ONLY)
  install(FILES ${docs}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
          COMPONENT ${component})
endfunction()
