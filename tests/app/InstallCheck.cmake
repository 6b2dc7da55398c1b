# Installs the build into a staging folder, as a package build would, and
# checks the desktop integration: the program, its menu entry, its icon and
# the .KCF file type that the entry opens.
# Run with -DBUILD_DIR=<build tree> -DSTAGE=<scratch folder>.
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${STAGE}" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

set(root "${STAGE}/usr")
foreach(path bin/kelvane-tools bin/kelvane-cli share/applications/kelvane-tools.desktop
             share/icons/hicolor/scalable/apps/kelvane-tools.svg share/mime/packages/kelvane-tools.xml
             share/man/man1/kelvane-tools.1.gz share/man/man1/kelvane-cli.1.gz share/man/man1/kelvane-panel-sim.1.gz
             share/doc/kelvane-tools/help/index.html)
  if(NOT EXISTS "${root}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
# A staged install leaves the desktop's caches to the package system.
if(EXISTS "${root}/share/mime/mime.cache")
  message(FATAL_ERROR "a staged install wrote the file-type cache")
endif()

set(type "application/x-kelvane-site-config")
file(READ "${root}/share/applications/kelvane-tools.desktop" entry)
if(NOT entry MATCHES "\nMimeType=${type};\n")
  message(FATAL_ERROR "the desktop entry does not declare ${type}")
endif()
if(NOT entry MATCHES "\nExec=kelvane-tools %f\n")
  message(FATAL_ERROR "the desktop entry does not hand the file to the program")
endif()
file(READ "${root}/share/mime/packages/kelvane-tools.xml" mime)
foreach(expected "type=\"${type}\"" "pattern=\"*.KCF\"" "pattern=\"*.kcf\"")
  string(FIND "${mime}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the file type lacks ${expected}")
  endif()
endforeach()

# Where the desktop's own tool is at hand, it must accept the file and map
# the extension to the type.
find_program(update_mime update-mime-database)
if(update_mime)
  execute_process(COMMAND "${update_mime}" "${root}/share/mime" RESULT_VARIABLE updated ERROR_VARIABLE complaint)
  file(READ "${root}/share/mime/globs2" globs)
  if(NOT updated EQUAL 0 OR complaint MATCHES "[Ee]rror|[Ww]arning|[Uu]nknown" OR NOT globs MATCHES "${type}:\\*\\.kcf")
    message(FATAL_ERROR "update-mime-database did not take the file type: ${complaint}")
  endif()
endif()
file(REMOVE_RECURSE "${STAGE}")
