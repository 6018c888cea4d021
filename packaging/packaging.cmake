# SPDX-License-Identifier: GPL-3.0-or-later
# Installation in the freedesktop places and the Debian package (`cpack -G DEB`). The program
# finds its shipped data at ../share/tevardin/data beside its bin/ folder.
include(GNUInstallDirs)

set(TEVARDIN_APP_ID io.github.tevardin.Tevardin)
set(TEVARDIN_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

set(TEVARDIN_WINDOW_PROGRAM OFF)
if(TARGET tevardin)
  install(TARGETS tevardin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(TEVARDIN_WINDOW_PROGRAM ON)
endif()
install(TARGETS tevardin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The shipped season and the help file, copied into the user's data folder on first start.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tevardin/data)
install(FILES ${TEVARDIN_PACKAGING_DIR}/${TEVARDIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TEVARDIN_PACKAGING_DIR}/${TEVARDIN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${TEVARDIN_PACKAGING_DIR}/${TEVARDIN_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/${TEVARDIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TEVARDIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages, English and Japanese, with the version filled in and compressed as Debian
# wants them: gzip -9n stores no name or time stamp, so a rebuild gives the same bytes.
find_program(GZIP gzip REQUIRED)
set(TEVARDIN_MAN_PAGES tevardin-cli)
if(TEVARDIN_WINDOW_PROGRAM)
  list(APPEND TEVARDIN_MAN_PAGES tevardin)
endif()
set(TEVARDIN_DOC_FILES)
foreach(lang IN ITEMS en ja)
  if(lang STREQUAL en)
    set(sub "")
    set(man_destination ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    set(sub ${lang}/)
    set(man_destination ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
  endif()
  foreach(page ${TEVARDIN_MAN_PAGES})
    set(man ${CMAKE_BINARY_DIR}/man/${sub}${page}.1)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${sub}${page}.1.in ${man} @ONLY)
    add_custom_command(OUTPUT ${man}.gz COMMAND ${GZIP} -9nkf ${man} DEPENDS ${man} VERBATIM)
    install(FILES ${man}.gz DESTINATION ${man_destination})
    list(APPEND TEVARDIN_DOC_FILES ${man}.gz)
  endforeach()
endforeach()

# What a Debian package keeps in /usr/share/doc/tevardin: the machine-readable copyright file
# and the changelog, compressed the same way. The package is native (built from this source by
# its own developers, version without a Debian revision), so the changelog is changelog.gz.
# A new version needs its changelog entry first; a package must not say otherwise.
file(STRINGS ${TEVARDIN_PACKAGING_DIR}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^tevardin \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog has no entry for version ${PROJECT_VERSION} on top")
endif()
set(TEVARDIN_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog)
configure_file(${TEVARDIN_PACKAGING_DIR}/changelog ${TEVARDIN_CHANGELOG} COPYONLY)
add_custom_command(OUTPUT ${TEVARDIN_CHANGELOG}.gz COMMAND ${GZIP} -9nkf ${TEVARDIN_CHANGELOG}
                   DEPENDS ${TEVARDIN_CHANGELOG} VERBATIM)
list(APPEND TEVARDIN_DOC_FILES ${TEVARDIN_CHANGELOG}.gz)
install(FILES ${TEVARDIN_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${TEVARDIN_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(tevardin_docs ALL DEPENDS ${TEVARDIN_DOC_FILES})

# The desktop entry and the metainfo must pass the validators the desktops and stores use.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME packaging_desktop_entry_valid
           COMMAND ${DESKTOP_FILE_VALIDATE} ${TEVARDIN_PACKAGING_DIR}/${TEVARDIN_APP_ID}.desktop)
  set_tests_properties(packaging_desktop_entry_valid PROPERTIES TIMEOUT 60)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME packaging_metainfo_valid
           COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                   ${CMAKE_BINARY_DIR}/packaging/${TEVARDIN_APP_ID}.metainfo.xml)
  set_tests_properties(packaging_metainfo_valid PROPERTIES TIMEOUT 60)
endif()
# An install into a scratch prefix holds every piece in its place.
add_test(NAME packaging_install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DAPP_ID=${TEVARDIN_APP_ID}
                 -DPREFIX=${CMAKE_BINARY_DIR}/packaging/install-test
                 -DWINDOW_PROGRAM=${TEVARDIN_WINDOW_PROGRAM}
                 -P ${TEVARDIN_PACKAGING_DIR}/check_install.cmake)
set_tests_properties(packaging_install_layout PROPERTIES TIMEOUT 120)
# The manual pages format without a message from groff, as lintian checks them.
find_program(MAN_PROGRAM man)
find_program(LEXGROG lexgrog)
if(MAN_PROGRAM AND LEXGROG)
  set(man_pages ${TEVARDIN_DOC_FILES})
  list(FILTER man_pages INCLUDE REGEX "\\.1\\.gz$")
  add_test(NAME packaging_man_pages COMMAND ${TEVARDIN_PACKAGING_DIR}/check_man.sh ${man_pages})
  set_tests_properties(packaging_man_pages PROPERTIES TIMEOUT 60)
endif()
# Started through the installed desktop entry's Exec line under a virtual display with an empty
# data home, the program makes the user's data folder and opens its main window.
find_program(XVFB_RUN xvfb-run)
find_program(XWININFO xwininfo)
if(TEVARDIN_WINDOW_PROGRAM AND XVFB_RUN AND XWININFO)
  add_test(NAME packaging_desktop_launch
           COMMAND ${TEVARDIN_PACKAGING_DIR}/check_launch.sh ${CMAKE_BINARY_DIR} ${TEVARDIN_APP_ID}
                   ${CMAKE_BINARY_DIR}/packaging/launch-test)
  set_tests_properties(packaging_desktop_launch PROPERTIES TIMEOUT 120)
  # Both install into the build tree's packaging folder; one at a time.
  set_tests_properties(packaging_desktop_launch packaging_install_layout PROPERTIES RESOURCE_LOCK tevardin_install)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tevardin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# One maintainer address everywhere: here, in packaging/changelog and packaging/copyright.
set(CPACK_PACKAGE_CONTACT "Tevardin developers <tevardin@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "records a season of Japan's professional baseball leagues")
set(CPACK_PACKAGE_DESCRIPTION [[
Tevardin keeps one season of Japan's two professional baseball leagues,
the Central League and the Pacific League. Each game is typed in with its
date, clubs, meeting number, runs per inning, pitchers of record,
attendance and home runs; the program turns the season into standings,
head-to-head and monthly tables, streaks, pitcher and home-run lists,
records over all registered years, history graphs and a page of season
topics. Interleague games are kept beside the league games.

Seasons are kept per year as text files in code page 932, the form other
installations hand out, so year files can be exchanged. The window
program, tevardin, shows every text in Japanese; tevardin-cli plays the
same program headless, for scripts and checks.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# CPack's strip leaves the compiler's notes; Debian's strip (dh_strip) takes them out as well.
set(CPACK_TEVARDIN_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${TEVARDIN_PACKAGING_DIR}/strip_notes.cmake)
# Qt's Widgets library comes through the shared-library scan; the fonts and Qt's own Japanese
# (its dialogs and buttons) are no library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
