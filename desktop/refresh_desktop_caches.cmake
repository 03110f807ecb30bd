# Run at the end of `cmake --install`: brings the MIME, desktop-entry and
# icon caches under the prefix up to date with what was just installed, with
# whichever of the tools this machine has. Without them the install is
# complete all the same; the desktop reads the new files at its next scan.
# A staged install (DESTDIR, as when a package is built) leaves the caches
# to the machine the package goes to, whose packages refresh them.

if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()

set(share "${CMAKE_INSTALL_PREFIX}/${TOCHKOGRAF_DATADIR}")

function(refresh tool)
  string(JOIN " " command ${tool} ${ARGN})
  find_program(program ${tool} NO_CACHE)
  if(NOT program)
    message(STATUS "Not run, ${tool} is not installed: ${command}")
    return()
  endif()
  # Their notes (a scratch prefix is not among the desktop's folders) are
  # shown only if they fail.
  execute_process(COMMAND ${program} ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE said
                  ERROR_VARIABLE said)
  if(result EQUAL 0)
    message(STATUS "Refreshed: ${command}")
  else()
    message(WARNING "${command} failed (${result}); the files are installed all the same\n${said}")
  endif()
endfunction()

refresh(update-mime-database "${share}/mime")
refresh(update-desktop-database -q "${share}/applications")
# -t: a scratch prefix has no index.theme of the icon theme.
refresh(gtk-update-icon-cache -q -t -f "${share}/icons/hicolor")
