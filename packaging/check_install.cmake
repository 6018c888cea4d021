# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into PREFIX and fails when a piece is not in its place.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(pieces bin/tevardin-cli share/man/man1/tevardin-cli.1.gz share/man/ja/man1/tevardin-cli.1.gz)
if(WINDOW_PROGRAM)
  list(APPEND pieces bin/tevardin share/man/man1/tevardin.1.gz share/man/ja/man1/tevardin.1.gz)
endif()
foreach(piece ${pieces}
              share/tevardin/data/Tevardin.ini share/tevardin/data/TEVARDIN.HLP
              share/doc/tevardin/copyright share/doc/tevardin/changelog.gz
              share/applications/${APP_ID}.desktop
              share/icons/hicolor/scalable/apps/${APP_ID}.svg
              share/metainfo/${APP_ID}.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${piece})
    message(FATAL_ERROR "not installed: ${piece}")
  endif()
endforeach()
